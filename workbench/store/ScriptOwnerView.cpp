// IQVScriptOwner of a palette owner: the scripts it holds, in the order they were added.
#include "host/com/ComEnum.h"
#include "host/store/IQVScriptOwner.h"
#include "host/store/Status.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CScriptOwnerView : public CTypeView<IQVScriptOwner> {
 public:
  using CTypeView::CTypeView;

  HRESULT EnumScripts(IEnum<IFType>** scripts) override {
    if (!scripts) return E_POINTER;
    *scripts = nullptr;
    if (!Type().IsUsable()) return FE_STALE;
    std::vector<CComPtr<IFType>> list;
    for (const auto& script : Type().OwnedOfKind(StoreKind::Script)) list.emplace_back(script.Get());
    return MakeEnum(std::move(list), scripts);
  }
};

}  // namespace

CComPtr<IUnknown> MakeScriptOwnerView(CStoreType* type) {
  return MakeView<CScriptOwnerView>(type);
}
