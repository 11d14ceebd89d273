// What the stand-in host was asked to do that has no window of its own here:
// run commands, the host's dialogs, help, scripts. Each request is kept in
// order and announced as one line ("run: Run", "dialog: Homotopy") through
// the user-interface provider, so tests and the command line see it.
#pragma once

#include <string>
#include <vector>

class CHostActions {
 public:
  // Keeps line and announces it.
  void Record(const std::string& line);
  // Keeps line without announcing it: for a request whose own window shows it.
  void RecordShown(const std::string& line) { m_lines.push_back(line); }
  const std::vector<std::string>& Lines() const { return m_lines; }
  // How many times a line was recorded.
  int Count(const std::string& line) const;
  void Clear() { m_lines.clear(); }

 private:
  std::vector<std::string> m_lines;
};
