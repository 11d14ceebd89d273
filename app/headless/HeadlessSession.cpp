#include "app/headless/HeadlessSession.h"

#include <vector>

#include "explorer/core/ExplorerModule.h"
#include "explorer/core/HostObjectHandles.h"
#include "explorer/libtoolbar/InvLibTBExplorer.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "explorer/window/ExplorerFrame.h"
#include "platform/UserInterface.h"
#include "platform/Window.h"
#include "workbench/document/DocumentFiles.h"

namespace {

// A main window of a usual size, so that the panes lay out and hit tests find their items.
constexpr int kMainWindowWidth = 1200;
constexpr int kMainWindowHeight = 900;

}  // namespace

HeadlessSession::HeadlessSession(ConsoleUserInterface& ui) : m_install(ui) {
  ExplorerModule::Initialize();
  ADInitDll();
  if (CWorkbenchMainFrame* main = m_app.CreateMainWindow()) main->MoveWindow(0, 0, kMainWindowWidth, kMainWindowHeight);
  m_app.showHostView = [this](const tag_CorvaneViewContext& context) { return m_views.Show(context); };
  m_views.present = [this](const HostViewRequest& view) {
    m_openedViews.push_back(view);
    UI().Announce("view " + std::to_string(m_openedViews.size()) + ": " + view.title);
  };
}

HeadlessSession::~HeadlessSession() {
  CInvLibTBExplorer::DestroyInvInstance();
  for (CExplorerFrame* frame : std::vector<CExplorerFrame*>(CExplorerFrame::ActiveExplorers())) frame->DestroyWindow();
  MessageQueue::Clear();
  CHostObjectHandles::Clear();
  ExplorerModule::Shutdown();
}

bool HeadlessSession::Open(const std::string& document, const std::string& programPath, std::string& problem) {
  const std::string path = document.empty() ? DefaultSamplePath(programPath) : document;
  if (path.empty()) {
    problem = std::string("the bundled sample simulation ") + kSampleFileName + " was not found";
    return false;
  }
  FileProblem fileProblem;
  if (m_app.OpenDocument(path, fileProblem)) return true;
  problem = fileProblem.message.empty() ? "cannot open " + path : fileProblem.Describe();
  return false;
}

CExplorerFrame* HeadlessSession::OpenExplorer() {
  CExplorerFrame* frame = CExplorerFrame::Open();
  MessageQueue::Pump();
  return frame;
}
