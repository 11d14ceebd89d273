// IQVHierarchyType of a flowsheet: moving the instances inside it from
// library models to the custom models of the same names.
#include "host/model/IQVHierarchyType.h"
#include "host/store/Status.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CHierarchyTypeView : public CTypeView<IQVHierarchyType> {
 public:
  using CTypeView::CTypeView;

  HRESULT UpdateInstancesToCustomModel(const std::vector<std::string>& modelNames,
                                       const std::vector<IFType*>& types) override {
    if (modelNames.size() != types.size()) return E_INVALIDARG;
    if (!Type().IsUsable()) return FE_STALE;
    std::vector<CStoreType*> targets;
    for (IFType* type : types) {
      CStoreType* target = StoreTypeOf(type);
      if (!target || !target->IsUsable()) return E_INVALIDARG;
      targets.push_back(target);
    }
    Update(Type().DefaultInstance(), modelNames, targets);
    return S_OK;
  }

 private:
  static void Update(CStoreInstance* instance, const std::vector<std::string>& names,
                     const std::vector<CStoreType*>& targets) {
    for (const auto& child : instance->AddedChildren()) {
      if (const CStoreType* type = child->Type()) {
        for (std::size_t i = 0; i < names.size(); ++i) {
          if (EqualsNoCase(type->Name(), names[i]) && type != targets[i]) {
            child->SetType(targets[i]);
            break;
          }
        }
      }
      Update(child, names, targets);
    }
  }
};

}  // namespace

CComPtr<IUnknown> MakeHierarchyTypeView(CStoreType* type) {
  return MakeView<CHierarchyTypeView>(type);
}
