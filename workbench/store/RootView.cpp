// IFRoot of the simulation and of a library: the file it was read from, the
// libraries it uses, opening a library, and the names that start instance paths.
#include "host/com/ComEnum.h"
#include "host/store/IFRoot.h"
#include "host/store/Status.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CRootView : public CTypeView<IFRoot> {
 public:
  using CTypeView::CTypeView;

  HRESULT GetFileName(std::string& path) override {
    if (!Type().IsUsable()) return FE_STALE;
    path = Type().Kind() == StoreKind::Simulation && Type().Store() ? Type().Store()->FileName() : Type().FileName();
    return S_OK;
  }

  HRESULT EnumLibraries(IEnum<IFInstance>** libraries) override {
    if (!libraries) return E_POINTER;
    *libraries = nullptr;
    if (!Type().IsUsable()) return FE_STALE;
    std::vector<CComPtr<IFInstance>> list;
    for (CStoreType* library : UsedLibraries()) list.emplace_back(library->DefaultInstance());
    return MakeEnum(std::move(list), libraries);
  }

  HRESULT OpenLibrary(const std::string& path, IFInstance** library) override {
    if (library) *library = nullptr;
    CStore* store = Type().Store();
    if (!Type().IsUsable() || !store) return FE_STALE;
    // A library's own list of used libraries is part of the library, which is read-only.
    if (Type().Kind() != StoreKind::Simulation) return FE_READONLY;
    CComPtr<CStoreType> type;
    HRESULT hr = store->OpenLibrary(path, &type);
    if (FAILED(hr)) return hr;
    return library ? CComPtr<IFInstance>(type->DefaultInstance()).CopyTo(library) : S_OK;
  }

  HRESULT ResolveName(const std::string& name, IFInstance** instance) override {
    if (!instance) return E_POINTER;
    *instance = nullptr;
    CStore* store = Type().Store();
    if (!Type().IsUsable() || !store) return FE_STALE;
    CStoreType* simulation = store->SimulationType();
    CStoreType* found = nullptr;
    if (name.empty() || (simulation && EqualsNoCase(name, simulation->Name()))) {
      found = simulation;
    } else {
      found = store->FindLibrary(name);
    }
    if (!found) return FE_NOTFOUND;
    return CComPtr<IFInstance>(found->DefaultInstance()).CopyTo(instance);
  }

 private:
  std::vector<CStoreType*> UsedLibraries() const {
    if (Type().Kind() == StoreKind::Simulation && Type().Store()) {
      std::vector<CStoreType*> list;
      for (const auto& library : Type().Store()->Libraries()) list.push_back(library);
      return list;
    }
    CStorePalette* palette = Type().OwnedPalette();
    return palette ? palette->UsedLibraries() : std::vector<CStoreType*>{};
  }
};

}  // namespace

CComPtr<IUnknown> MakeRootView(CStoreType* type) {
  return MakeView<CRootView>(type);
}
