#include "app/CommandLine.h"

#include <stdexcept>

#ifndef VORTAN_VERSION
#define VORTAN_VERSION "0"
#endif

CommandLineOptions ParseCommandLine(const std::vector<std::string>& args) {
  CommandLineOptions options;
  auto fail = [&options](std::string error) {
    options.mode = CommandLineOptions::Mode::Error;
    options.error = std::move(error);
    return options;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.mode = CommandLineOptions::Mode::Help;
      return options;
    }
    if (arg == "--version") {
      options.mode = CommandLineOptions::Mode::Version;
      return options;
    }
    if (IsHeadlessMode(arg)) {
      const std::vector<std::string> rest(args.begin() + static_cast<long>(i), args.end());
      std::string problem;
      if (!options.document.empty() || !options.screenshotPath.empty())
        return fail(arg + " must come first on the command line");
      if (!ParseHeadlessArguments(rest, options.headless, problem)) return fail(problem);
      options.mode = CommandLineOptions::Mode::Headless;
      return options;
    }
    if (arg == "--screenshot") {
      if (i + 1 >= args.size() || args[i + 1].empty() || args[i + 1][0] == '-')
        return fail("--screenshot needs the name of the PNG file to write");
      options.screenshotPath = args[++i];
      continue;
    }
    if (arg == "--simulate" || arg == "--view") {
      if (i + 1 >= args.size() || args[i + 1].empty()) return fail(arg + " needs a value");
      const std::string& value = args[++i];
      if (arg == "--view") {
        options.view = value;
        continue;
      }
      try {
        std::size_t used = 0;
        options.simulateUntil = std::stod(value, &used);
        if (used != value.size() || !(options.simulateUntil > 0.0)) throw std::invalid_argument(value);
      } catch (...) {
        return fail("--simulate needs an end time in seconds, greater than 0");
      }
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-') return fail("unknown option " + arg);
    if (!options.document.empty()) return fail("only one document can be opened (" + arg + ")");
    options.document = arg;
  }
  if ((options.simulateUntil > 0.0 || !options.view.empty()) && options.screenshotPath.empty())
    return fail("--simulate and --view go with --screenshot");
  return options;
}

std::string UsageText(const std::string& programName) {
  return "Usage: " + programName +
         " [DOCUMENT]\n"
         "       " + programName + " --screenshot FILE.png [--simulate END] [--view OWNER/FORM[:MODE]] [DOCUMENT]\n" +
         HeadlessUsageText(programName) +
         "\n"
         "Starts the Vortan Simulation Explorer on DOCUMENT (a .vsim simulation),\n"
         "or on the bundled sample simulation when none is given.\n"
         "\n"
         "  --screenshot FILE.png  open the main window, let it settle, write a picture\n"
         "                         of it to FILE.png and exit (works without a display)\n"
         "  --simulate END         before the picture, a dynamic run of the document to END s\n"
         "  --view OWNER/FORM[:MODE]  the picture shows that form's view (MODE Plot, History\n"
         "                         or Table; OWNER the model, empty for the simulation's forms)\n"
         "  --help                 show this text\n"
         "  --version              show the version\n";
}

std::string VersionText() { return std::string("Vortan Simulation Explorer ") + VORTAN_VERSION + "\n"; }
