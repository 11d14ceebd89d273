// The texts of one list row: its label, then one per further column. The
// first two are kept in the row itself, so a row with a name and one detail
// column costs no allocation of its own; further texts go to a vector.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class CListRowTexts {
 public:
  std::size_t size() const { return m_size; }
  std::string& operator[](std::size_t i) { return i < kInline ? m_inline[i] : m_more[i - kInline]; }
  const std::string& operator[](std::size_t i) const { return i < kInline ? m_inline[i] : m_more[i - kInline]; }

  // Texts added are empty; texts dropped are gone.
  void resize(std::size_t size) {
    for (std::size_t i = size; i < m_size && i < kInline; ++i) m_inline[i].clear();
    m_more.resize(size > kInline ? size - kInline : 0);
    m_size = size;
  }
  void push_back(std::string text) {
    resize(m_size + 1);
    (*this)[m_size - 1] = std::move(text);
  }
  // text becomes number at; the ones from there on move one further.
  void insert(std::size_t at, std::string text) {
    resize(m_size + 1);
    for (std::size_t i = m_size - 1; i > at; --i) (*this)[i] = std::move((*this)[i - 1]);
    (*this)[at] = std::move(text);
  }
  void erase(std::size_t at) {
    for (std::size_t i = at; i + 1 < m_size; ++i) (*this)[i] = std::move((*this)[i + 1]);
    resize(m_size - 1);
  }

 private:
  static constexpr std::size_t kInline = 2;
  std::string m_inline[kInline];
  std::vector<std::string> m_more;
  std::size_t m_size = 0;
};
