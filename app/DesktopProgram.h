// The desktop program: Qt draws the platform's windows (peers), asks the
// person what the platform asks (the Qt user-interface provider), mirrors
// the clipboard, and runs the stand-in host with its main window.
#pragma once

#include <string>

#include "app/CommandLine.h"

// Runs until the main window closes; returns the program's exit code.
int RunDesktopProgram(const CommandLineOptions& options, const std::string& programPath);
