// IQVIconCollection of a model, controller or stream type.
#include "host/model/IQVIcon.h"
#include "host/model/IQVIconCollection.h"
#include "host/store/Status.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

HRESULT IconOf(CStoreType* icon, IQVIcon** out) {
  if (!icon) return FE_NOTFOUND;
  return icon->QueryInterface(IID_IQVIcon, reinterpret_cast<void**>(out));
}

class CIconCollectionView : public CTypeView<IQVIconCollection> {
 public:
  using CTypeView::CTypeView;

  HRESULT GetIconCount(int* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<int>(Type().Icons().size());
    return S_OK;
  }

  HRESULT GetIcon(int index, IQVIcon** icon) override {
    if (!icon) return E_POINTER;
    *icon = nullptr;
    const auto icons = Type().Icons();
    if (index < 0 || index >= static_cast<int>(icons.size())) return E_INVALIDARG;
    return IconOf(icons[static_cast<std::size_t>(index)], icon);
  }

  HRESULT FindIcon(const std::string& name, IQVIcon** icon) override {
    if (!icon) return E_POINTER;
    *icon = nullptr;
    return IconOf(Type().FindIcon(name), icon);
  }

  HRESULT CreateIcon(const std::string& name, IQVIcon** icon) override {
    if (icon) *icon = nullptr;
    CComPtr<CStoreType> made;
    HRESULT hr = Type().AddIcon(name, {}, &made);
    if (FAILED(hr) || !icon) return hr;
    return IconOf(made, icon);
  }

  HRESULT RemoveIcon(const std::string& name) override { return Type().RemoveIcon(name); }

  HRESULT RenameIcon(const std::string& oldName, const std::string& newName) override {
    return Type().RenameIcon(oldName, newName);
  }

  HRESULT GetDefaultIcon(std::string& name) override {
    if (!Type().IsUsable()) return FE_STALE;
    name = Type().DefaultIconName();
    return S_OK;
  }

  HRESULT SetDefaultIcon(const std::string& name) override { return Type().SetDefaultIconName(name); }

  // Pictures are drawn from the icons' texts whenever they are asked for, so
  // there is nothing to refresh; a model that is gone says so.
  HRESULT IconsChanged() override { return Type().IsUsable() ? S_OK : FE_STALE; }
};

}  // namespace

CComPtr<IUnknown> MakeIconCollectionView(CStoreType* type) {
  return MakeView<CIconCollectionView>(type);
}
