#include "workbench/document/HostActions.h"

#include <algorithm>

#include "platform/UserInterface.h"

void CHostActions::Record(const std::string& line) {
  m_lines.push_back(line);
  UI().Announce(line);
}

int CHostActions::Count(const std::string& line) const {
  return static_cast<int>(std::count(m_lines.begin(), m_lines.end(), line));
}
