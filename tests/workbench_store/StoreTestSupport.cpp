#include "tests/workbench_store/StoreTestSupport.h"

std::vector<std::string> ErrorLines(const QVParseReport& report) {
  std::vector<std::string> lines;
  for (const QVParseMessage& m : report.messages)
    if (m.IsError()) lines.push_back(std::to_string(m.line) + ":" + m.message);
  return lines;
}
