#include "app/DesktopSession.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTimer>

#include "app/EditorWindows.h"
#include "app/LibraryToolbar.h"
#include "app/MainWindow.h"
#include "app/MessageWindow.h"
#include "app/RunDriver.h"
#include "app/views/HostViewWindows.h"
#include "explorer/resources/ExplorerResources.h"
#include "platform/Frame.h"
#include "platform/Services.h"
#include "platform/Window.h"
#include "workbench/document/WorkbenchApp.h"

namespace {

// How long the host's announcements stay in the status bar.
constexpr int kAnnouncementMilliseconds = 6000;
// How often the title looks for unsaved changes made by any route (a comparison of the whole simulation).
constexpr int kTitleMilliseconds = 1000;

std::string DocumentName(const std::string& path) {
  return path.empty() ? std::string("the sample simulation") : std::filesystem::path(path).filename().string();
}

}  // namespace

DesktopSession::DesktopSession() : m_clipboard(*QApplication::clipboard()) {
  RegisterExplorerResources();
  CMDIFrameWnd* frame = m_host.MainFrame();
  if (!frame) return;
  m_window = std::make_unique<MainWindow>(*frame, m_peers);
  m_provider.SetMainWindow(m_window.get());
  MainWindow* window = m_window.get();
  m_provider.onAnnounce = [window](const std::string& line) {
    window->statusBar()->showMessage(QString::fromStdString(line), kAnnouncementMilliseconds);
  };
  m_host.ShowMessagesIn(*window->Messages());
  m_runDriver = new RunDriver(m_host.App().Document(), *window->statusBar(), window);
  m_editors = std::make_unique<EditorWindows>(m_host.App().Editor(), *window->MdiArea());
  m_views = std::make_unique<HostViewWindows>(m_host.Views(), *window->MdiArea());
  m_libraryToolbar = new LibraryToolbar(m_host.App(), window);
  window->addDockWidget(Qt::LeftDockWidgetArea, m_libraryToolbar);
  m_pump.AddIdleTask([this] { m_peers.FlushAll(); });
  m_pump.AddIdleTask([this] { m_peers.SyncFocus(); });
  m_pump.AddIdleTask([window] { window->UpdateCommandStates(); });
  onEnd = [] { QCoreApplication::quit(); };
  // The program ends once nothing unsaved would be lost (or the person said so).
  window->onExit = [this] {
    if (MayEnd() && onEnd) onEnd();
  };
  m_titleTimer = new QTimer(window);
  QObject::connect(m_titleTimer, &QTimer::timeout, window, [this] {
    // Finding an unsaved change may write the whole simulation to text: on a large one the
    // check is spaced out so that it never takes more than a fiftieth of the time.
    QElapsedTimer took;
    took.start();
    m_host.UpdateTitle();
    m_titleTimer->setInterval(std::max<qint64>(kTitleMilliseconds, took.elapsed() * 50));
  });
  m_titleTimer->start(kTitleMilliseconds);
}

bool DesktopSession::MayEnd() {
  // A dynamic run ends where it stands before anything is asked or closed.
  if (m_runDriver) m_runDriver->StopRun();
  m_peers.FlushAll();
  if (m_editors && !m_editors->CloseAll()) return false;
  return m_host.Lifecycle().MayDiscardChanges();
}

DesktopSession::~DesktopSession() {
  // The Explorer windows go while the main window still draws them.
  if (CMDIFrameWnd* frame = m_host.MainFrame())
    for (CMDIChildWnd* child : std::vector<CMDIChildWnd*>(frame->ChildFrames())) child->DestroyWindow();
  MessageQueue::Clear();
}

bool DesktopSession::Open(const std::string& document, const std::string& programPath, std::string& problem) {
  CWaitCursor busy;
  m_provider.Progress("Opening " + DocumentName(document), 0);
  bool opened = m_host.Open(document, programPath, problem);
  m_provider.Progress({}, 100);
  // The palette shows the libraries of the simulation now open.
  if (opened && m_libraryToolbar) m_libraryToolbar->Refresh();
  return opened;
}

bool DesktopSession::OpenStartupExplorer() {
  // The main window's layout first, so that the area of child windows has its size.
  QCoreApplication::processEvents();
  return m_host.OpenStartupExplorer();
}
