// The program's command line, read without Qt: the desktop program with an
// optional document, a screenshot run, help and version. Modes that need no
// display are decided here, before any window system is touched.
#pragma once

#include <string>
#include <vector>

#include "app/headless/HeadlessCommandLine.h"

struct CommandLineOptions {
  enum class Mode { Desktop, Help, Version, Error, Headless };
  Mode mode = Mode::Desktop;
  std::string document;        // empty: the bundled sample simulation
  std::string screenshotPath;  // set: render the main window into this PNG file and exit
  double simulateUntil = 0.0;  // > 0: a dynamic run of the document to this time before the picture
  std::string view;            // "OWNER/FORM[:MODE]": the form view the picture shows instead of the main window
  std::string error;           // Mode::Error: what was wrong
  HeadlessRequest headless;    // Mode::Headless: --tree, --list, --menu or --script
};

// args: the arguments after the program name.
CommandLineOptions ParseCommandLine(const std::vector<std::string>& args);
std::string UsageText(const std::string& programName);
std::string VersionText();
