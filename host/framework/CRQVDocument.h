// The simulation document: the host's messages window, the flowsheet, the
// types and libraries, the simulation's tools and the host's dialogs.
// Implemented by the host; the explorer reaches it through
// CRBaseApp::GetApp()->GetCurrentDocument().
#pragma once

#include <string>
#include <vector>

#include "host/framework/CQVApplicationSettings.h"
#include "host/framework/CRDocument.h"

class CDialog;
struct IFInstance;
struct IFType;
struct IFTypeDesc;
struct IFTypePalette;
struct IQVEstimation;
struct IQVExternalInterface;
struct IQVHierarchyType;
struct IQVHomotopy;
struct IQVOnLineLinks;
struct IQVOptimisation;
struct IQVPhysicalProperties;
struct IQVSolverOptions;
struct IQVUOMConverter;
struct IRModel;
struct IRModelType;
struct IZNDiagnostics;

// What DoCreateActiveModel does with a block.
enum ActiveModelMode { ActiveModelView = 0, ActiveModelCreate = 1, ActiveModelUse = 2 };

class CRQVDocument : public CRDocument {
 public:
  // Whether the simulation's own types may be changed ("Custom Modeling") or are
  // shown read-only ("Local Library"). Process-wide, set by the host.
  static inline bool m_bCustomModeling = true;

  CQVApplicationSettings m_ApplicationSettings;

  // --- messages ---
  // Appends text to the messages window. kind and flags as given (the explorer passes -1 and 0).
  virtual void OutputMessage(const std::string& text, int kind, DWORD flags) = 0;
  // Brings the messages window forward (show nonzero).
  virtual void ShowOutputWindow(int show) = 0;
  // Sends a registered message to every window of the application; flag as given.
  virtual void Broadcast(UINT message, WPARAM wParam, LPARAM lParam, int flag) = 0;
  // True while the last file load failed and the file is being corrected in an editor.
  virtual bool FileLoadFailed() const = 0;

  // --- flowsheet ---
  virtual bool FlowsheetIsLocked() const = 0;
  // Imports a flowsheet file (the host asks which) into the hierarchy.
  virtual HRESULT ImportFlowsheet(IQVHierarchyType* hierarchy) = 0;
  // Pastes the clipboard's "KTR Copy Selection" into the hierarchy.
  virtual HRESULT PasteIntoFlowsheet(IQVHierarchyType* hierarchy) = 0;
  virtual HRESULT ExportFlowsheetCode(IFInstance* flowsheet) = 0;
  // Exports the simulation, or with an instance path the hierarchy there as a
  // complete simulation (the host asks for the file).
  virtual HRESULT FileExport(const std::string& instancePath) = 0;
  // Told after a block or stream of the top flowsheet was renamed.
  virtual void OnRenameBlock(const std::string& oldName, const std::string& newName) = 0;
  virtual void OnRenameStream(const std::string& oldName, const std::string& newName) = 0;
  // texts and flags as given (the explorer passes three empty texts and false, false).
  virtual HRESULT DoCreateActiveModel(IFInstance* block, ActiveModelMode mode, const std::string& text1,
                                      const std::string& text2, const std::string& text3, bool flag1,
                                      bool flag2) = 0;
  // Adds a block of model to the flowsheet or hierarchy instance under a name
  // made from the model's (returned in name). A host without flowsheet editing
  // answers E_NOTIMPL.
  virtual HRESULT AddBlock(IFInstance* /*flowsheet*/, IRModelType* /*model*/, std::string& /*name*/) {
    return E_NOTIMPL;
  }
  // Ends any stream the user is drawing on the flowsheet.
  virtual void CancelCurrentStream() = 0;
  // The model type the user is dragging onto the flowsheet (null when none).
  virtual void OnSelectModelType(IRModelType* type) = 0;
  virtual HRESULT GetFlowsheetType(IFType** type) = 0;
  // The root model that global structures and open forms belong to.
  virtual HRESULT GetRootQVModel(IUnknown** root) = 0;

  // --- types and libraries ---
  // Re-reads a library's or the simulation's types; owner is the palette's own type; flag as given.
  virtual HRESULT RebuildLibrary(IFTypePalette* palette, IFType* owner, bool flag) = 0;
  // The names of the blocks whose model is typeName.
  virtual HRESULT GetAllModelsOfType(const std::string& typeName, std::vector<std::string>& blocks) = 0;
  // Generates code for the procedures of a palette (all, or the one described by procedure).
  virtual HRESULT GenerateProcedures(IFTypePalette* palette, IFTypeDesc* procedure) = 0;
  // A new task of the simulation; FE_NAMEEXISTS when the name is taken.
  virtual HRESULT CreateTask(const std::string& name, IFType** task, IFTypePalette* palette) = 0;
  // The three settings of model export packages (the host's meaning).
  virtual HRESULT GetExportedModelsSettings(int& first, int& second, int& third) = 0;
  virtual std::string GetServerProjectDirectory() const = 0;
  // Told that the custom-modeling types changed (the host refreshes what depends on them).
  virtual void SetCustomModelingUpdated(bool updated) = 0;

  // --- scripts ---
  virtual bool IsScriptingAvailable() const = 0;
  // Runs a top-level script; with synchronous, returns when it has finished.
  virtual HRESULT RunScript(IFType* script, bool synchronous) = 0;

  // --- the simulation's tools ---
  virtual HRESULT GetDiagnostics(IZNDiagnostics** diagnostics) = 0;
  virtual HRESULT GetSolver(IQVSolverOptions** solver) = 0;
  virtual HRESULT GetEstimation(IQVEstimation** estimation) = 0;
  virtual HRESULT GetOptimisation(IQVOptimisation** optimisation) = 0;
  virtual HRESULT GetHomotopy(IQVHomotopy** homotopy) = 0;
  virtual HRESULT GetExternalAPI(IQVExternalInterface** external) = 0;
  virtual HRESULT GetOnLineLinks(IQVOnLineLinks** links) = 0;
  virtual HRESULT GetProperties(IQVPhysicalProperties** properties) = 0;
  virtual HRESULT GetUOMConverter(IQVUOMConverter** converter) = 0;
  // The names of the unit-of-measurement sets, the current one, and choosing one.
  virtual HRESULT UOMSets(std::vector<std::string>& names) = 0;
  virtual std::string CurrentUOMSet() const = 0;
  virtual HRESULT SelectUOMSet(const std::string& name) = 0;
  // Counts of a model (the simulation, a hierarchy, a block); a failure code when they cannot be had.
  virtual HRESULT GetModelStatistics(IRModel* model, int& equations, int& variables, int& degreesOfFreedom) = 0;
  virtual HRESULT GetModelStatistics(IRModel* model, int& equations, int& variables, int& unknowns,
                                     int& degreesOfFreedom) = 0;
  // The last run's outcome (the host's code) and the run mode (ZN_RUN_*).
  virtual int GetLastRunStatus() const = 0;
  virtual int GetRunMode() const = 0;
  virtual int GetPrintLevel() const = 0;

  // --- the host's dialogs ---
  // The solver options dialog; page as given (the explorer passes -1).
  virtual void ShowSolverOptions(int page) = 0;
  virtual void ShowEstimation() = 0;
  virtual void ShowOptimisation() = 0;
  virtual void ShowHomotopy() = 0;
  virtual void ShowExternalInterfacing() = 0;
  virtual void ShowOnLineLinks() = 0;
  virtual void SnapshotManagement() = 0;
  virtual void OnTimeSettings() = 0;
  // Inserts a definition file into the simulation (the host asks which).
  virtual void Insert() = 0;
  // Modeless dialogs the document keeps track of (closed with the document).
  virtual void AddModelessDialog(CDialog* dialog) = 0;
  virtual void RemoveModelessDialog(CDialog* dialog) = 0;
};
