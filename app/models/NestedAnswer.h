// Counts, for as long as it lives, an answer a model over a control is
// giving (inside data()): changes the control makes while the model reads it
// (filling display texts through callbacks) are then not taken as news.
#pragma once

class NestedAnswer {
 public:
  explicit NestedAnswer(int& depth) : m_depth(depth) { ++m_depth; }
  ~NestedAnswer() { --m_depth; }
  NestedAnswer(const NestedAnswer&) = delete;
  NestedAnswer& operator=(const NestedAnswer&) = delete;

 private:
  int& m_depth;
};
