#include "app/HostSession.h"

#include "app/MessageWindow.h"
#include "app/ViewPlacement.h"
#include "explorer/core/ExplorerModule.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/window/ExplorerDocTemplate.h"
#include "host/framework/CRDocTemplate.h"
#include "host/framework/HostMessages.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/views/HostViews.h"

HostSession::HostSession()
    : m_app(std::make_unique<CWorkbenchApp>()), m_lifecycle(std::make_unique<CDocumentLifecycle>(*m_app)) {
  // The explorer module's entry point registers the Explorer window type with the application.
  ADInitDll();
  if (CWorkbenchMainFrame* frame = m_app->CreateMainWindow()) {
    frame->SetProgramCommands(CDocumentLifecycle::IsFileCommand, [this](UINT id) {
      const bool done = m_lifecycle->Do(id);
      UpdateTitle();
      return done;
    });
  }
  m_app->placeNewView = [this](tag_CorvaneViewContext& context) {
    if (CMDIFrameWnd* main = MainFrame()) context.placement = PlaceNewView(*main);
  };
  m_views = std::make_unique<CHostViews>(m_app->Document());
  m_app->showHostView = [this](const tag_CorvaneViewContext& context) { return m_views->Show(context); };
}

void HostSession::UpdateTitle() {
  if (CMDIFrameWnd* frame = MainFrame()) {
    const std::string title = m_lifecycle->Title();
    if (frame->GetWindowText() != title) frame->SetWindowText(title);
  }
}

HostSession::~HostSession() {
  if (m_messageListener) m_app->Document().Messages().RemoveListener(m_messageListener);
  m_app->showHostView = nullptr;
  m_views.reset();
  ExplorerModule::Shutdown();
}

CMDIFrameWnd* HostSession::MainFrame() const { return m_app->MainWindow(); }

bool HostSession::Open(const std::string& document, const std::string& programPath, std::string& problem) {
  std::string path = document.empty() ? DefaultSamplePath(programPath) : document;
  if (path.empty()) {
    problem = std::string("The bundled sample simulation ") + kSampleFileName + " was not found.";
    return false;
  }
  FileProblem fileProblem;
  if (m_app->OpenDocument(path, fileProblem)) {
    UpdateTitle();
    return true;
  }
  problem = fileProblem.message.empty() ? "Cannot open " + path + "." : fileProblem.Describe();
  return false;
}

void HostSession::ShowMessagesIn(MessageWindow& window) {
  CMessageLog& log = m_app->Document().Messages();
  for (const MessageLogEntry& entry : log.Entries()) window.Append(entry.text);
  if (m_messageListener) log.RemoveListener(m_messageListener);
  m_messageListener = log.AddListener([&window](const MessageLogEntry& entry) { window.Append(entry.text); });
  m_app->Document().onShowMessages = [&window] {
    window.show();
    window.raise();
  };
}

bool HostSession::OpenStartupExplorer() {
  CMDIFrameWnd* frame = MainFrame();
  if (!frame || !m_app->GetDocTemplate(CLSID_ExplorerTemplate)) return false;
  tag_CorvaneViewContext context;
  context.viewClass = CLSID_ExplorerTemplate;  // placed by PlaceNewView: the first window fills the area
  static const UINT showView = RegisterWindowMessage(SHOW_CORVANEVIEW);
  return frame->SendMessage(showView, 0, reinterpret_cast<LPARAM>(&context)) != 0;
}
