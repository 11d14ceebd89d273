// Runs the built program as a user would, in a configuration directory of its
// own (VORTAN_CONFIG_DIR, made afresh for each run's owner), and collects its
// exit code, standard output and standard error.
#pragma once

#include <string>
#include <vector>

struct ProgramResult {
  int exitCode = -1;  // -1 when it did not exit normally
  std::string out;
  std::string err;
};

// Runs the program with args; input is its standard input.
ProgramResult RunProgram(const std::vector<std::string>& args, const std::string& input = {});
// The built program's path.
const char* ProgramPath();
