// The host as the command line runs it: the stand-in application with its
// main window, the explorer module started and its Explorer template
// registered, the document (a file, or the bundled sample), and the console
// user interface installed for the session's life. No display is needed.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/headless/ConsoleUserInterface.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/views/HostViews.h"

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
  CHostViews& Views() { return m_views; }
  // The host views opened so far (forms shown, finders), the latest last.
  const std::vector<HostViewRequest>& OpenedViews() const { return m_openedViews; }

 private:
  ScopedUserInterface m_install;
  CWorkbenchApp m_app;
  CHostViews m_views{m_app.Document()};
  std::vector<HostViewRequest> m_openedViews;
};
