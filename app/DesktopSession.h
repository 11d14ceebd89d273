// Everything the desktop program runs, made in this order and taken down in
// the reverse: the Qt peers of the platform's windows, the Qt
// user-interface provider, the clipboard mirror, the stand-in host with its
// main frame, the main window that draws that frame, the text editor's child
// windows and the event pump that joins the platform's message queue to
// Qt's event loop. A QApplication must exist before a session is made.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/EventPump.h"
#include "app/HostSession.h"
#include "app/clipboard/ClipboardMirror.h"
#include "app/peers/WindowPeerFactory.h"
#include "app/ui/QtUserInterface.h"

class EditorWindows;
class HostViewWindows;
class LibraryToolbar;
class RunDriver;
class QTimer;
class MainWindow;

class DesktopSession {
 public:
  DesktopSession();
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  // False when the host's main frame could not be made (nothing else works then).
  bool IsReady() const { return m_window != nullptr; }
  MainWindow& Window() { return *m_window; }
  HostSession& Host() { return m_host; }
  WindowPeerFactory& Peers() { return m_peers; }
  QtUserInterface& Provider() { return m_provider; }
  // The Model Libraries palette (null when the main window could not be made).
  LibraryToolbar* Toolbar() const { return m_libraryToolbar; }
  // The windows of the host's views (tables, histories, plots, profiles, finders).
  HostViewWindows* Views() const { return m_views.get(); }

  // Opens document (empty: the bundled sample found from programPath) under
  // the busy cursor with progress shown. False with problem set when it cannot.
  bool Open(const std::string& document, const std::string& programPath, std::string& problem);
  // The Explorer window rooted at the simulation, as at start.
  bool OpenStartupExplorer();
  // Before the program ends: every editor window and the simulation are asked
  // about unsaved changes; false when the person chose to stay.
  bool MayEnd();
  // What ends the program once the main window is closed or Exit chosen and
  // MayEnd agreed (by default Qt's event loop stops).
  std::function<void()> onEnd;
  // Lets Qt and the platform's queue run until quiet, for at most milliseconds.
  void Settle(int milliseconds) { m_pump.Settle(milliseconds); }

 private:
  WindowPeerFactory m_peers;
  QtUserInterface m_provider{m_peers};
  ScopedUserInterface m_installed{m_provider};
  ClipboardMirror m_clipboard;
  HostSession m_host;
  std::unique_ptr<MainWindow> m_window;
  std::unique_ptr<EditorWindows> m_editors;
  std::unique_ptr<HostViewWindows> m_views;
  EventPump m_pump;
  QTimer* m_titleTimer = nullptr;
  LibraryToolbar* m_libraryToolbar = nullptr;  // owned by the main window
  RunDriver* m_runDriver = nullptr;            // owned by the main window
};
