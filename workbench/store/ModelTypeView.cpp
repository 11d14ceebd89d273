// IRModelType of models, controllers, stream types, structure types and
// flowsheets: what the flowsheet sees of a type dragged onto it.
#include "host/model/IQVFormContainer.h"
#include "host/model/IRModelType.h"
#include "host/store/Status.h"
#include "workbench/store/TypeView.h"
#include "workbench/store/TypeViews.h"

namespace {

class CModelTypeView : public CTypeView<IRModelType> {
 public:
  using CTypeView::CTypeView;

  HRESULT GetName(std::string& name) override {
    name = Type().Name();
    return S_OK;
  }

  HRESULT GetDescription(std::string& description) override {
    description = Type().Description();
    return S_OK;
  }

  // Only models and controllers that may be changed become active models.
  HRESULT IsActiveModelExcluded(bool* excluded) override {
    if (!excluded) return E_POINTER;
    const StoreKind kind = Type().Kind();
    *excluded = (kind != StoreKind::Model && kind != StoreKind::Controller) || Type().IsBuiltIn();
    return S_OK;
  }

  HRESULT GetForms(IQVFormContainer** forms) override {
    if (!forms) return E_POINTER;
    *forms = nullptr;
    return MakeFormContainerView(m_type)->QueryInterface(IID_IQVFormContainer, reinterpret_cast<void**>(forms));
  }
};

}  // namespace

CComPtr<IUnknown> MakeModelTypeView(CStoreType* type) {
  return MakeView<CModelTypeView>(type);
}
