#include "workbench/views/FormContents.h"

#include <sstream>
#include <unordered_set>

#include "host/store/HostClassIds.h"
#include "workbench/language/DefinitionHeader.h"
#include "workbench/language/TextCase.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/store/FormNames.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

// The type a model's header says it uses ("Model ProductTank Uses BufferTank"); empty when none.
std::string UsedTypeName(const CStoreType& type) {
  const std::string& text = type.Text();
  std::optional<DefinitionHeader> header = ReadDefinitionHeader(text);
  if (!header) return {};
  std::istringstream lines(text.substr(header->nameOffset));
  std::string first;
  std::getline(lines, first);
  std::istringstream words(first);
  std::string name, uses, base;
  if (words >> name >> uses >> base && EqualsNoCase(uses, "Uses")) return base;
  return {};
}

CStoreType* FindTypeByName(CStore& store, std::string_view name) {
  if (CStorePalette* own = store.SimulationPalette())
    if (CStoreType* type = own->Find(name)) return type;
  for (const auto& library : store.Libraries())
    if (CStorePalette* palette = library->OwnedPalette())
      if (CStoreType* type = palette->Find(name)) return type;
  return nullptr;
}

// Whether type is owner or uses it, directly or through other types.
bool IsOrUses(CStoreType* type, const CStoreType& owner, CStore& store) {
  for (int depth = 0; type && depth < 32; ++depth) {
    if (type == &owner) return true;
    const std::string base = UsedTypeName(*type);
    if (base.empty()) return false;
    type = FindTypeByName(store, base);
  }
  return false;
}

}  // namespace

std::vector<std::string> CFormContents::Paths() const {
  std::vector<std::string> paths;
  paths.reserve(rows.size());
  for (const FormRow& row : rows) paths.push_back(row.path);
  return paths;
}

std::optional<FormLayout> LayoutOfForm(const CStoreType& form) {
  const CLSID kind = form.ClassId();
  if (kind == CLSID_QVTableForm) return FormLayout::Table;
  if (kind == CLSID_QVPlotForm) return FormLayout::Plot;
  if (kind == CLSID_QVProfileForm) return FormLayout::Profile;
  return std::nullopt;
}

std::vector<std::string> BlocksShowingForm(const CStoreType& owner, const CFlowsheet& flowsheet, CStore& store) {
  if (owner.Kind() == StoreKind::Simulation || flowsheet.Top().type.Get() == &owner) return {""};
  std::vector<std::string> blocks;
  // Many blocks share a few types: each type is judged once.
  std::unordered_set<const CStoreType*> showing, notShowing;
  for (const FlowsheetUnit& unit : flowsheet.Units()) {
    if (unit.kind == UnitKind::Flowsheet || !unit.type) continue;
    const CStoreType* type = unit.type.Get();
    if (notShowing.contains(type)) continue;
    if (!showing.contains(type)) {
      if (!IsOrUses(unit.type.Get(), owner, store)) {
        notShowing.insert(type);
        continue;
      }
      showing.insert(type);
    }
    blocks.push_back(unit.path);
  }
  return blocks;
}

std::vector<CStoreType*> TypesInFlowsheet(const CFlowsheet& flowsheet, CStore& store) {
  std::vector<CStoreType*> types;
  std::unordered_set<const CStoreType*> seen;
  for (const FlowsheetUnit& unit : flowsheet.Units()) {
    CStoreType* type = unit.type.Get();
    for (int depth = 0; type && depth < 32 && seen.insert(type).second; ++depth) {
      types.push_back(type);
      const std::string base = UsedTypeName(*type);
      type = base.empty() ? nullptr : FindTypeByName(store, base);
    }
  }
  return types;
}

namespace {

// The rows of a system form shown for block: its variables as the form's name says.
void SystemFormRows(std::string_view formName, const std::string& block, const CFlowsheet& flowsheet,
                    std::vector<FormRow>& rows) {
  const int unit = flowsheet.FindUnit(block);
  if (unit < 0) return;
  const std::string prefix = block.empty() ? std::string() : LowerAscii(block) + ".";
  for (const InstanceVariable& variable : flowsheet.Variables()) {
    bool shown = false;
    if (formName == kLocalVariablesForm) {
      shown = variable.unit == unit;
    } else if (formName == kAllGlobalsForm) {
      shown = flowsheet.Unit(variable.unit).kind == UnitKind::GlobalStructure;
    } else {
      shown = prefix.empty() || EqualsNoCase(std::string_view(variable.path).substr(0, prefix.size()), prefix);
    }
    if (shown) rows.push_back(FormRow{variable.path, std::nullopt, std::nullopt, {}});
  }
}

}  // namespace

std::optional<CFormContents> BindForm(CStoreType& form, const CFlowsheet& flowsheet, CStore& store) {
  std::optional<FormLayout> layout = LayoutOfForm(form);
  if (!layout) return std::nullopt;
  const CFormDefinition definition = ParseFormText(*layout, form.Text());
  CFormContents contents;
  contents.name = form.Name();
  CStoreType* owner = form.OwnerType();
  contents.ownerName = owner ? owner->Name() : std::string();
  contents.layout = *layout;
  contents.axisLabel = definition.axisLabel;
  contents.problems = definition.problems;
  const std::vector<std::string> blocks =
      owner ? BlocksShowingForm(*owner, flowsheet, store) : std::vector<std::string>{""};
  if (blocks.empty()) contents.problems.push_back("no block of type " + contents.ownerName + " in the flowsheet");
  const bool system = IsSystemFormName(form.Name()) && definition.variables.empty();
  for (const std::string& block : blocks) {
    if (system) SystemFormRows(form.Name(), block, flowsheet, contents.rows);
    for (const FormVariable& variable : definition.variables) {
      FormRow row{JoinPath(block, variable.path), variable.low, variable.high, {}};
      if (!flowsheet.FindVariable(row.path)) {
        row.problem = row.path + ": no such variable";
        contents.problems.push_back(row.problem);
      }
      contents.rows.push_back(std::move(row));
    }
  }
  return contents;
}
