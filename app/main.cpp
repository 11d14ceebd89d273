// The program a user starts. The command line is read first, without any
// window system, so that modes that need no display never open one.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DesktopProgram.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const std::string program = argc > 0 ? argv[0] : "vortan";
  CommandLineOptions options = ParseCommandLine(args);
  switch (options.mode) {
    case CommandLineOptions::Mode::Help:
      std::fputs(UsageText(program).c_str(), stdout);
      return 0;
    case CommandLineOptions::Mode::Version:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case CommandLineOptions::Mode::Error:
      std::fprintf(stderr, "%s: %s\n\n%s", program.c_str(), options.error.c_str(), UsageText(program).c_str());
      return 2;
    case CommandLineOptions::Mode::Headless:
      return RunHeadless(options.headless, program, std::cout, std::cerr);
    case CommandLineOptions::Mode::Desktop:
      break;
  }
  return RunDesktopProgram(options, program);
}
