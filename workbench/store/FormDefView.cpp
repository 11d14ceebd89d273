// IQVFormDef and IQVDataSource of a form: its name, kind, whether it may be
// changed, its instance, and its model help.
#include "host/model/IQVDataSource.h"
#include "host/model/IQVFormDef.h"
#include "host/store/HostClassIds.h"
#include "host/store/Status.h"
#include "workbench/store/FormNames.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CFormDefView : public CTypeView<IQVFormDef, IQVDataSource> {
 public:
  using CTypeView::CTypeView;

  HRESULT GetName(std::string& name) override {
    name = Type().Name();
    return S_OK;
  }

  HRESULT GetClassID(CLSID* kind) override {
    if (!kind) return E_POINTER;
    *kind = Type().ClassId();
    return S_OK;
  }

  // System forms and the forms of read-only libraries cannot be changed.
  HRESULT IsReadOnly(bool* readOnly) override {
    if (!readOnly) return E_POINTER;
    *readOnly = IsSystemFormName(Type().Name()) || Type().IsInReadOnlyLibrary() || !Type().IsUsable();
    return S_OK;
  }

  HRESULT GetInstance(IFInstance** instance) override {
    if (!instance) return E_POINTER;
    return CComPtr<IFInstance>(Type().DefaultInstance()).CopyTo(instance);
  }

  // Showing help is a window of the application's, not the store's: a help
  // form says so with FE_NOSERVICE, any other form has no help (E_NOTIMPL).
  HRESULT ShowHelp() override {
    if (!Type().IsUsable()) return FE_STALE;
    return Type().ClassId() == CLSID_QVModelHelpForm ? FE_NOSERVICE : E_NOTIMPL;
  }

  // The store keeps no run results, so a form has nothing to show yet.
  HRESULT IsEmpty(bool* empty) override {
    if (!empty) return E_POINTER;
    *empty = true;
    return S_OK;
  }
};

}  // namespace

CComPtr<IUnknown> MakeFormDefView(CStoreType* type) {
  return MakeView<CFormDefView>(type);
}
