#include "workbench/document/ModelStatistics.h"

#include <unordered_map>
#include <vector>

#include "workbench/language/Definition.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

// Submodels nest no deeper than this; a model that declares itself (directly or
// through others) would otherwise be counted forever.
constexpr int kMaxDepth = 32;

// Each type's own counts, made once per count: a submodel used many times
// (or by many submodels) is not walked again.
using CountMemo = std::unordered_map<const CStoreType*, ModelCounts>;

HRESULT CountOnce(CStoreType& type, ModelCounts& counts, std::vector<const CStoreType*>& path, CountMemo& memo);

HRESULT Count(CStoreType& type, ModelCounts& counts, std::vector<const CStoreType*>& path, CountMemo& memo) {
  if (type.HasErrors()) return E_FAIL;
  for (const CStoreType* outer : path)
    if (outer == &type) return E_FAIL;
  if (static_cast<int>(path.size()) >= kMaxDepth) return E_FAIL;
  const Definition* definition = type.ParsedDefinition();
  if (!definition) return S_OK;
  path.push_back(&type);
  counts.equations += static_cast<int>(definition->equations.size());
  CStorePalette* palette = type.HoldingPalette();
  HRESULT result = S_OK;
  // A model based on another has the base's members too.
  if (!definition->base.empty()) {
    CStoreType* base = palette ? palette->FindVisible(definition->base) : nullptr;
    if (base && FAILED(CountOnce(*base, counts, path, memo))) result = E_FAIL;
  }
  for (const Declaration& declaration : definition->declarations) {
    CStoreType* declared = palette ? palette->FindVisible(declaration.typeName) : nullptr;
    if (!declared) continue;
    switch (declared->Kind()) {
      case StoreKind::Variable:
        ++counts.variables;
        if (const auto spec = declaration.Spec(); spec && EqualsNoCase(*spec, "Fixed")) ++counts.fixed;
        break;
      case StoreKind::Model:
      case StoreKind::Controller:
        if (FAILED(CountOnce(*declared, counts, path, memo))) result = E_FAIL;
        break;
      case StoreKind::Port:
        // A port's variables are the model's unknowns; connections give their equations.
        if (const Definition* port = declared->ParsedDefinition()) counts.variables += static_cast<int>(port->declarations.size());
        break;
      default:
        break;
    }
  }
  path.pop_back();
  return result;
}

HRESULT CountOnce(CStoreType& type, ModelCounts& counts, std::vector<const CStoreType*>& path, CountMemo& memo) {
  auto found = memo.find(&type);
  if (found == memo.end()) {
    ModelCounts own;
    const HRESULT hr = Count(type, own, path, memo);
    if (FAILED(hr)) return hr;
    found = memo.emplace(&type, own).first;
  }
  counts.equations += found->second.equations;
  counts.variables += found->second.variables;
  counts.fixed += found->second.fixed;
  return S_OK;
}

}  // namespace

HRESULT CountType(CStoreType& type, ModelCounts& counts) {
  std::vector<const CStoreType*> path;
  CountMemo memo;
  ModelCounts found;
  const HRESULT hr = Count(type, found, path, memo);
  if (SUCCEEDED(hr)) counts = found;
  return hr;
}

HRESULT CountInstance(CStoreInstance& instance, ModelCounts& counts) {
  CStoreType* type = instance.Type();
  if (!type) return E_FAIL;
  ModelCounts total;
  if (FAILED(CountType(*type, total))) return E_FAIL;
  for (const CComPtr<CStoreInstance>& child : instance.AddedChildren()) {
    ModelCounts block;
    if (FAILED(CountInstance(*child, block))) return E_FAIL;
    total.equations += block.equations;
    total.variables += block.variables;
    total.fixed += block.fixed;
  }
  counts = total;
  return S_OK;
}
