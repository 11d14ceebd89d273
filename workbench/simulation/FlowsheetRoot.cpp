// What the simulation's instance answers for its flowsheet: the top
// flowsheet's children, finding variables by path, and making and removing
// global structure instances (declared in the flowsheet's text), and its value-change event.
#include "host/model/IQVGlobalInstances.h"
#include "host/model/IQVInstanceCreation.h"
#include "host/model/IQVVariable.h"
#include "host/model/IQVEventSource.h"
#include "host/model/IQVVariableLookup.h"
#include "host/model/IQVVariableQueries.h"
#include "host/store/IFChildCollection.h"
#include "host/store/IFInstance.h"
#include "host/store/Status.h"
#include "workbench/simulation/FlowsheetHost.h"
#include "workbench/simulation/FlowsheetObjects.h"
#include "workbench/store/StoreType.h"

namespace {

class CFlowsheetRoot
    : public CComObject<IFChildCollection, IQVVariableLookup, IQVVariableQueries, IQVInstanceCreation,
                        IQVGlobalInstances, IQVEventSource> {
 public:
  explicit CFlowsheetRoot(CFlowsheetHost& host) : m_host(&host) {}

  HRESULT EnumChildren(DWORD mask, IEnum<IFInstance>** children) override {
    CComPtr<IFChildCollection> top = Top();
    if (!top) return FE_STALE;
    return top->EnumChildren(mask, children);
  }
  HRESULT EnumStreams(IEnum<IFInstance>** streams) override {
    CComPtr<IFChildCollection> top = Top();
    if (!top) return FE_STALE;
    return top->EnumStreams(streams);
  }

  HRESULT FindVariable(const std::string& path, IQVVariable** variable) override {
    if (!variable) return E_POINTER;
    *variable = nullptr;
    CFlowsheetHost* host = m_host.Get();
    if (!host) return FE_STALE;
    CComPtr<IQVVariable> found = host->Variable(path);
    return found ? found.CopyTo(variable) : FE_NOTFOUND;
  }

  HRESULT CreateQuery(IQVVariableQuery** query) override {
    if (!query) return E_POINTER;
    *query = nullptr;
    CFlowsheetHost* host = m_host.Get();
    if (!host) return FE_STALE;
    return MakeVariableQuery(*host).CopyTo(query);
  }

  HRESULT CreateGlobalInstance(IFType* structureType, const std::string& name, IFInstance** instance) override {
    if (instance) *instance = nullptr;
    CFlowsheetHost* host = m_host.Get();
    if (!host) return FE_STALE;
    CStoreType* type = StoreTypeOf(structureType);
    if (!type || type->Kind() != StoreKind::Structure) return E_INVALIDARG;
    const HRESULT hr = host->AddGlobalStructure(*type, name);
    if (FAILED(hr) || !instance) return hr;
    CComPtr<IFInstance> made = host->Instance(name);
    return made ? made.CopyTo(instance) : E_FAIL;
  }

  HRESULT RemoveGlobalInstance(IFInstance* instance) override {
    CFlowsheetHost* host = m_host.Get();
    if (!host) return FE_STALE;
    if (!instance) return E_POINTER;
    std::string path;
    DWORD attributes = 0;
    if (FAILED(instance->GetPath(path)) || FAILED(instance->GetAttributes(&attributes))) return FE_STALE;
    if (!(attributes & 0x40000000u)) return E_INVALIDARG;
    return host->DeleteUnit(path);
  }

  HRESULT Advise(const std::string& eventName, IDispatch* listener, DWORD* cookie) override {
    if (cookie) *cookie = 0;
    CFlowsheetHost* host = m_host.Get();
    return host ? host->Events().Advise(eventName, listener, cookie) : FE_STALE;
  }
  HRESULT Unadvise(DWORD cookie) override {
    CFlowsheetHost* host = m_host.Get();
    return host ? host->Events().Unadvise(cookie) : FE_STALE;
  }

 private:
  CComPtr<IFChildCollection> Top() {
    CFlowsheetHost* host = m_host.Get();
    if (!host) return {};
    return ComQuery<IFChildCollection>(host->Instance(""));
  }

  CBackLink<CFlowsheetHost> m_host;
};

}  // namespace

CComPtr<IUnknown> MakeFlowsheetRoot(CFlowsheetHost& host) {
  return CComPtr<IUnknown>(MakeComObject<CFlowsheetRoot>(host)->Identity());
}
