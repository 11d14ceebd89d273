#include "workbench/document/WorkbenchApp.h"

#include "host/HostCommandIds.h"
#include "host/framework/CRDocTemplate.h"
#include "host/framework/HostMessages.h"
#include "host/store/HostClassIds.h"
#include "platform/Command.h"
#include "platform/Resources.h"
#include "platform/UserInterface.h"
#include "workbench/files/FileFormat.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

const char* ToolbarNotificationName(int notification) {
  switch (notification) {
    case QV_LIBTOOLBAR_LIBRARY_CHANGE_STARTS: return "library change starts";
    case QV_LIBTOOLBAR_LIBRARY_CHANGE_ENDS: return "library change ends";
    case QV_LIBTOOLBAR_CONTENTS_CHANGED: return "contents changed";
    case QV_LIBTOOLBAR_REFRESH: return "refresh";
  }
  return "update";
}

std::string Filter(std::string_view description, std::string_view extension) {
  return Concat({description, " (*.", extension, ")|*.", extension, "|"});
}

// The type a view request names: by descriptor, else by library (or simulation) and type name.
CStoreType* RequestedType(CStore& store, const tag_CorvaneViewContext& context) {
  if (context.typeDesc) return StoreTypeOf(context.typeDesc);
  if (context.typeName.empty()) return nullptr;
  CStorePalette* palette = store.SimulationPalette();
  if (CStoreType* library = store.FindLibrary(context.libraryName)) palette = library->OwnedPalette();
  return palette ? palette->Find(context.typeName) : nullptr;
}

}  // namespace

// ---- main window ----

LRESULT CWorkbenchMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  static const UINT showView = RegisterWindowMessage(SHOW_CORVANEVIEW);
  if (message == showView) {
    const auto* context = reinterpret_cast<const tag_CorvaneViewContext*>(lParam);
    return context && m_app.ShowView(*context) ? 1 : 0;
  }
  return CMDIFrameWnd::WindowProc(message, wParam, lParam);
}

bool CWorkbenchMainFrame::OnCmdMsg(UINT id, int code, CCmdUI* ui) {
  if (CWorkbenchDocument::IsRunCommand(id)) {
    bool checked = false;
    const bool enabled = m_app.Document().CanDoRunCommand(id, &checked);
    if (code == CN_UPDATE_COMMAND_UI) {
      if (ui) {
        ui->Enable(enabled);
        ui->SetCheck(checked ? 1 : 0);
      }
      return true;
    }
    m_app.Document().RunCommand(id);
    return true;
  }
  if (id == ID_HOST_VARIABLE_FIND) {
    // Tools > Variable Find: the finder over the whole flowsheet, when the program shows the host's views.
    const bool offered = static_cast<bool>(m_app.showHostView);
    if (code == CN_UPDATE_COMMAND_UI) {
      if (ui) ui->Enable(offered);
      return true;
    }
    if (offered) {
      tag_CorvaneViewContext finder;
      finder.viewClass = CLSID_QVTextEditorView;
      finder.optionWord = CORVANE_EDITOR_OPTIONS;
      m_app.ShowView(finder);
    }
    return true;
  }
  if (m_handlesProgramCommand && m_performProgramCommand && m_handlesProgramCommand(id)) {
    if (code == CN_UPDATE_COMMAND_UI) {
      if (ui) ui->Enable(true);
      return true;
    }
    m_performProgramCommand(id);
    return true;
  }
  return CMDIFrameWnd::OnCmdMsg(id, code, ui);
}

// ---- application ----

CWorkbenchApp::CWorkbenchApp() : m_document(std::make_unique<CWorkbenchDocument>()) {
  m_previousApp = SetApp(this);
}

CWorkbenchApp::~CWorkbenchApp() {
  if (m_mainWindow && IsWindow(m_mainWindow->m_hWnd)) {
    if (AfxGetMainWnd() == m_mainWindow) AfxSetMainWnd(nullptr);
    m_mainWindow->DestroyWindow();
  }
  m_viewDocuments.clear();
  if (GetApp() == this) SetApp(m_previousApp);
}

bool CWorkbenchApp::OpenDocument(const std::string& path, FileProblem& problem) {
  return m_document->Open(path, problem);
}

CWorkbenchMainFrame* CWorkbenchApp::CreateMainWindow() {
  if (m_mainWindow) return m_mainWindow;
  auto* frame = new CWorkbenchMainFrame(*this);  // frames delete themselves when destroyed
  if (!frame->LoadFrame(0, WS_VISIBLE, nullptr, nullptr)) return nullptr;
  frame->SetWindowText("Vortan Simulation Explorer");
  m_mainWindow = frame;
  AfxSetMainWnd(frame);
  return frame;
}

bool CWorkbenchApp::ShowView(const tag_CorvaneViewContext& context) {
  std::erase_if(m_viewDocuments, [](const auto& entry) { return !IsWindow(entry.first); });
  if (showHostView && showHostView(context)) return true;
  if (context.viewClass == CLSID_QVTextEditorView) {
    CStoreType* type = RequestedType(m_document->Store(), context);
    const std::string title = type ? type->Name() : !context.typeName.empty() ? context.typeName : context.libraryName;
    if (!type) {
      UI().Announce("editor: " + title);
      return !title.empty();
    }
    const bool readOnly = type->IsBuiltIn() || type->IsInReadOnlyLibrary();
    return SUCCEEDED(m_editor.Launch(static_cast<IFType*>(type->HoldingPalette() ? type->HoldingPalette()->Owner() : nullptr),
                                     static_cast<IFType*>(type), title, 0, readOnly, 0));
  }
  if (context.viewClass == CLSID_QVFormView) {
    std::string line = "view:";
    for (const std::string& part : {context.text, context.libraryName, context.typeName})
      if (!part.empty()) line += " " + part;
    UI().Announce(line);
    return true;
  }
  if (context.viewClass == CLSID_QVIconEditorView) {
    UI().Announce("icon editor: " + (context.typeName.empty() ? context.libraryName : context.typeName));
    return true;
  }
  const CRDocTemplate* documentTemplate = GetDocTemplate(context.viewClass);
  if (!documentTemplate || !m_mainWindow) return false;
  std::unique_ptr<CDocument> document = documentTemplate->CreateNewDocument();
  auto* viewDocument = dynamic_cast<CRDocument*>(document.get());
  if (!viewDocument) return false;
  tag_CorvaneViewContext placed = context;
  if (!placed.placement && placeNewView) placeNewView(placed);
  viewDocument->SetViewContext(placed);
  CComPtr<IUnknown> root;
  if (SUCCEEDED(m_document->GetRootModel(&root))) viewDocument->SetRootModel(root);
  CFrameWnd* frame = documentTemplate->CreateNewFrame(document.get(), m_mainWindow->MDIClient(), true);
  if (!frame) return false;
  m_viewDocuments.emplace_back(frame->m_hWnd, std::move(document));
  if (auto* child = dynamic_cast<CMDIChildWnd*>(frame)) m_mainWindow->MDIActivate(child);
  return true;
}

void CWorkbenchApp::UpdateLibraryToolbar(int notification) {
  m_toolbarUpdates.push_back(notification);
  // A shown toolbar answers by refreshing itself; without one the update is told like any host action.
  if (onLibraryToolbarUpdate) {
    onLibraryToolbarUpdate(notification);
  } else {
    UI().Announce(std::string("toolbar: ") + ToolbarNotificationName(notification));
  }
}

std::string CWorkbenchApp::GetDefaultExtension() const { return std::string(kLanguageExtension); }

std::string CWorkbenchApp::GetDocumentFilter() const { return Filter("Kestrane Language", kLanguageExtension); }

std::string CWorkbenchApp::GetLibraryFilter() const {
  return Filter("Vortan Library", kLibraryExtension) + Filter("Kestrane Language", kLanguageExtension) +
         Filter("Model Export Package", kModelExportPackageExtension);
}

std::string CWorkbenchApp::GetAdditionalFilter() const {
  return Filter("Vortan Simulation", kSimulationExtension) + Filter("Vortan Library", kLibraryExtension);
}

std::string CWorkbenchApp::GetAdditionalExtension(int index) const {
  switch (index) {
    case 0: return std::string(kSimulationExtension);
    case 1: return std::string(kLibraryExtension);
  }
  return {};
}

std::string CWorkbenchApp::GetSecondaryFilter() const { return Filter("Vortan Simulation", kSimulationExtension); }

std::string CWorkbenchApp::GetSecondaryExtension() const { return std::string(kSimulationExtension); }

bool CWorkbenchApp::IsOwnExtension(const std::string& extension) const {
  for (std::string_view own : {kSimulationExtension, kLibraryExtension, kLanguageExtension, kModelExportPackageExtension,
                               kInstallationPackageExtension, kLibraryPackageExtension})
    if (EqualsNoCase(extension, own)) return true;
  return false;
}

void CWorkbenchApp::ShowHelp(UINT helpFileId, UINT topicId) {
  const std::string topic = LoadStringOrEmpty(topicId);
  const std::string file = LoadStringOrEmpty(helpFileId);
  UI().Announce("help: " + (topic.empty() ? std::to_string(topicId) : topic) + (file.empty() ? "" : " (" + file + ")"));
}
