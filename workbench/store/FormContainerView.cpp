// IQVFormContainer of a model-like type or the simulation: its forms by index
// and name, new forms, the help form, removal, renaming and the default form.
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVFormDef.h"
#include "host/store/HostClassIds.h"
#include "host/store/Status.h"
#include "workbench/store/FormNames.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

HRESULT FormDefOf(CStoreType* form, IQVFormDef** out) {
  if (!form) return FE_NOTFOUND;
  return form->QueryInterface(IID_IQVFormDef, reinterpret_cast<void**>(out));
}

class CFormContainerView : public CTypeView<IQVFormContainer> {
 public:
  using CTypeView::CTypeView;

  HRESULT GetFormCount(int* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<int>(Type().Forms().size());
    return S_OK;
  }

  HRESULT GetForm(int index, IQVFormDef** form) override {
    if (!form) return E_POINTER;
    *form = nullptr;
    const auto& forms = Type().Forms();
    if (index < 0 || index >= static_cast<int>(forms.size())) return E_INVALIDARG;
    return FormDefOf(forms[static_cast<std::size_t>(index)], form);
  }

  HRESULT FindForm(const std::string& name, IQVFormDef** form) override {
    if (!form) return E_POINTER;
    *form = nullptr;
    return FormDefOf(Type().FindForm(name), form);
  }

  HRESULT CreateForm(const std::string& name, REFCLSID kind, DWORD /*flags*/, const std::string& text,
                     IQVFormDef** form) override {
    if (form) *form = nullptr;
    CComPtr<CStoreType> made;
    HRESULT hr = Type().AddForm(name, kind, text, &made);
    if (FAILED(hr) || !form) return hr;
    return FormDefOf(made, form);
  }

  // A new form is a table under the first free name "Table1", "Table2"...;
  // the help form is made when missing.
  HRESULT AddForm(int mode) override {
    if (mode == QV_ADDFORM_HELP) {
      if (Type().FindForm(kModelHelpForm)) return S_OK;
      return Type().AddForm(std::string(kModelHelpForm), CLSID_QVModelHelpForm, {});
    }
    if (mode != QV_ADDFORM_NEW) return E_INVALIDARG;
    for (int n = 1;; ++n) {
      const std::string name = "Table" + std::to_string(n);
      if (!Type().FindForm(name)) return Type().AddForm(name, CLSID_QVTableForm, {});
    }
  }

  HRESULT RemoveForm(const std::string& name) override { return Type().RemoveForm(name); }

  HRESULT RenameForm(const std::string& oldName, const std::string& newName) override {
    return Type().RenameForm(oldName, newName);
  }

  HRESULT GetDefaultForm(std::string& name) override {
    if (!Type().IsUsable()) return FE_STALE;
    name = Type().DefaultFormName();
    return S_OK;
  }

  HRESULT SetDefaultForm(const std::string& name) override { return Type().SetDefaultFormName(name); }
};

}  // namespace

CComPtr<IUnknown> MakeFormContainerView(CStoreType* type) {
  return MakeView<CFormContainerView>(type);
}
