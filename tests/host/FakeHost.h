// A simulation document and an application that record what the host helpers
// ask of them. Writing them also shows that every operation of the two
// classes can be implemented.
#pragma once

#include <string>
#include <vector>

#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"

namespace fake {

class Document : public CRQVDocument {
 public:
  std::vector<std::string> output;

  void OutputMessage(const std::string& text, int, DWORD) override { output.push_back(text); }
  void ShowOutputWindow(int) override {}
  void Broadcast(UINT, WPARAM, LPARAM, int) override {}
  bool FileLoadFailed() const override { return false; }
  bool FlowsheetIsLocked() const override { return false; }
  HRESULT ImportFlowsheet(IQVHierarchyType*) override { return E_NOTIMPL; }
  HRESULT PasteIntoFlowsheet(IQVHierarchyType*) override { return E_NOTIMPL; }
  HRESULT ExportFlowsheetCode(IFInstance*) override { return E_NOTIMPL; }
  HRESULT FileExport(const std::string&) override { return E_NOTIMPL; }
  void OnRenameBlock(const std::string&, const std::string&) override {}
  void OnRenameStream(const std::string&, const std::string&) override {}
  HRESULT DoCreateActiveModel(IFInstance*, ActiveModelMode, const std::string&, const std::string&,
                              const std::string&, bool, bool) override {
    return E_NOTIMPL;
  }
  void CancelCurrentStream() override {}
  void OnSelectModelType(IRModelType*) override {}
  HRESULT GetFlowsheetType(IFType**) override { return E_NOTIMPL; }
  HRESULT GetRootQVModel(IUnknown**) override { return E_NOTIMPL; }
  HRESULT RebuildLibrary(IFTypePalette*, IFType*, bool) override { return E_NOTIMPL; }
  HRESULT GetAllModelsOfType(const std::string&, std::vector<std::string>&) override { return E_NOTIMPL; }
  HRESULT GenerateProcedures(IFTypePalette*, IFTypeDesc*) override { return E_NOTIMPL; }
  HRESULT CreateTask(const std::string&, IFType**, IFTypePalette*) override { return E_NOTIMPL; }
  HRESULT GetExportedModelsSettings(int&, int&, int&) override { return E_NOTIMPL; }
  std::string GetServerProjectDirectory() const override { return {}; }
  void SetCustomModelingUpdated(bool) override {}
  bool IsScriptingAvailable() const override { return false; }
  HRESULT RunScript(IFType*, bool) override { return E_NOTIMPL; }
  HRESULT GetDiagnostics(IZNDiagnostics**) override { return E_NOTIMPL; }
  HRESULT GetSolver(IQVSolverOptions**) override { return E_NOTIMPL; }
  HRESULT GetEstimation(IQVEstimation**) override { return E_NOTIMPL; }
  HRESULT GetOptimisation(IQVOptimisation**) override { return E_NOTIMPL; }
  HRESULT GetHomotopy(IQVHomotopy**) override { return E_NOTIMPL; }
  HRESULT GetExternalAPI(IQVExternalInterface**) override { return E_NOTIMPL; }
  HRESULT GetOnLineLinks(IQVOnLineLinks**) override { return E_NOTIMPL; }
  HRESULT GetProperties(IQVPhysicalProperties**) override { return E_NOTIMPL; }
  HRESULT GetUOMConverter(IQVUOMConverter**) override { return E_NOTIMPL; }
  HRESULT UOMSets(std::vector<std::string>&) override { return E_NOTIMPL; }
  std::string CurrentUOMSet() const override { return {}; }
  HRESULT SelectUOMSet(const std::string&) override { return E_NOTIMPL; }
  HRESULT GetModelStatistics(IRModel*, int&, int&, int&) override { return E_NOTIMPL; }
  HRESULT GetModelStatistics(IRModel*, int&, int&, int&, int&) override { return E_NOTIMPL; }
  int GetLastRunStatus() const override { return 0; }
  int GetRunMode() const override { return 0; }
  int GetPrintLevel() const override { return 0; }
  void ShowSolverOptions(int) override {}
  void ShowEstimation() override {}
  void ShowOptimisation() override {}
  void ShowHomotopy() override {}
  void ShowExternalInterfacing() override {}
  void ShowOnLineLinks() override {}
  void SnapshotManagement() override {}
  void OnTimeSettings() override {}
  void Insert() override {}
  void AddModelessDialog(CDialog*) override {}
  void RemoveModelessDialog(CDialog*) override {}
};

// Installs itself as the application for its lifetime.
class App : public CRBaseApp {
 public:
  App() : m_previous(SetApp(this)) {}
  ~App() override { SetApp(m_previous); }

  Document* document = nullptr;
  std::vector<std::pair<UINT, UINT>> helpShown;

  CRQVDocument* GetCurrentDocument() override { return document; }
  bool IsLibraryToolbarPresent() const override { return false; }
  void UpdateLibraryToolbar(int) override {}
  void BeginDrag() override {}
  void BeginRightDrag() override {}
  std::string GetDefaultExtension() const override { return "ktrf"; }
  std::string GetDocumentFilter() const override { return "Kestrane Language (*.ktrf)|*.ktrf|"; }
  std::string GetLibraryFilter() const override { return "Model Library (*.ktrl)|*.ktrl|"; }
  bool HasAdditionalFileTypes() const override { return false; }
  std::string GetAdditionalFilter() const override { return {}; }
  std::string GetAdditionalExtension(int) const override { return {}; }
  std::string GetSecondaryFilter() const override { return {}; }
  std::string GetSecondaryExtension() const override { return {}; }
  bool IsOwnExtension(const std::string& extension) const override { return extension == "ktrf"; }
  int OSIsWin95() const override { return 0; }
  int GetAppState() const override { return 0; }
  void ShowHelp(UINT helpFileId, UINT topicId) override { helpShown.emplace_back(helpFileId, topicId); }

 private:
  CRBaseApp* m_previous;
};

}  // namespace fake
