// Why a file could not be read or written: the file, the line (0 when the
// problem is about the file as a whole) and what was wrong or expected.
#pragma once

#include <string>

struct FileProblem {
  std::string path;
  int line = 0;
  std::string message;

  // "samples/Tanks.vsim, line 12: expected ..." or "samples/Tanks.vsim: ..." for line 0.
  std::string Describe() const {
    if (line <= 0) return path + ": " + message;
    return path + ", line " + std::to_string(line) + ": " + message;
  }
};
