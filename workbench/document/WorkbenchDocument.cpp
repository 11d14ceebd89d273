#include "workbench/document/WorkbenchDocument.h"

#include <filesystem>
#include <memory>

#include "host/HostCommandIds.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/UpdateHints.h"
#include "host/model/IQVHierarchyType.h"
#include "host/model/IRModel.h"
#include "host/model/IRModelType.h"
#include "host/store/Status.h"
#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "workbench/diagnostics/DiagnosticsObjects.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/document/StoreContents.h"
#include "workbench/document/ModelStatistics.h"
#include "workbench/document/ProcedureCode.h"
#include "workbench/document/TopLevelWindows.h"
#include "workbench/files/FileReader.h"
#include "workbench/files/FileWriter.h"
#include "workbench/language/Definition.h"
#include "workbench/language/TextCase.h"
#include "workbench/simulation/FlowsheetInstantiation.h"
#include "workbench/simulation/FlowsheetText.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "workbench/run/AdvancedResetDialog.h"
#include "workbench/run/PauseAtDialog.h"
#include "workbench/run/RunOptionsDialog.h"
#include "workbench/run/RunStatus.h"
#include "workbench/run/SolverOptionsDialog.h"
#include "host/store/HostClassIds.h"
#include "platform/SafeFile.h"
#include "platform/UserInterface.h"
#include <algorithm>
#include "workbench/store/Builder.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeCompiler.h"

namespace {

struct RunCommandName {
  UINT id;
  const char* name;
};

// The host's run commands as the simulation's Run menu offers them.
constexpr RunCommandName kRunCommands[] = {
    {ID_HOST_RUN, "Run"},
    {ID_HOST_STEP, "Step"},
    {ID_HOST_PAUSE, "Pause"},
    {ID_HOST_PAUSE_AT, "Pause At"},
    {ID_HOST_RESTART, "Restart"},
    {ID_HOST_REWIND, "Rewind"},
    {ID_HOST_RESET, "Reset"},
    {ID_HOST_RESET_ALL, "Reset All"},
    {ID_HOST_ADVANCED_RESET, "Advanced Reset"},
    {ID_HOST_INTERRUPT, "Interrupt"},
    {ID_HOST_MODE_STEADY_STATE, "Steady State"},
    {ID_HOST_MODE_INITIALIZATION, "Initialization"},
    {ID_HOST_MODE_DYNAMIC, "Dynamic"},
    {ID_HOST_MODE_ESTIMATION, "Estimation"},
    {ID_HOST_MODE_OPTIMIZATION, "Optimization"},
    {ID_HOST_RUN_OPTIONS, "Run Options"},
    {ID_HOST_SOLVER_OPTIONS, "Solver Options"}};

// The run mode a Mode item chooses; 0 for another command.
int ModeOfCommand(UINT id) {
  switch (id) {
    case ID_HOST_MODE_STEADY_STATE: return ZN_RUN_STEADY_STATE;
    case ID_HOST_MODE_INITIALIZATION: return ZN_RUN_INITIALIZATION;
    case ID_HOST_MODE_DYNAMIC: return ZN_RUN_DYNAMIC;
    case ID_HOST_MODE_ESTIMATION: return ZN_RUN_ESTIMATION;
    case ID_HOST_MODE_OPTIMIZATION: return ZN_RUN_OPTIMIZATION;
  }
  return 0;
}

template <class T>
HRESULT Give(const CComPtr<T>& object, T** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!object) return E_FAIL;
  return object.CopyTo(out);
}

CStorePalette* StorePaletteOf(IFTypePalette* palette) { return dynamic_cast<CStorePalette*>(palette); }

}  // namespace

CWorkbenchDocument::CWorkbenchDocument(std::unique_ptr<CStore> store) {
  WatchTopLevelWindows();
  AdoptStore(store ? std::move(store) : std::make_unique<CStore>());
  ApplySettings();
  MarkSaved();
}

CWorkbenchDocument::~CWorkbenchDocument() {
  // Modeless dialogs close with the document; a dialog already gone is only a dead handle here.
  for (HWND h : std::vector<HWND>(m_modelessWindows))
    if (CWnd* dialog = CWnd::FromHandle(h)) dialog->DestroyWindow();
}

void CWorkbenchDocument::AdoptStore(std::unique_ptr<CStore> store) {
  StopRun();
  m_run.reset();
  m_flowsheet.reset();
  // What the runs of the simulation that goes left behind is no answer for the one that comes.
  m_runDiagnostics.reset();
  m_lastRunStatus = kRunStatusNone;
  m_flowsheetLocked = false;
  m_store = std::move(store);
  UseFileLibraries(*m_store, m_libraryProblem);
  m_flowsheet = std::make_unique<CFlowsheetHost>(*m_store);
  m_flowsheet->onProblem = [this](const std::string& problem) { OutputMessage(problem + "\n", -1, 0); };
  m_flowsheet->isLocked = [this] { return m_flowsheetLocked; };
  m_flowsheet->onChanged = [this](LPARAM hint) {
    SetModifiedFlag(true);
    UpdateAllViews(nullptr, hint, nullptr);
  };
  SetRootModel(static_cast<IFInstance*>(m_store->SimulationInstance()));
  m_run = std::make_unique<CSimulationRun>(*m_flowsheet, m_store->SolverOptions(), FlowsheetRunEntryPoints(),
                                           RunHooksFor());
  if (onSimulationReplaced) onSimulationReplaced();
}

RunHooks CWorkbenchDocument::RunHooksFor() {
  RunHooks hooks;
  hooks.lastDiagnostics = [this] { return m_runDiagnostics; };
  hooks.publish = [this](std::shared_ptr<const RunDiagnostics> diagnostics, int status) {
    PublishRunDiagnostics(std::move(diagnostics), status);
    UpdateAllViews(nullptr, QV_HINT_DECOMPOSITION_READY, nullptr);
  };
  hooks.message = [this](const std::string& line) { OutputMessage(line + "\n", -1, 0); };
  hooks.lockFlowsheet = [this](bool locked) { m_flowsheetLocked = locked; };
  hooks.valuesChanged = [this] {
    // Views redraw their values (the object is the simulated time), then the value event's listeners hear of it.
    const VARIANT time = VARIANT::Real(m_run ? m_run->SimulatedTime() : 0.0);
    UpdateAllViews(nullptr, QV_HINT_RUN_VALUES, const_cast<VARIANT*>(&time));
    m_flowsheet->Events().Fire();
  };
  hooks.stateChanged = [this] {
    if (onRunStateChanged) onRunStateChanged();
  };
  return hooks;
}

void CWorkbenchDocument::ApplySettings() {
  m_ApplicationSettings.m_iGroupsPerPage = m_settings.groupsPerPage;
  m_ApplicationSettings.m_iScriptDoubleClick = m_settings.scriptDoubleClick;
  m_ApplicationSettings.m_iTaskDoubleClick = m_settings.taskDoubleClick;
  m_bCustomModeling = m_settings.customModeling;
  CFlowsheetValues& values = m_flowsheet->Values();
  values.Clear();
  for (const FileVariableValue& v : m_settings.values) {
    VariableChange& change = values.Change(v.path);
    change.value = v.value;
    change.spec = VariableSpecFromText(v.spec);
    change.lower = v.lower;
    change.upper = v.upper;
  }
  m_flowsheet->ValuesChanged();
  // Instantiated now, so that what is wrong with the flowsheet is reported as the file opens.
  m_flowsheet->Current();
}

void CWorkbenchDocument::CollectSettings() {
  m_settings.groupsPerPage = m_ApplicationSettings.m_iGroupsPerPage > 0 ? m_ApplicationSettings.m_iGroupsPerPage : 1;
  m_settings.scriptDoubleClick = m_ApplicationSettings.m_iScriptDoubleClick;
  m_settings.taskDoubleClick = m_ApplicationSettings.m_iTaskDoubleClick;
  m_settings.customModeling = m_bCustomModeling;
  m_settings.values.clear();
  for (const auto& [key, entry] : m_flowsheet->Values().Entries()) {
    const VariableChange& c = entry.change;
    m_settings.values.push_back(
        FileVariableValue{entry.path, c.value, c.spec ? VariableSpecText(*c.spec) : std::string(), c.lower, c.upper});
  }
}

FilePackageData* CWorkbenchDocument::FindPackageData(const std::string& model) {
  for (FilePackageData& data : m_packages)
    if (EqualsNoCase(data.model, model)) return &data;
  return nullptr;
}

// ---- files ----

bool CWorkbenchDocument::Open(const std::string& path, FileProblem& problem) {
  std::optional<LoadedSimulation> loaded = LoadSimulation(path, problem);
  if (!loaded) {
    m_fileLoadFailed = true;
    OutputMessage(problem.Describe() + "\n", -1, 0);
    return false;
  }
  AdoptStore(std::move(loaded->store));
  m_settings = loaded->settings;
  m_packages = std::move(loaded->packages);
  ApplySettings();
  m_fileLoadFailed = false;
  SetPathName(loaded->path);
  SetTitle(std::filesystem::path(path).filename().string());
  MarkSaved();
  for (const std::string& section : loaded->skippedSections)
    OutputMessage("The section '" + section + "' of " + path + " was written by a later program and is left out.\n",
                  -1, 0);
  UpdateAllViews(nullptr, QV_HINT_DOCUMENT_RELOADED, nullptr);
  TellLibraryToolbarOfNewLibraries();
  return true;
}

bool CWorkbenchDocument::Save(FileProblem& problem) {
  if (GetPathName().empty()) {
    problem = FileProblem{"", 0, "the simulation has no file yet; save it under a name"};
    return false;
  }
  return SaveAs(GetPathName(), problem);
}

bool CWorkbenchDocument::SaveAs(const std::string& givenPath, FileProblem& problem) {
  const std::string path = AbsolutePath(givenPath);
  CollectSettings();
  if (!SaveSimulation(*m_store, m_settings, m_packages, path, problem)) {
    OutputMessage(problem.Describe() + "\n", -1, 0);
    return false;
  }
  m_store->SetFileName(path);
  SetPathName(path);
  // The simulation takes the name of its new file.
  SetTitle(std::filesystem::path(path).filename().string());
  MarkSaved();
  return true;
}

void CWorkbenchDocument::NewSimulation() {
  AdoptStore(std::make_unique<CStore>());
  m_settings = FileSettings{};
  m_packages.clear();
  ApplySettings();
  m_fileLoadFailed = false;
  SetPathName("");
  SetTitle("Untitled");
  MarkSaved();
  UpdateAllViews(nullptr, QV_HINT_DOCUMENT_RELOADED, nullptr);
  TellLibraryToolbarOfNewLibraries();
}

void CWorkbenchDocument::TellLibraryToolbarOfNewLibraries() {
  // Another simulation brings other libraries: the toolbar reads them all again.
  if (CRBaseApp* app = CRBaseApp::GetApp(); app && app->IsLibraryToolbarPresent())
    app->UpdateLibraryToolbar(QV_LIBTOOLBAR_REFRESH);
}

std::string CWorkbenchDocument::WrittenText() {
  CollectSettings();
  std::string text;
  FileProblem ignored;
  const std::string directory = GetPathName().empty() ? std::string() : DirectoryOf(GetPathName());
  WriteFileContents(SimulationContents(*m_store, m_settings, m_packages, directory), text, ignored);
  return text;
}

void CWorkbenchDocument::MarkSaved() {
  m_savedText = WrittenText();
  SetModifiedFlag(false);
}

bool CWorkbenchDocument::HasUnsavedChanges() {
  if (!IsModified() && WrittenText() != m_savedText) SetModifiedFlag(true);
  return IsModified();
}

bool CWorkbenchDocument::InsertFile(const std::string& path) {
  FileProblem problem;
  const std::optional<FileContents> contents = ReadFileContentsFrom(path, problem);
  if (!contents) {
    OutputMessage(problem.Describe() + "\n", -1, 0);
    return false;
  }
  CStorePalette& palette = *m_store->SimulationPalette();
  int inserted = 0, errors = 0;
  for (const FileDefinition& d : contents->definitions) {
    if (palette.Find(d.name)) {
      OutputMessage("Cannot insert '" + d.name + "': a definition with this name already exists.\n", -1, 0);
      ++errors;
      continue;
    }
    CComPtr<CStoreType> created;
    const QVParseReport report = CreateTypeFromText(palette, d.name, d.text, std::nullopt, std::addressof(created));
    for (const QVParseMessage& m : report.messages)
      OutputMessage(std::string(m.IsError() ? "Error: " : "Warning: ") + d.name + ": " + m.Describe() + "\n", -1, 0);
    if (created) ++inserted;
    if (report.HasErrors()) ++errors;
  }
  OutputMessage("Inserted " + std::to_string(inserted) + " definition(s) from " + path + ", " + std::to_string(errors) +
                    " with errors.\n",
                -1, 0);
  if (inserted > 0) {
    SetModifiedFlag(true);
    UpdateAllViews(nullptr, QV_HINT_TYPES_CHANGED, nullptr);
  }
  return inserted > 0 || contents->definitions.empty();
}

// ---- run commands ----

bool CWorkbenchDocument::IsRunCommand(UINT id) {
  for (const RunCommandName& c : kRunCommands)
    if (c.id == id) return true;
  return false;
}

bool CWorkbenchDocument::CanDoRunCommand(UINT id, bool* checked) const {
  if (checked) *checked = false;
  if (!IsRunCommand(id)) return false;
  const bool active = m_run->IsActive();
  if (const int mode = ModeOfCommand(id)) {
    if (checked) *checked = m_store->SolverOptions().ChosenRunMode() == mode;
    return !active;
  }
  switch (id) {
    case ID_HOST_RUN: return !active || m_run->IsPaused();
    case ID_HOST_PAUSE: return active && !m_run->IsPaused();
    case ID_HOST_INTERRUPT: return active;
    case ID_HOST_RESTART:
    case ID_HOST_REWIND:
    case ID_HOST_RESET:
    case ID_HOST_RESET_ALL:
    case ID_HOST_ADVANCED_RESET: return !active;
  }
  return true;
}

bool CWorkbenchDocument::RunCommand(UINT id) {
  if (!CanDoRunCommand(id)) return false;
  for (const RunCommandName& c : kRunCommands)
    if (c.id == id) m_actions.Record(std::string("run: ") + c.name);
  if (const int mode = ModeOfCommand(id)) {
    if (m_store->SolverOptions().RunMode() != mode) {
      m_store->SolverOptions().SetProperty(std::string(CSolverOptions::kRunMode), VARIANT::Int(mode));
      SetModifiedFlag(true);
    }
    return true;
  }
  const int mode = m_store->SolverOptions().ChosenRunMode();
  switch (id) {
    case ID_HOST_RUN:
      if (m_run->IsPaused())
        m_run->Resume();
      else
        m_run->Start(mode);
      break;
    case ID_HOST_STEP: m_run->StepToNextReport(mode); break;
    case ID_HOST_PAUSE: m_run->Pause(); break;
    case ID_HOST_PAUSE_AT: {
      m_actions.RecordShown("dialog: Pause At");
      CPauseAtDialog dialog(*m_run, AfxGetMainWnd());
      dialog.DoModal();
      break;
    }
    case ID_HOST_REWIND:
      if (MessageBox(AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : nullptr,
                     "Rewind to time 0? The variables take the values the last dynamic run started from.", "Rewind",
                     MB_YESNO | MB_ICONQUESTION) == IDYES)
        m_run->Rewind();
      break;
    case ID_HOST_RESET: m_run->Reset(CSimulationRun::ResetScope{}); break;
    case ID_HOST_RESET_ALL: m_run->Reset(CSimulationRun::ResetScope{true, true, true, true, true}); break;
    case ID_HOST_ADVANCED_RESET: {
      m_actions.RecordShown("dialog: Advanced Reset");
      CAdvancedResetDialog dialog(AfxGetMainWnd());
      if (dialog.DoModal() == IDOK) m_run->Reset(dialog.Scope());
      break;
    }
    case ID_HOST_INTERRUPT: m_run->Stop(); break;
    case ID_HOST_RESTART:
      m_run->Rewind();
      m_run->Start(ZN_RUN_DYNAMIC);
      break;
    case ID_HOST_RUN_OPTIONS: OnTimeSettings(); break;
    case ID_HOST_SOLVER_OPTIONS: ShowSolverOptions(-1); break;
    default: break;  // recorded only
  }
  return true;
}

void CWorkbenchDocument::StopRun() {
  if (m_run && m_run->IsActive()) m_run->Stop();
}

// ---- messages ----

void CWorkbenchDocument::OutputMessage(const std::string& text, int kind, DWORD flags) {
  m_messages.Append(text, kind, flags);
}

void CWorkbenchDocument::ShowOutputWindow(int show) {
  if (!show) return;
  ++m_showOutputRequests;
  if (onShowMessages) onShowMessages();
}

void CWorkbenchDocument::Broadcast(UINT message, WPARAM wParam, LPARAM lParam, int /*flag*/) {
  BroadcastToWindows(message, wParam, lParam);
}

// ---- flowsheet ----

HRESULT CWorkbenchDocument::ImportFlowsheet(IQVHierarchyType* hierarchy) {
  CStoreType* target = FlowsheetContainer(hierarchy);
  if (!target) return E_INVALIDARG;
  if (FlowsheetIsLocked()) return FE_LOCKED;
  CFileDialog dialog(true, "vsim", {}, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     "Vortan Simulation (*.vsim)|*.vsim|All Files (*.*)|*.*||");
  if (dialog.DoModal() != IDOK) return S_FALSE;
  return ImportFlowsheetFile(*target, dialog.GetPathName());
}

CStoreType* CWorkbenchDocument::FlowsheetContainer(IUnknown* hierarchy) {
  CStoreType* type = StoreTypeOf(hierarchy);
  if (!type) return nullptr;
  // The simulation stands for its flowsheet.
  if (type->Kind() == StoreKind::Simulation || type == FindFlowsheetType(*m_store))
    return m_flowsheet->ContainerType("", true);
  return type->Kind() == StoreKind::Flowsheet ? type : nullptr;
}

HRESULT CWorkbenchDocument::ImportFlowsheetFile(CStoreType& target, const std::string& path) {
  FileProblem problem;
  std::optional<LoadedSimulation> other = LoadSimulation(path, problem);
  if (!other) {
    OutputMessage(problem.Describe() + "\n", -1, 0);
    return FE_BADFILE;
  }
  CStoreType* source = FindFlowsheetType(*other->store);
  if (!source) {
    OutputMessage(path + " has no flowsheet to import.\n", -1, 0);
    return FE_NOTFOUND;
  }
  const HRESULT hr = m_flowsheet->ImportInto(target, source->Texts().Good());
  if (FAILED(hr)) {
    OutputMessage("The flowsheet of " + path + " was not imported into " + target.Name() + ": " + GetStatusText(hr) +
                      "\n",
                  -1, 0);
    return hr;
  }
  m_actions.Record("flowsheet: Import " + path);
  return S_OK;
}

HRESULT CWorkbenchDocument::PasteIntoFlowsheet(IQVHierarchyType* hierarchy) {
  CStoreType* type = StoreTypeOf(hierarchy);
  if (!type) return E_INVALIDARG;
  // The selection goes into the flowsheet, or into the model of the first hierarchy that uses the type.
  const CFlowsheet& flowsheet = m_flowsheet->Current();
  std::optional<std::string> path;
  if (type == FindFlowsheetType(*m_store) || type->Kind() == StoreKind::Simulation) path = "";
  for (std::size_t i = 1; !path && i < flowsheet.Units().size(); ++i)
    if (flowsheet.Units()[i].kind == UnitKind::Hierarchy && flowsheet.Units()[i].type.Get() == type)
      path = flowsheet.Units()[i].path;
  if (!path) return FE_NOTFOUND;
  const HRESULT hr = m_flowsheet->PasteFromClipboard(*path);
  if (FAILED(hr)) {
    OutputMessage("Nothing was pasted: " + GetStatusText(hr) + "\n", -1, 0);
    return hr;
  }
  SetModifiedFlag(true);
  return S_OK;
}

HRESULT CWorkbenchDocument::ExportFlowsheetCode(IFInstance* flowsheet) {
  std::string path;
  if (flowsheet && FAILED(flowsheet->GetPath(path))) return FE_STALE;
  CStoreType* type = m_flowsheet->ContainerType(path, false);
  if (!type) return FE_NOTFOUND;
  m_flowsheetCode = type->Text();
  OutputMessage(m_flowsheetCode, -1, 0);
  return S_OK;
}

HRESULT CWorkbenchDocument::FileExport(const std::string& instancePath) {
  if (!instancePath.empty()) {
    const int unit = m_flowsheet->Current().FindUnit(instancePath);
    if (unit <= 0 || m_flowsheet->Current().Unit(unit).kind != UnitKind::Hierarchy) return FE_NOTFOUND;
  }
  CFileDialog dialog(false, "vsim", std::filesystem::path(GetPathName()).stem().string(),
                     OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Vortan Simulation (*.vsim)|*.vsim|All Files (*.*)|*.*||");
  if (dialog.DoModal() != IDOK) return S_FALSE;
  return ExportSimulation(instancePath, dialog.GetPathName());
}

HRESULT CWorkbenchDocument::ExportSimulation(const std::string& hierarchyPath, const std::string& path) {
  CollectSettings();
  FileProblem problem;
  if (hierarchyPath.empty()) {
    if (!SaveSimulation(*m_store, m_settings, m_packages, path, problem)) {
      OutputMessage(problem.Describe() + "\n", -1, 0);
      return FE_BADFILE;
    }
    return S_OK;
  }
  CStoreType* hierarchy = m_flowsheet->ContainerType(hierarchyPath, false);
  if (!hierarchy) return FE_NOTFOUND;
  // The simulation as it is, with the hierarchy's contents as its flowsheet and
  // the values changed inside the hierarchy taken to the new flowsheet's paths.
  FileSettings settings = m_settings;
  settings.values.clear();
  const std::string prefix = LowerAscii(hierarchyPath) + ".";
  for (const FileVariableValue& value : m_settings.values)
    if (LowerAscii(value.path).compare(0, prefix.size(), prefix) == 0) {
      settings.values.push_back(value);
      settings.values.back().path = value.path.substr(prefix.size());
    }
  FileContents contents = SimulationContents(*m_store, settings, m_packages, DirectoryOf(AbsolutePath(path)));
  const std::string flowsheetText = ReplaceBody("Model Flowsheet\nEnd\n", hierarchy->Texts().Good());
  auto found = std::find_if(contents.definitions.begin(), contents.definitions.end(),
                            [](const FileDefinition& d) { return EqualsNoCase(d.name, "Flowsheet"); });
  if (found == contents.definitions.end()) {
    FileDefinition flowsheet;
    flowsheet.name = "Flowsheet";
    flowsheet.classId = CLSID_QVHierarchyType;
    contents.definitions.push_back(std::move(flowsheet));
    found = std::prev(contents.definitions.end());
  }
  found->text = flowsheetText;
  found->goodText.reset();
  found->hasErrors = false;
  std::string text;
  if (!WriteFileContents(contents, text, problem) || ReplaceFileContents(path, text) != 0) {
    OutputMessage("The hierarchy " + hierarchyPath + " could not be exported to " + path + ".\n", -1, 0);
    return FE_BADFILE;
  }
  m_actions.Record("flowsheet: Export " + hierarchyPath + " to " + path);
  return S_OK;
}

void CWorkbenchDocument::OnRenameBlock(const std::string& oldName, const std::string& newName) {
  m_actions.Record("flowsheet: Rename block " + oldName + " to " + newName);
  UpdateAllViews(nullptr, QV_HINT_BLOCK_CHANGED, nullptr);
}

void CWorkbenchDocument::OnRenameStream(const std::string& oldName, const std::string& newName) {
  m_actions.Record("flowsheet: Rename stream " + oldName + " to " + newName);
  UpdateAllViews(nullptr, QV_HINT_STREAM_CHANGED, nullptr);
}

HRESULT CWorkbenchDocument::DoCreateActiveModel(IFInstance* block, ActiveModelMode mode, const std::string&,
                                                const std::string&, const std::string&, bool, bool) {
  if (!block) return E_POINTER;
  std::string path, name;
  if (FAILED(block->GetPath(path)) || FAILED(block->GetName(name))) return FE_STALE;
  const int unit = m_flowsheet->Current().FindUnit(path);
  if (unit <= 0) return FE_STALE;
  CStorePalette& own = *m_store->SimulationPalette();
  // The new model's name: the block's type and the block ("BufferTank_T101"), made unique.
  const std::string stem = m_flowsheet->Current().Unit(unit).typeName + "_" + name;
  std::string modelName = stem;
  for (int n = 1; own.FindVisible(modelName); ++n) modelName = stem + "_" + std::to_string(n);
  std::string text;
  HRESULT hr = m_flowsheet->ActiveModelText(path, modelName, text);
  if (FAILED(hr)) return hr;
  m_activeModelText = text;
  if (mode == ActiveModelView) {
    OutputMessage("Active model of " + path + ":\n" + text, -1, 0);
    m_actions.Record("flowsheet: Active Model View " + path);
    return S_OK;
  }
  if (FlowsheetIsLocked() && mode == ActiveModelUse) return FE_LOCKED;
  CComPtr<CStoreType> made;
  const QVParseReport report = CreateTypeFromText(own, modelName, text, StoreKind::Model, std::addressof(made));
  if (!made || report.HasErrors()) {
    if (made) own.Remove(modelName);
    return FE_BADCHANGE;
  }
  UpdateAllViews(nullptr, QV_HINT_TYPES_CHANGED, nullptr);
  if (mode == ActiveModelUse) {
    hr = m_flowsheet->UseModel(path, modelName);
    if (FAILED(hr)) return hr;
  }
  m_actions.Record(std::string("flowsheet: Active Model ") + (mode == ActiveModelCreate ? "Create " : "Use ") + path +
                   " as " + modelName);
  return S_OK;
}

HRESULT CWorkbenchDocument::AddBlock(IFInstance* flowsheet, IRModelType* model, std::string& name) {
  if (!flowsheet || !model) return E_POINTER;
  std::string path, typeName;
  if (FAILED(flowsheet->GetPath(path)) || FAILED(model->GetName(typeName))) return FE_STALE;
  if (FlowsheetIsLocked()) return FE_LOCKED;
  // Only a flowsheet or a hierarchy declares blocks of its own.
  const int container = m_flowsheet->Current().FindUnit(path);
  if (container < 0 || (container > 0 && m_flowsheet->Current().Unit(container).kind != UnitKind::Hierarchy))
    return E_INVALIDARG;
  // The model's name numbered from 1: "BufferTank1", then "BufferTank2".
  const std::string prefix = path.empty() ? std::string() : path + ".";
  std::string candidate;
  for (int n = 1; candidate.empty() || m_flowsheet->Current().FindUnit(prefix + candidate) >= 0; ++n)
    candidate = typeName + std::to_string(n);
  std::vector<std::string> made;
  const HRESULT hr = m_flowsheet->PasteText(path, candidate + " as " + typeName + ";\n", &made);
  if (FAILED(hr)) return hr;
  name = made.empty() ? candidate : made.front();
  m_actions.Record("flowsheet: Add block " + prefix + name + " of " + typeName);
  SetModifiedFlag(true);
  return S_OK;
}

void CWorkbenchDocument::OnSelectModelType(IRModelType* type) { m_selectedModelType = type; }

HRESULT CWorkbenchDocument::GetFlowsheetType(IFType** type) {
  if (!type) return E_POINTER;
  *type = nullptr;
  CStoreType* flowsheet = FindFlowsheetType(*m_store);
  if (!flowsheet) return FE_NOTFOUND;
  return flowsheet->QueryInterface(IFType::Iid(), reinterpret_cast<void**>(type));
}

HRESULT CWorkbenchDocument::GetRootQVModel(IUnknown** root) { return GetRootModel(root); }

// ---- types and libraries ----

HRESULT CWorkbenchDocument::RebuildLibrary(IFTypePalette* palette, IFType* /*owner*/, bool /*flag*/) {
  CStorePalette* p = StorePaletteOf(palette);
  if (!p) return E_INVALIDARG;
  OutputMessage("\nRebuilding " + p->Name() + "...", -1, 0);
  int compiled = 0, failing = 0;
  for (const CComPtr<CStoreType>& type : p->Types()) {
    if (!IsCompiledKind(type->Kind()) || type->IsBuiltIn()) continue;
    const QVParseReport report = CompileTypeText(*type, type->Text());
    ++compiled;
    if (report.HasErrors()) {
      ++failing;
      OutputMessage("\nError: " + type->Name() + " has " + std::to_string(report.ErrorCount()) + " error(s)", -1, 0);
    }
  }
  OutputMessage("\nRebuild completed. " + std::to_string(compiled) + " definition(s), " + std::to_string(failing) +
                    " with errors\n",
                -1, 0);
  UpdateAllViews(nullptr, QV_HINT_COMPILED, nullptr);
  return S_OK;
}

HRESULT CWorkbenchDocument::GetAllModelsOfType(const std::string& typeName, std::vector<std::string>& blocks) {
  blocks.clear();
  CStoreInstance* simulation = m_store->SimulationInstance();
  if (!simulation) return E_FAIL;
  // The blocks of the flowsheet (its text), then instances added to the store itself.
  for (const FlowsheetUnit& unit : m_flowsheet->Current().Units()) {
    if (unit.kind == UnitKind::Block && !unit.path.empty() && EqualsNoCase(unit.typeName, typeName))
      blocks.push_back(unit.path);
  }
  std::vector<CStoreInstance*> pending{simulation};
  while (!pending.empty()) {
    CStoreInstance* instance = pending.back();
    pending.pop_back();
    for (const CComPtr<CStoreInstance>& child : instance->AddedChildren()) {
      if (child->Type() && EqualsNoCase(child->Type()->Name(), typeName)) {
        std::string path;
        child->GetPath(path);
        if (std::find(blocks.begin(), blocks.end(), path) == blocks.end()) blocks.push_back(path);
      }
      pending.push_back(child);
    }
  }
  return S_OK;
}

HRESULT CWorkbenchDocument::GenerateProcedures(IFTypePalette* palette, IFTypeDesc* procedure) {
  CStorePalette* p = StorePaletteOf(palette);
  if (!p) return E_INVALIDARG;
  CStoreType* only = procedure ? StoreTypeOf(procedure) : nullptr;
  int generated = 0;
  for (const CComPtr<CStoreType>& type : p->Types()) {
    if (only && type.Get() != only) continue;
    if (type->Kind() != StoreKind::Procedure && type->Kind() != StoreKind::Function) continue;
    const Definition* definition = type->ParsedDefinition();
    const std::string code = definition ? ProcedureDeclaration(*definition) : std::string();
    if (code.empty()) continue;
    m_generatedCode += code;
    OutputMessage("Code generated for '" + type->Name() + "'.\n", -1, 0);
    ++generated;
  }
  if (generated == 0) OutputMessage("No procedures to generate code for.\n", -1, 0);
  return S_OK;
}

HRESULT CWorkbenchDocument::CreateTask(const std::string& name, IFType** task, IFTypePalette* palette) {
  if (task) *task = nullptr;
  CStorePalette* p = palette ? StorePaletteOf(palette) : m_store->SimulationPalette();
  if (!p) return E_INVALIDARG;
  if (p->Find(name)) return FE_NAMEEXISTS;
  CComPtr<CStoreType> created;
  const QVParseReport report =
      CreateTypeFromText(*p, name, CStoreBuilder::DefaultText(StoreKind::Task, name), StoreKind::Task, std::addressof(created));
  if (!created) return report.HasErrors() ? FE_INVALIDNAME : E_FAIL;
  SetModifiedFlag(true);
  if (task) return created->QueryInterface(IFType::Iid(), reinterpret_cast<void**>(task));
  return S_OK;
}

HRESULT CWorkbenchDocument::GetExportedModelsSettings(int& first, int& second, int& third) {
  first = m_settings.exportedModels[0];
  second = m_settings.exportedModels[1];
  third = m_settings.exportedModels[2];
  return S_OK;
}

std::string CWorkbenchDocument::GetServerProjectDirectory() const {
  if (!GetPathName().empty()) return DirectoryOf(GetPathName());
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

void CWorkbenchDocument::SetCustomModelingUpdated(bool updated) {
  m_customModelingUpdated = updated;
  if (!updated) return;
  SetModifiedFlag(true);
  UpdateAllViews(nullptr, QV_HINT_CUSTOM_MODELING_CHANGED, nullptr);
  if (CRBaseApp* app = CRBaseApp::GetApp(); app && app->IsLibraryToolbarPresent())
    app->UpdateLibraryToolbar(QV_LIBTOOLBAR_CONTENTS_CHANGED);
}

HRESULT CWorkbenchDocument::RunScript(IFType* script, bool synchronous) {
  if (!script) return E_POINTER;
  std::string name;
  script->GetName(name);
  m_actions.Record("script: " + name + (synchronous ? "" : " (in the background)"));
  return S_OK;
}

// ---- the simulation's tools ----

void CWorkbenchDocument::PublishRunDiagnostics(std::shared_ptr<const RunDiagnostics> diagnostics, int runStatus) {
  m_runDiagnostics = std::move(diagnostics);
  m_diagnostics = nullptr;
  m_lastRunStatus = runStatus;
}

HRESULT CWorkbenchDocument::GetDiagnostics(IZNDiagnostics** diagnostics) {
  if (!diagnostics) return E_POINTER;
  *diagnostics = nullptr;
  if (!m_runDiagnostics) return FE_NOTFOUND;
  if (!m_diagnostics) {
    CComPtr<IQVSolverOptions> options;
    GetSolver(&options);
    m_diagnostics = MakeDiagnosticsObject(m_runDiagnostics, options);
  }
  return m_diagnostics.CopyTo(diagnostics);
}

HRESULT CWorkbenchDocument::GetSolver(IQVSolverOptions** solver) { return Give(m_store->SolverOptionsInterface(), solver); }
HRESULT CWorkbenchDocument::GetEstimation(IQVEstimation** e) { return Give(m_store->EstimationInterface(), e); }
HRESULT CWorkbenchDocument::GetOptimisation(IQVOptimisation** o) { return Give(m_store->OptimisationInterface(), o); }
HRESULT CWorkbenchDocument::GetHomotopy(IQVHomotopy** h) { return Give(m_store->HomotopyInterface(), h); }
HRESULT CWorkbenchDocument::GetExternalAPI(IQVExternalInterface** e) { return Give(m_store->ExternalInterfaceInterface(), e); }
HRESULT CWorkbenchDocument::GetOnLineLinks(IQVOnLineLinks** l) { return Give(m_store->OnLineLinksInterface(), l); }
HRESULT CWorkbenchDocument::GetProperties(IQVPhysicalProperties** p) {
  return Give(m_store->PhysicalPropertiesInterface(), p);
}
HRESULT CWorkbenchDocument::GetUOMConverter(IQVUOMConverter** c) { return Give(m_store->UnitSets().Converter(), c); }

HRESULT CWorkbenchDocument::UOMSets(std::vector<std::string>& names) {
  names = m_store->UnitSets().SetNames();
  return S_OK;
}

std::string CWorkbenchDocument::CurrentUOMSet() const { return m_store->UnitSets().CurrentSet(); }

HRESULT CWorkbenchDocument::SelectUOMSet(const std::string& name) {
  const HRESULT hr = m_store->UnitSets().SelectSet(name);
  if (FAILED(hr)) return hr;
  SetModifiedFlag(true);
  UpdateAllViews(nullptr, QV_HINT_UNITS_CHANGED, nullptr);
  return S_OK;
}

HRESULT CWorkbenchDocument::GetModelStatistics(IRModel* model, int& equations, int& variables, int& degreesOfFreedom) {
  int unknowns = 0;
  return GetModelStatistics(model, equations, variables, unknowns, degreesOfFreedom);
}

HRESULT CWorkbenchDocument::GetModelStatistics(IRModel* model, int& equations, int& variables, int& unknowns,
                                               int& degreesOfFreedom) {
  if (!model) return E_INVALIDARG;
  CComPtr<IFInstance> instance;
  if (FAILED(model->GetInstance(&instance)) || !instance) return E_INVALIDARG;
  // The simulation answers for its flowsheet; units of the flowsheet by their path.
  std::string path;
  CStoreInstance* stored = dynamic_cast<CStoreInstance*>(instance.Get());
  const bool simulation = stored && stored->IsDefault() && stored->Type() == m_store->SimulationType();
  if (!stored || simulation) {
    if (!simulation && FAILED(instance->GetPath(path))) return FE_STALE;
    const CFlowsheet& flowsheet = m_flowsheet->Current();
    const int unit = flowsheet.FindUnit(path);
    if (unit < 0) return FE_STALE;
    const FlowsheetUnit& u = flowsheet.Unit(unit);
    if (!u.complete) return E_FAIL;
    equations = u.counts.equations;
    variables = u.counts.variables;
    unknowns = u.counts.variables - u.counts.fixed;
    degreesOfFreedom = u.counts.DegreesOfFreedom();
    return S_OK;
  }
  ModelCounts counts;
  const HRESULT hr = CountInstance(*stored, counts);
  if (FAILED(hr)) return hr;
  equations = counts.equations;
  variables = counts.variables;
  unknowns = counts.Unknowns();
  degreesOfFreedom = counts.DegreesOfFreedom();
  return S_OK;
}

int CWorkbenchDocument::GetRunMode() const { return m_store->SolverOptions().RunMode(); }
int CWorkbenchDocument::GetPrintLevel() const { return m_store->SolverOptions().PrintLevel(); }

// ---- the host's dialogs ----

void CWorkbenchDocument::ShowSolverOptions(int /*page*/) {
  m_actions.RecordShown("dialog: Solver Options");
  CSolverOptionsDialog dialog(m_store->SolverOptions(), AfxGetMainWnd());
  if (dialog.DoModal() == IDOK && dialog.Changed()) SetModifiedFlag(true);
}

void CWorkbenchDocument::OnTimeSettings() {
  m_actions.RecordShown("dialog: Run Options");
  CRunOptionsDialog dialog(m_store->SolverOptions(), AfxGetMainWnd());
  if (dialog.DoModal() == IDOK && dialog.Changed()) SetModifiedFlag(true);
}

void CWorkbenchDocument::Insert() {
  CFileDialog dialog(true, "ktrf", {}, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                     "Kestrane Language (*.ktrf)|*.ktrf|Vortan Library (*.vlib)|*.vlib|All Files (*.*)|*.*||");
  if (dialog.DoModal() != IDOK) return;
  InsertFile(dialog.GetPathName());
}

void CWorkbenchDocument::AddModelessDialog(CDialog* dialog) {
  if (!dialog || std::find(m_modelessDialogs.begin(), m_modelessDialogs.end(), dialog) != m_modelessDialogs.end()) return;
  m_modelessDialogs.push_back(dialog);
  m_modelessWindows.push_back(dialog->m_hWnd);
}

void CWorkbenchDocument::RemoveModelessDialog(CDialog* dialog) {
  const auto found = std::find(m_modelessDialogs.begin(), m_modelessDialogs.end(), dialog);
  if (found == m_modelessDialogs.end()) return;
  m_modelessWindows.erase(m_modelessWindows.begin() + (found - m_modelessDialogs.begin()));
  m_modelessDialogs.erase(found);
}
