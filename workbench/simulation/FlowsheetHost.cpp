#include "workbench/simulation/FlowsheetHost.h"

#include <cstdlib>

#include "host/framework/CQVGeneralUtil.h"
#include "host/framework/UpdateHints.h"
#include "host/model/IQVVariable.h"
#include "host/store/IFInstance.h"
#include "host/store/MwString.h"
#include "host/store/Status.h"
#include "platform/Ole.h"
#include "workbench/language/BoundedReport.h"
#include "workbench/language/DefinitionParser.h"
#include "workbench/language/DefinitionWriter.h"
#include "workbench/language/TextCase.h"
#include "workbench/simulation/FlowsheetInstantiation.h"
#include "workbench/simulation/FlowsheetObjects.h"
#include "workbench/simulation/FlowsheetText.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeCompiler.h"
#include "workbench/store/UnitSets.h"

namespace {

std::string ParentOf(const std::string& path) {
  const std::size_t dot = path.rfind('.');
  return dot == std::string::npos ? std::string() : path.substr(0, dot);
}

}  // namespace

CFlowsheetHost::CFlowsheetHost(CStore& store) : m_store(store) {
  m_store.SetFlowsheetInterfaces(MakeFlowsheetRoot(*this));
}

CFlowsheetHost::~CFlowsheetHost() { m_store.SetFlowsheetInterfaces(nullptr); }

void CFlowsheetHost::ValuesChanged() { m_built.reset(); }

const CFlowsheet& CFlowsheetHost::Current() {
  const unsigned generation = CStoreType::DefinitionsGeneration();
  if (m_built && m_builtGeneration == generation) return *m_built;
  m_built = InstantiateFlowsheet(m_store, m_values);
  m_builtGeneration = generation;
  ++m_buildNumber;
  if (m_built->Problems() != m_reported) {
    m_reported = m_built->Problems();
    if (onProblem)
      for (const std::string& problem : m_reported) onProblem(problem);
  }
  return *m_built;
}

CFlowsheet& CFlowsheetHost::CurrentForRun(unsigned& build) {
  Current();
  build = m_buildNumber;
  return *m_built;
}

std::unique_ptr<CFlowsheet> CFlowsheetHost::Specified() { return InstantiateFlowsheet(m_store, m_values); }

bool CFlowsheetHost::IsBuild(unsigned build) const {
  return m_built && m_buildNumber == build && m_builtGeneration == CStoreType::DefinitionsGeneration();
}

CComPtr<IFInstance> CFlowsheetHost::Instance(const std::string& path) {
  if (Current().FindUnit(path) < 0) return {};
  return MakeUnitInstance(*this, path);
}

CComPtr<IQVVariable> CFlowsheetHost::Variable(const std::string& path) {
  const InstanceVariable* variable = Current().FindVariable(path);
  if (!variable) return {};
  return MakeInstanceVariable(*this, variable->path);
}

CStoreType* CFlowsheetHost::MissingType(const std::string& name) {
  CComPtr<CStoreType>& type = m_missingTypes[LowerAscii(name)];
  if (!type) {
    type = MakeComObject<CStoreType>(StoreKind::Model, name);
    type->RestoreTexts("", "Model " + name + "\nEnd\n", true);
  }
  return type;
}

CStoreType* CFlowsheetHost::ContainerType(const std::string& path, bool create) {
  if (!path.empty()) {
    const int unit = Current().FindUnit(path);
    if (unit < 0) return nullptr;
    const FlowsheetUnit& u = Current().Unit(unit);
    return u.kind == UnitKind::Hierarchy ? u.type.Get() : nullptr;
  }
  CStorePalette* own = m_store.SimulationPalette();
  CStoreType* type = FindFlowsheetType(m_store);
  if ((type && type->HoldingPalette() == own) || !create || !own) return type;
  // The simulation takes a flowsheet of its own, starting from the one it saw.
  CComPtr<CStoreType> made = MakeComObject<CStoreType>(StoreKind::Flowsheet, "Flowsheet");
  const std::string text = type ? type->Texts().Good() : std::string("Model Flowsheet\nEnd\n");
  made->RestoreTexts(text.empty() ? "Model Flowsheet\nEnd\n" : text, text.empty() ? "Model Flowsheet\nEnd\n" : text, false);
  if (FAILED(own->Place(made))) return nullptr;
  return made;
}

HRESULT CFlowsheetHost::ReplaceText(CStoreType& type, const std::string& text) {
  if (type.IsInReadOnlyLibrary() || type.IsBuiltIn()) return FE_READONLY;
  if (CheckTypeText(type, text).HasErrors()) return FE_BADCHANGE;
  CompileTypeText(type, text);
  return S_OK;
}

HRESULT CFlowsheetHost::CheckChange(const std::string& path, int* unit) {
  if (IsLocked()) return FE_LOCKED;
  const int found = Current().FindUnit(path);
  if (found <= 0) return FE_NOTFOUND;
  *unit = found;
  return S_OK;
}

HRESULT CFlowsheetHost::RenameUnit(const std::string& path, const std::string& newName) {
  int unit = 0;
  HRESULT hr = CheckChange(path, &unit);
  if (FAILED(hr)) return hr;
  if (!CQVGeneralUtil::IsValidNameNoMessage(newName)) return FE_INVALIDNAME;
  const std::string oldName = Current().Unit(unit).name;
  const std::string parent = ParentOf(path);
  const std::string newPath = JoinPath(parent, newName);
  if (!EqualsNoCase(oldName, newName) &&
      (Current().FindUnit(newPath) >= 0 || Current().FindVariable(newPath)))
    return FE_NAMEEXISTS;
  CStoreType* container = ContainerType(parent, false);
  if (!container) return FE_READONLY;
  hr = ReplaceText(*container, RenameUnitInText(container->Text(), oldName, newName));
  if (FAILED(hr)) return hr;
  m_values.RenameUnit(path, newPath);
  Changed(QV_HINT_FLOWSHEET_CONTENTS);
  return S_OK;
}

HRESULT CFlowsheetHost::DeleteUnit(const std::string& path) {
  int unit = 0;
  HRESULT hr = CheckChange(path, &unit);
  if (FAILED(hr)) return hr;
  CStoreType* container = ContainerType(ParentOf(path), false);
  if (!container) return FE_READONLY;
  hr = ReplaceText(*container, RemoveUnitFromText(container->Text(), Current().Unit(unit).name));
  if (FAILED(hr)) return hr;
  m_values.RemoveUnit(path);
  Changed(QV_HINT_BLOCKS_REMOVED);
  return S_OK;
}

HRESULT CFlowsheetHost::CopyText(const std::string& path, std::string& text) {
  const int unit = Current().FindUnit(path);
  if (unit <= 0) return FE_NOTFOUND;
  const FlowsheetUnit& u = Current().Unit(unit);
  CStoreType* container = ContainerType(ParentOf(path), false);
  if (!container) return FE_NOTFOUND;
  std::string statements = UnitStatements(container->Texts().Good(), u.name);
  if (statements.empty()) return FE_NOTFOUND;
  // The values the user gave the unit travel with it, as Specs of the copy.
  const std::string prefix = LowerAscii(path) + ".";
  for (const auto& [key, entry] : m_values.Entries()) {
    if (key.compare(0, prefix.size(), prefix) != 0) continue;
    const InstanceVariable* variable = Current().FindVariable(key);
    if (!variable) continue;
    std::string spec = "Spec " + u.name + "." + variable->path.substr(path.size() + 1) + " (";
    spec += MwString::FormatReal_S(variable->value, 17, true) + ", " + VariableSpecText(variable->spec);
    if (variable->lower) spec += ", lower:" + MwString::FormatReal_S(*variable->lower, 17, true);
    if (variable->upper) spec += ", upper:" + MwString::FormatReal_S(*variable->upper, 17, true);
    statements += spec + ");\n";
  }
  text = std::move(statements);
  return S_OK;
}

HRESULT CFlowsheetHost::CopyToClipboard(const std::string& path) {
  std::string text;
  const HRESULT hr = CopyText(path, text);
  if (FAILED(hr)) return hr;
  COleDataSource source;
  source.CacheGlobalData(RegisterClipboardFormat(kFlowsheetCopyFormat), std::vector<std::uint8_t>(text.begin(), text.end()));
  source.SetClipboard();
  return S_OK;
}

HRESULT CFlowsheetHost::PasteText(const std::string& path, const std::string& text, std::vector<std::string>* pastedNames) {
  if (IsLocked()) return FE_LOCKED;
  if (!path.empty() && Current().FindUnit(path) < 0) return FE_NOTFOUND;
  // The selection reads as the body of a model; anything else is not a selection.
  std::string wrapped = "Model Selection\n" + text + "\nEnd\n";
  CBoundedReport report = CBoundedReport::Discarding();
  std::optional<Definition> selection = ParseDefinition(wrapped, report);
  if (!selection || !selection->closed || selection->declarations.empty() || !selection->equations.empty() ||
      !selection->calls.empty() || !selection->blocks.empty())
    return E_INVALIDARG;
  std::vector<std::string> taken;
  const auto isTaken = [&](const std::string& name) {
    const std::string full = JoinPath(path, name);
    if (Current().FindUnit(full) >= 0 || Current().FindVariable(full)) return true;
    for (const std::string& t : taken)
      if (EqualsNoCase(t, name)) return true;
    return false;
  };
  std::vector<std::string> names;
  for (const Declaration& declaration : selection->declarations) {
    std::string name = declaration.name;
    for (int n = 1; isTaken(name); ++n) name = declaration.name + "_" + std::to_string(n);
    taken.push_back(name);
    if (name != declaration.name) wrapped = RenameUnitInText(wrapped, declaration.name, name);
    names.push_back(name);
  }
  const std::size_t bodyStart = wrapped.find('\n') + 1;
  const std::size_t bodyEnd = wrapped.rfind("End");
  const std::string statements = wrapped.substr(bodyStart, bodyEnd - bodyStart);
  CStoreType* container = ContainerType(path, true);
  if (!container) return FE_READONLY;
  const HRESULT hr = ReplaceText(*container, InsertBeforeEnd(container->Text(), statements));
  if (FAILED(hr)) return hr;
  Changed(QV_HINT_BLOCKS_ADDED);
  if (pastedNames) *pastedNames = std::move(names);
  return S_OK;
}

HRESULT CFlowsheetHost::PasteFromClipboard(const std::string& path) {
  COleDataObject data;
  if (!data.AttachClipboard()) return E_FAIL;
  const std::optional<std::vector<std::uint8_t>> bytes = data.GetGlobalData(RegisterClipboardFormat(kFlowsheetCopyFormat));
  if (!bytes) return E_FAIL;
  return PasteText(path, std::string(bytes->begin(), bytes->end()));
}

HRESULT CFlowsheetHost::AddGlobalStructure(CStoreType& structureType, const std::string& name) {
  if (IsLocked()) return FE_LOCKED;
  if (!CQVGeneralUtil::IsValidNameNoMessage(name)) return FE_INVALIDNAME;
  if (Current().FindUnit(name) >= 0 || Current().FindVariable(name)) return FE_NAMEEXISTS;
  CStoreType* container = ContainerType("", true);
  if (!container) return FE_READONLY;
  const HRESULT hr =
      ReplaceText(*container, InsertBeforeEnd(container->Text(), name + " as global " + structureType.Name() + ";\n"));
  if (SUCCEEDED(hr)) Changed(QV_HINT_BLOCKS_ADDED);
  return hr;
}

HRESULT CFlowsheetHost::SetVariable(const std::string& path, const std::string& property, const std::string& text) {
  const InstanceVariable* variable = Current().FindVariable(path);
  if (!variable) return FE_NOTFOUND;
  VariableChange change;
  if (EqualsNoCase(property, "Spec")) {
    change.spec = VariableSpecFromText(text);
    if (!change.spec) return E_INVALIDARG;
  } else if (EqualsNoCase(property, "Value") || EqualsNoCase(property, "Lower") || EqualsNoCase(property, "Upper")) {
    std::optional<double> number = ReadNumber(text);
    if (!number) return E_INVALIDARG;
    // Numbers are typed in the unit the variable is shown in.
    if (!variable->Quantity().empty()) {
      CUnitSets& sets = m_store.UnitSets();
      if (std::optional<std::string> unit = sets.UnitOf(sets.CurrentSet(), variable->Quantity()))
        number = sets.ToBase(*number, *unit).value_or(*number);
    }
    (EqualsNoCase(property, "Value") ? change.value : EqualsNoCase(property, "Lower") ? change.lower : change.upper) = number;
  } else {
    return FE_READONLY;
  }
  change.ApplyTo(m_values.Change(variable->path));
  ++m_variableEdits;
  // The built flowsheet takes the change in place: a value edit never re-instantiates a large flowsheet.
  InstanceVariable& built = *m_built->FindVariable(variable->path);
  const VariableSpec before = built.spec;
  change.ApplyTo(built);
  m_built->CountSpecChange(built.unit, before, built.spec);
  if (onChanged) onChanged(QV_HINT_VALUES_CHANGED);
  // Fixing or freeing a variable changes the degrees of freedom the block lists show.
  if (onChanged && built.spec != before) onChanged(QV_HINT_DEGREES_OF_FREEDOM);
  return S_OK;
}

void CFlowsheetHost::Changed(LPARAM hint) {
  m_built.reset();
  if (onChanged) onChanged(hint);
}

HRESULT CFlowsheetHost::ImportInto(CStoreType& container, const std::string& flowsheetText) {
  if (IsLocked()) return FE_LOCKED;
  const HRESULT hr = ReplaceText(container, ReplaceBody(container.Text(), flowsheetText));
  if (SUCCEEDED(hr)) Changed(QV_HINT_FLOWSHEET_REPLACED);
  return hr;
}

HRESULT CFlowsheetHost::ActiveModelText(const std::string& path, const std::string& name, std::string& text) {
  const int unit = Current().FindUnit(path);
  if (unit <= 0) return FE_NOTFOUND;
  const FlowsheetUnit& block = Current().Unit(unit);
  if (block.kind != UnitKind::Block || !block.type || !block.complete) return E_FAIL;
  CBoundedReport report = CBoundedReport::Discarding();
  std::optional<Definition> definition = ParseDefinition(block.type->Texts().Good(), report);
  if (!definition) return E_FAIL;
  definition->name = name;
  for (Declaration& declaration : definition->declarations) {
    const InstanceVariable* variable = Current().FindVariable(JoinPath(path, declaration.name));
    if (!variable) continue;
    std::vector<DeclarationAttribute> kept;
    for (DeclarationAttribute& attribute : declaration.attributes)
      if (attribute.connection || !attribute.name.empty()) kept.push_back(std::move(attribute));
    DeclarationAttribute value, spec;
    value.value = MwString::FormatReal_S(variable->value, 17, true);
    spec.value = VariableSpecText(variable->spec);
    kept.insert(kept.begin(), {value, spec});
    declaration.attributes = std::move(kept);
  }
  text = WriteDefinition(*definition);
  return S_OK;
}

HRESULT CFlowsheetHost::UseModel(const std::string& path, const std::string& typeName) {
  int unit = 0;
  HRESULT hr = CheckChange(path, &unit);
  if (FAILED(hr)) return hr;
  CStoreType* container = ContainerType(ParentOf(path), false);
  if (!container) return FE_READONLY;
  hr = ReplaceText(*container, SetUnitTypeInText(container->Text(), Current().Unit(unit).name, typeName));
  if (SUCCEEDED(hr)) Changed(QV_HINT_BLOCK_CHANGED);
  return hr;
}
