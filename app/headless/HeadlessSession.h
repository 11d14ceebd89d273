// The host as the command line runs it: the stand-in application with its
// main window, the explorer module started and its Explorer template
// registered, the document (a file, or the bundled sample), and the console
// user interface installed for the session's life. No display is needed.
#pragma once

#include <memory>
#include <string>

#include "app/headless/ConsoleUserInterface.h"
#include "workbench/document/WorkbenchApp.h"

class CExplorerFrame;

class HeadlessSession {
 public:
  explicit HeadlessSession(ConsoleUserInterface& ui);
  ~HeadlessSession();
  HeadlessSession(const HeadlessSession&) = delete;
  HeadlessSession& operator=(const HeadlessSession&) = delete;

  // Opens document; an empty path opens the bundled sample found from
  // programPath. False with problem set (file and line) when it cannot be read.
  bool Open(const std::string& document, const std::string& programPath, std::string& problem);
  // Opens an Explorer on the Simulation root; null when none opened.
  CExplorerFrame* OpenExplorer();

  CWorkbenchApp& App() { return m_app; }

 private:
  ScopedUserInterface m_install;
  CWorkbenchApp m_app;
};
