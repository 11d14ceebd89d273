// IRModel of the simulation's and of model-like instances: the instance's
// name, its type's description, its model type and the instance itself.
#include "host/model/IRModel.h"
#include "host/model/IRModelType.h"
#include "host/store/Status.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeViews.h"

namespace {

class CInstanceModelView : public CComObject<IRModel> {
 public:
  explicit CInstanceModelView(CStoreInstance* instance) : m_instance(instance) {}

  // Every other interface, and the identity, are the instance's.
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid != IID_IUnknown && CComObject::QueryInterface(iid, out) == S_OK) return S_OK;
    return m_instance->QueryInterface(iid, out);
  }

  HRESULT GetName(std::string& name) override { return m_instance->GetName(name); }

  HRESULT GetDescription(std::string& description) override {
    const CStoreType* type = m_instance->Type();
    if (!type) return FE_STALE;
    description = type->Description();
    return S_OK;
  }

  HRESULT GetModelType(IRModelType** type) override {
    if (!type) return E_POINTER;
    *type = nullptr;
    CStoreType* held = m_instance->Type();
    if (!held) return FE_STALE;
    if (held->Kind() == StoreKind::Simulation) return E_FAIL;  // the simulation itself has no model type
    return held->QueryInterface(IID_IRModelType, reinterpret_cast<void**>(type));
  }

  HRESULT GetInstance(IFInstance** instance) override {
    if (!instance) return E_POINTER;
    return CComPtr<IFInstance>(m_instance.Get()).CopyTo(instance);
  }

 private:
  CComPtr<CStoreInstance> m_instance;
};

}  // namespace

CComPtr<IUnknown> MakeInstanceModelView(CStoreInstance* instance) {
  return CComPtr<IUnknown>(MakeComObject<CInstanceModelView>(instance)->Identity());
}
