// The stand-in host application: it installs itself as the application, owns
// the current simulation document, installs the host services (parser, type
// catalogue, icon types, exporters, text editor), keeps the window templates,
// and makes the main window, which opens the views that SHOW_CORVANEVIEW asks
// for. The model-library toolbar's updates, help requests and the file types
// are answered here.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/framework/CRBaseApp.h"
#include "host/framework/CorvaneViewContext.h"
#include "platform/Frame.h"
#include "workbench/document/TextEditorService.h"
#include "workbench/document/WorkbenchDocument.h"
#include "workbench/export/FileExporter.h"
#include "workbench/store/StoreServices.h"

class CWorkbenchApp;

// The main window: an area of child frames that opens requested views and
// performs the host's run commands.
class CWorkbenchMainFrame : public CMDIFrameWnd {
 public:
  explicit CWorkbenchMainFrame(CWorkbenchApp& app) : m_app(app) {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCmdMsg(UINT id, int code, CCmdUI* ui) override;

  // Commands the program performs itself (the file commands): those handles
  // answers for are enabled, and perform carries them out.
  void SetProgramCommands(std::function<bool(UINT)> handles, std::function<bool(UINT)> perform) {
    m_handlesProgramCommand = std::move(handles);
    m_performProgramCommand = std::move(perform);
  }

 private:
  CWorkbenchApp& m_app;
  std::function<bool(UINT)> m_handlesProgramCommand;
  std::function<bool(UINT)> m_performProgramCommand;
};

class CWorkbenchApp : public CRBaseApp {
 public:
  CWorkbenchApp();
  ~CWorkbenchApp() override;

  // ---- the document ----
  CRQVDocument* GetCurrentDocument() override { return m_document.get(); }
  CWorkbenchDocument& Document() { return *m_document; }
  // Opens a simulation into the current document (which keeps its windows).
  bool OpenDocument(const std::string& path, FileProblem& problem);

  // ---- windows ----
  // Makes the main window (once) and makes it the application's main window.
  CWorkbenchMainFrame* CreateMainWindow();
  CWorkbenchMainFrame* MainWindow() const { return m_mainWindow; }
  // Opens what a SHOW_CORVANEVIEW request asks for; false when it cannot be shown.
  bool ShowView(const tag_CorvaneViewContext& context);
  // Gives a window that a request opens without a placement one of the
  // program's choosing (the desktop program sets it; unset, the window sizes itself).
  std::function<void(tag_CorvaneViewContext&)> placeNewView;
  // The host's own views (forms as tables and plots, the variable finder):
  // asked first; true when it opened the view. Unset, such requests are told as one line.
  std::function<bool(const tag_CorvaneViewContext&)> showHostView;

  CTextEditorService& Editor() { return m_editor; }
  CFileExporter& Exporter() { return m_exporter; }
  CStoreServices& Services() { return m_services; }

  // ---- the model-library toolbar ----
  bool IsLibraryToolbarPresent() const override { return m_toolbarPresent; }
  void SetLibraryToolbarPresent(bool present) { m_toolbarPresent = present; }
  void UpdateLibraryToolbar(int notification) override;
  // Told of every toolbar notification after it is recorded (the desktop's toolbar re-reads its provider).
  std::function<void(int notification)> onLibraryToolbarUpdate;
  const std::vector<int>& LibraryToolbarUpdates() const { return m_toolbarUpdates; }
  void BeginDrag() override {}
  void BeginRightDrag() override {}

  // ---- file types ----
  std::string GetDefaultExtension() const override;
  std::string GetDocumentFilter() const override;
  std::string GetLibraryFilter() const override;
  bool HasAdditionalFileTypes() const override { return true; }
  std::string GetAdditionalFilter() const override;
  std::string GetAdditionalExtension(int index) const override;
  std::string GetSecondaryFilter() const override;
  std::string GetSecondaryExtension() const override;
  bool IsOwnExtension(const std::string& extension) const override;
  int OSIsWin95() const override { return m_win95; }
  void SetOSIsWin95(int value) { m_win95 = value; }

  // ---- state and help ----
  int GetAppState() const override { return m_appState; }
  void SetAppState(int state) { m_appState = state; }
  void ShowHelp(UINT helpFileId, UINT topicId) override;

 private:
  CStoreServices m_services;
  CFileExporter m_exporter;
  CTextEditorService m_editor;
  ScopedHostService<IQVExporter> m_installExporter{&m_exporter};
  ScopedHostService<IQVTextEditor> m_installEditor{&m_editor};
  std::unique_ptr<CWorkbenchDocument> m_document;
  CRBaseApp* m_previousApp = nullptr;
  CWorkbenchMainFrame* m_mainWindow = nullptr;
  // Documents of the views opened from requests, each freed once its frame is gone.
  std::vector<std::pair<HWND, std::unique_ptr<CDocument>>> m_viewDocuments;
  bool m_toolbarPresent = false;
  std::vector<int> m_toolbarUpdates;
  int m_win95 = 0;
  int m_appState = 0;
};
