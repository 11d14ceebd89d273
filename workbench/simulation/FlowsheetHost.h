// The flowsheet of one simulation as the host offers it: the instantiated
// flowsheet (built again on first use after any change of the definitions or
// of the user's values), the instance objects the explorer holds (each finds
// its unit by path on every call, so one kept across a change reports itself
// stale instead of showing something else), and the operations that change
// the flowsheet: they edit the flowsheet's text, which is what the file keeps.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/com/ComPtr.h"
#include "platform/Types.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/simulation/FlowsheetValues.h"
#include "workbench/simulation/ValueChangeEvents.h"
#include "workbench/store/BackLink.h"

struct IFInstance;
struct IFType;
struct IQVVariable;
class CStore;
class CStoreType;

// The clipboard format of copied blocks and streams.
inline constexpr const char* kFlowsheetCopyFormat = "KTR Copy Selection";

class CFlowsheetHost : public CLinkTarget {
 public:
  explicit CFlowsheetHost(CStore& store);
  ~CFlowsheetHost() override;

  // The flowsheet as the definitions and values stand now.
  const CFlowsheet& Current();
  // The current flowsheet for a run to write the values it reaches into, and
  // the number of that build: a run checks IsBuild before each use, since a
  // change of the definitions builds the flowsheet again.
  CFlowsheet& CurrentForRun(unsigned& build);
  bool IsBuild(unsigned build) const;
  // The flowsheet as the definitions and the user's values give it, before any run: made anew.
  std::unique_ptr<CFlowsheet> Specified();
  // Counts the user's edits of variables (SetVariable), which change the built flowsheet in place.
  unsigned VariableEdits() const { return m_variableEdits; }
  CFlowsheetValues& Values() { return m_values; }
  // Takes the values as they stand for what the flowsheet shows (after a change of Values()).
  void ValuesChanged();
  // Told after every change the host made to the flowsheet, with the update hint it calls for.
  std::function<void(LPARAM hint)> onChanged;
  // Told each problem line of an instantiation whose problems differ from the last one's.
  std::function<void(const std::string&)> onProblem;
  // Whether changes are refused (a dynamic run is active).
  std::function<bool()> isLocked;

  // The instance of the unit at path ("" is the top flowsheet); null when there is none.
  CComPtr<IFInstance> Instance(const std::string& path);
  CComPtr<IQVVariable> Variable(const std::string& path);
  CStore& Store() { return m_store; }
  // What a unit whose type is missing reports as its type: a model of that
  // name that has never compiled, so the unit shows "Not OK".
  CStoreType* MissingType(const std::string& name);
  bool IsLocked() const { return isLocked && isLocked(); }
  // The "OnVariableChange" event the root model offers (IQVEventSource).
  CValueChangeEvents& Events() { return *m_events; }

  // ---- changes; each edits the text of the flowsheet-like type that declares the unit ----
  // FE_INVALIDNAME, FE_NAMEEXISTS, FE_NOTFOUND, FE_READONLY, FE_LOCKED.
  HRESULT RenameUnit(const std::string& path, const std::string& newName);
  HRESULT DeleteUnit(const std::string& path);
  // The "KTR Copy Selection" text of a unit: its declaration, Specs and changed values.
  HRESULT CopyText(const std::string& path, std::string& text);
  // Puts CopyText on the clipboard.
  HRESULT CopyToClipboard(const std::string& path);
  // Adds the units of a copy text to the flowsheet-like unit at path, each
  // under a name of its own ("T101" pasted again becomes "T101_1").
  HRESULT PasteText(const std::string& path, const std::string& text, std::vector<std::string>* pastedNames = nullptr);
  HRESULT PasteFromClipboard(const std::string& path);
  HRESULT AddGlobalStructure(CStoreType& structureType, const std::string& name);
  // A variable's value (base units), spec or bound, kept with the values.
  HRESULT SetVariable(const std::string& path, const std::string& property, const std::string& text);
  // The contents of another flowsheet's text (its body) become the contents of container.
  HRESULT ImportInto(CStoreType& container, const std::string& flowsheetText);
  // A model text for a block as it stands: its type's definition named name,
  // each variable it declares given the block's value and status.
  HRESULT ActiveModelText(const std::string& path, const std::string& name, std::string& text);
  // The block at path becomes an instance of another model type.
  HRESULT UseModel(const std::string& path, const std::string& typeName);
  // The flowsheet-like type whose text declares the unit's children: the top
  // flowsheet's type (made in the simulation's own types when it has none of
  // its own) or a hierarchy's model.
  CStoreType* ContainerType(const std::string& path, bool create);

 private:
  HRESULT ReplaceText(CStoreType& type, const std::string& text);
  HRESULT CheckChange(const std::string& path, int* unit);
  void Changed(LPARAM hint);

  CStore& m_store;
  CFlowsheetValues m_values;
  std::unique_ptr<CFlowsheet> m_built;
  unsigned m_builtGeneration = 0;
  unsigned m_buildNumber = 0;  // counts the builds, so that a later one is never taken for an earlier
  unsigned m_variableEdits = 0;
  std::vector<std::string> m_reported;
  std::unordered_map<std::string, CComPtr<CStoreType>> m_missingTypes;
  CComPtr<CValueChangeEvents> m_events = MakeComObject<CValueChangeEvents>();
};
