// IQVInstanceCreation of the simulation: a global instance of a structure
// type is a new member of the simulation's own instance.
#include "host/model/IQVInstanceCreation.h"
#include "host/store/Status.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeViews.h"

namespace {

class CInstanceCreationView : public CComObject<IQVInstanceCreation> {
 public:
  explicit CInstanceCreationView(CStoreInstance* simulation) : m_simulation(simulation) {}

  // Every other interface, and the identity, are the simulation instance's.
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid != IID_IUnknown && CComObject::QueryInterface(iid, out) == S_OK) return S_OK;
    return m_simulation->QueryInterface(iid, out);
  }

  HRESULT CreateGlobalInstance(IFType* structureType, const std::string& name, IFInstance** instance) override {
    if (instance) *instance = nullptr;
    CStoreType* type = StoreTypeOf(structureType);
    if (!type || type->Kind() != StoreKind::Structure) return E_INVALIDARG;
    CComPtr<CStoreInstance> made;
    HRESULT hr = m_simulation->AddChild(name, type, &made);
    if (FAILED(hr) || !instance) return hr;
    return CComPtr<IFInstance>(made.Get()).CopyTo(instance);
  }

 private:
  CComPtr<CStoreInstance> m_simulation;
};

}  // namespace

CComPtr<IUnknown> MakeInstanceCreationView(CStoreInstance* simulation) {
  return CComPtr<IUnknown>(MakeComObject<CInstanceCreationView>(simulation)->Identity());
}
