// The stand-in host's simulation document: the store of one simulation with
// its file, the messages window's log, the settings saved with the
// simulation, and the host operations the explorer asks for. Operations whose
// effect is a host dialog or a run of the solver are recorded and announced
// as one line ("run: Run", "dialog: Homotopy"); the Run Options and Solver
// Options dialogs are recorded and shown instead, and what they change is saved
// with the simulation.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/framework/CRQVDocument.h"
#include "workbench/document/HostActions.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "workbench/diagnostics/RunDiagnostics.h"
#include "workbench/document/MessageLog.h"
#include "workbench/files/FileContents.h"
#include "workbench/files/FileProblem.h"
#include "workbench/simulation/FlowsheetHost.h"
#include "workbench/run/SimulationRun.h"
#include "workbench/store/Store.h"

class CWorkbenchDocument : public CRQVDocument {
 public:
  // A document over store; without one, an empty simulation.
  explicit CWorkbenchDocument(std::unique_ptr<CStore> store = nullptr);
  ~CWorkbenchDocument() override;

  // ---- files ----
  // Reads a simulation; on success it replaces the one shown (views are told
  // QV_HINT_DOCUMENT_RELOADED). On failure nothing changes, the problem goes
  // to the messages and FileLoadFailed answers true until a load succeeds.
  bool Open(const std::string& path, FileProblem& problem);
  // Writes the simulation to its file, or to path (which becomes its file).
  bool Save(FileProblem& problem);
  bool SaveAs(const std::string& path, FileProblem& problem);
  // Replaces the simulation with an empty one that has no file yet ("Untitled").
  void NewSimulation();
  // Whether the simulation says something its file does not: the modified
  // flag, else a comparison with what was last read or written, so that a
  // change made by any route counts (the flag is set when one is found).
  bool HasUnsavedChanges();
  // Reads the definitions of a file (plain definitions or a library) into
  // the simulation's own types; each one's report goes to the messages.
  bool InsertFile(const std::string& path);

  CStore& Store() { return *m_store; }
  CFlowsheetHost& Flowsheet() { return *m_flowsheet; }
  // Imports the flowsheet of the simulation file at path into a flowsheet-like type.
  HRESULT ImportFlowsheetFile(CStoreType& target, const std::string& path);
  // Writes the simulation to path; with a hierarchy's path, a simulation whose flowsheet is that hierarchy's.
  HRESULT ExportSimulation(const std::string& hierarchyPath, const std::string& path);
  // The flowsheet-like type a hierarchy interface stands for (the simulation's: its flowsheet).
  CStoreType* FlowsheetContainer(IUnknown* hierarchy);
  // The model text DoCreateActiveModel made last.
  const std::string& ActiveModelText() const { return m_activeModelText; }
  // The text ExportFlowsheetCode gave last.
  const std::string& FlowsheetCode() const { return m_flowsheetCode; }
  CMessageLog& Messages() { return m_messages; }
  CHostActions& Actions() { return m_actions; }
  // What the simulation file keeps besides the store (m_ApplicationSettings and
  // the custom-modeling setting are copied in and out on open and save).
  FileSettings& Settings() { return m_settings; }
  std::vector<FilePackageData>& Packages() { return m_packages; }
  FilePackageData* FindPackageData(const std::string& model);

  void SetFlowsheetLocked(bool locked) { m_flowsheetLocked = locked; }
  void SetFileLoadFailed(bool failed) { m_fileLoadFailed = failed; }
  const std::vector<CDialog*>& ModelessDialogs() const { return m_modelessDialogs; }
  IRModelType* SelectedModelType() const { return m_selectedModelType; }
  bool IsCustomModelingUpdated() const { return m_customModelingUpdated; }
  // Code written by GenerateProcedures.
  const std::string& GeneratedCode() const { return m_generatedCode; }
  int ShowOutputRequests() const { return m_showOutputRequests; }
  int CancelStreamRequests() const { return m_cancelStreamRequests; }
  // Called when the messages window should come forward (the desktop program shows it).
  std::function<void()> onShowMessages;

  // The host's Run menu: the run modes, Run, Pause, Interrupt (stops the
  // run), Restart (a dynamic run from time 0), Run Options and Solver
  // Options; each recorded as "run: <name>". Step, Pause At, Rewind and the
  // resets are only recorded.
  static bool IsRunCommand(UINT id);
  // The one enabling decision of every route into a run command; checked marks the current mode.
  bool CanDoRunCommand(UINT id, bool* checked = nullptr) const;
  // False when id is no run command or is not enabled now (then nothing changes).
  bool RunCommand(UINT id);

  // ---- runs ----
  CSimulationRun& Run() { return *m_run; }
  // Stops an active dynamic run where it stands (before closing or replacing the simulation).
  void StopRun();
  // Told when a run starts, progresses, pauses, resumes or ends (the desktop's status bar and slice timer).
  std::function<void()> onRunStateChanged;
  // Told when a simulation has replaced the one before (its flowsheet, root model and value event are new).
  std::function<void()> onSimulationReplaced;

  // ---- CRQVDocument ----
  void OutputMessage(const std::string& text, int kind, DWORD flags) override;
  void ShowOutputWindow(int show) override;
  void Broadcast(UINT message, WPARAM wParam, LPARAM lParam, int flag) override;
  bool FileLoadFailed() const override { return m_fileLoadFailed; }

  bool FlowsheetIsLocked() const override { return m_flowsheetLocked; }
  HRESULT ImportFlowsheet(IQVHierarchyType* hierarchy) override;
  HRESULT PasteIntoFlowsheet(IQVHierarchyType* hierarchy) override;
  HRESULT ExportFlowsheetCode(IFInstance* flowsheet) override;
  HRESULT FileExport(const std::string& instancePath) override;
  void OnRenameBlock(const std::string& oldName, const std::string& newName) override;
  void OnRenameStream(const std::string& oldName, const std::string& newName) override;
  HRESULT DoCreateActiveModel(IFInstance* block, ActiveModelMode mode, const std::string& text1,
                              const std::string& text2, const std::string& text3, bool flag1, bool flag2) override;
  void CancelCurrentStream() override { ++m_cancelStreamRequests; }
  HRESULT AddBlock(IFInstance* flowsheet, IRModelType* model, std::string& name) override;
  void OnSelectModelType(IRModelType* type) override;
  HRESULT GetFlowsheetType(IFType** type) override;
  HRESULT GetRootQVModel(IUnknown** root) override;

  HRESULT RebuildLibrary(IFTypePalette* palette, IFType* owner, bool flag) override;
  HRESULT GetAllModelsOfType(const std::string& typeName, std::vector<std::string>& blocks) override;
  HRESULT GenerateProcedures(IFTypePalette* palette, IFTypeDesc* procedure) override;
  HRESULT CreateTask(const std::string& name, IFType** task, IFTypePalette* palette) override;
  HRESULT GetExportedModelsSettings(int& first, int& second, int& third) override;
  std::string GetServerProjectDirectory() const override;
  void SetCustomModelingUpdated(bool updated) override;

  bool IsScriptingAvailable() const override { return true; }
  HRESULT RunScript(IFType* script, bool synchronous) override;

  HRESULT GetDiagnostics(IZNDiagnostics** diagnostics) override;
  HRESULT GetSolver(IQVSolverOptions** solver) override;
  HRESULT GetEstimation(IQVEstimation** estimation) override;
  HRESULT GetOptimisation(IQVOptimisation** optimisation) override;
  HRESULT GetHomotopy(IQVHomotopy** homotopy) override;
  HRESULT GetExternalAPI(IQVExternalInterface** external) override;
  HRESULT GetOnLineLinks(IQVOnLineLinks** links) override;
  HRESULT GetProperties(IQVPhysicalProperties** properties) override;
  HRESULT GetUOMConverter(IQVUOMConverter** converter) override;
  HRESULT UOMSets(std::vector<std::string>& names) override;
  std::string CurrentUOMSet() const override;
  HRESULT SelectUOMSet(const std::string& name) override;
  HRESULT GetModelStatistics(IRModel* model, int& equations, int& variables, int& degreesOfFreedom) override;
  HRESULT GetModelStatistics(IRModel* model, int& equations, int& variables, int& unknowns,
                             int& degreesOfFreedom) override;
  int GetLastRunStatus() const override { return m_lastRunStatus; }
  // What the last runs left for the diagnostics view; replaced whole by each run.
  void PublishRunDiagnostics(std::shared_ptr<const RunDiagnostics> diagnostics, int runStatus);
  std::shared_ptr<const RunDiagnostics> LastRunDiagnostics() const { return m_runDiagnostics; }
  int GetRunMode() const override;
  int GetPrintLevel() const override;

  void ShowSolverOptions(int page) override;
  void ShowEstimation() override { m_actions.Record("dialog: Estimation"); }
  void ShowOptimisation() override { m_actions.Record("dialog: Optimization"); }
  void ShowHomotopy() override { m_actions.Record("dialog: Homotopy"); }
  void ShowExternalInterfacing() override { m_actions.Record("dialog: Simulation Access Extensions"); }
  void ShowOnLineLinks() override { m_actions.Record("dialog: On Line Links"); }
  void SnapshotManagement() override { m_actions.Record("dialog: Snapshots"); }
  void OnTimeSettings() override;
  void Insert() override;
  void AddModelessDialog(CDialog* dialog) override;
  void RemoveModelessDialog(CDialog* dialog) override;

 private:
  void TellLibraryToolbarOfNewLibraries();
  // What a run asks of this document: its diagnostics, the messages, the lock, the views and the value event.
  RunHooks RunHooksFor();
  void AdoptStore(std::unique_ptr<CStore> store);
  void ApplySettings();
  void CollectSettings();
  // The simulation as a file would hold it, in the writer's own layout.
  std::string WrittenText();
  // Takes the simulation as it stands for what its file holds.
  void MarkSaved();

  std::unique_ptr<CStore> m_store;
  CMessageLog m_messages;
  CHostActions m_actions;
  FileSettings m_settings;
  std::vector<FilePackageData> m_packages;
  std::shared_ptr<FileProblem> m_libraryProblem = std::make_shared<FileProblem>();
  bool m_flowsheetLocked = false;
  bool m_fileLoadFailed = false;
  bool m_customModelingUpdated = false;
  int m_lastRunStatus = 0;
  std::shared_ptr<const RunDiagnostics> m_runDiagnostics;
  // The diagnostics objects over m_runDiagnostics, made when first asked for.
  CComPtr<IZNDiagnostics> m_diagnostics;
  int m_showOutputRequests = 0;
  int m_cancelStreamRequests = 0;
  std::vector<CDialog*> m_modelessDialogs;
  std::vector<HWND> m_modelessWindows;  // the dialogs' windows, to close only those still alive
  CComPtr<IRModelType> m_selectedModelType;
  std::string m_generatedCode;
  std::string m_flowsheetCode;
  std::string m_activeModelText;
  std::unique_ptr<CFlowsheetHost> m_flowsheet;  // after the store: goes first
  std::unique_ptr<CSimulationRun> m_run;         // after the flowsheet it runs: goes before it
  std::string m_savedText;  // WrittenText() when the file was last read or written
};
