// The stand-in host the desktop program runs: the application (which
// installs itself as the host), its simulation document and its main frame,
// which the main window draws. The document's messages are shown in the
// messages window; the start-up Explorer is asked for here.
#pragma once

#include <memory>
#include <string>

#include "app/headless/DocumentLifecycle.h"

class CMDIFrameWnd;
class CHostViews;
class CWorkbenchApp;
class MessageWindow;

class HostSession {
 public:
  HostSession();
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  CWorkbenchApp& App() { return *m_app; }
  // The host's views of the document: forms as tables and plots, the run history, the variable finder.
  CHostViews& Views() { return *m_views; }
  // New, Open, Save, Save As and the question before unsaved changes are given up.
  CDocumentLifecycle& Lifecycle() { return *m_lifecycle; }
  // The main frame's caption follows the simulation's name and its unsaved changes.
  void UpdateTitle();
  // The host's main frame (made with the session); null only when it could not be made.
  CMDIFrameWnd* MainFrame() const;

  // Opens document; an empty path opens the bundled sample found from
  // programPath. False with problem set (file and line) when it cannot.
  bool Open(const std::string& document, const std::string& programPath, std::string& problem);

  // The document's messages go to window from now on (those written before are shown first).
  void ShowMessagesIn(MessageWindow& window);

  // Asks the host's main frame for the Explorer window rooted at the
  // simulation (SHOW_CORVANEVIEW naming the Explorer template), filling the
  // area of child windows. False when the Explorer window type is not
  // registered with the host.
  bool OpenStartupExplorer();

 private:
  std::unique_ptr<CWorkbenchApp> m_app;
  std::unique_ptr<CDocumentLifecycle> m_lifecycle;
  std::unique_ptr<CHostViews> m_views;
  int m_messageListener = 0;
};
