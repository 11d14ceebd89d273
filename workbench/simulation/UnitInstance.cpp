// The instance of a block, hierarchy, stream or global structure (and of the
// top flowsheet): its name, path, type and attributes, its children, its
// model, renaming, the graphical copy and cut, and the structure copy and cut.
#include "host/com/ComEnum.h"
#include "host/model/IQVGraphicalCopy.h"
#include "host/model/IQVRename.h"
#include "host/model/IQVStructure.h"
#include "host/model/IRModel.h"
#include "host/model/IRModelType.h"
#include "host/store/IFChildCollection.h"
#include "host/store/IFInstance.h"
#include "host/store/IFPropertyDesc.h"
#include "host/store/IFValidity.h"
#include "host/store/Status.h"
#include "host/store/TypeFlags.h"
#include "workbench/simulation/FlowsheetHost.h"
#include "workbench/simulation/FlowsheetObjects.h"
#include "workbench/store/StoreInstance.h"
#include "workbench/store/StoreType.h"

namespace {

DWORD AttributesOf(UnitKind kind) {
  switch (kind) {
    case UnitKind::Block: return FP_SUBMODEL;
    case UnitKind::Hierarchy: return FI_HIERARCHY;
    case UnitKind::GlobalStructure: return FI_GLOBAL_STRUCTURE;
    default: return 0;
  }
}

class CUnitInstance : public CComObject<IFInstance, IFValidity, IFChildCollection, IRModel, IQVRename>,
                      public IQVGraphicalCopy,
                      public IQVStructure {
 public:
  CUnitInstance(CFlowsheetHost& host, std::string path) : m_host(&host), m_path(std::move(path)) {}

  // ---- IUnknown: the copy interfaces only where the unit has them ----
  HRESULT QueryInterface(REFIID iid, void** out) override { return CComObject::QueryInterface(iid, out); }
  ULONG AddRef() override { return CComObject::AddRef(); }
  ULONG Release() override { return CComObject::Release(); }

  // ---- IFInstance / IRModel ----
  HRESULT GetName(std::string& name) override {
    const FlowsheetUnit* unit = Unit();
    if (!unit) return FE_STALE;
    name = unit->kind == UnitKind::Flowsheet ? std::string("Flowsheet") : unit->name;
    return S_OK;
  }
  HRESULT GetPath(std::string& path) override {
    if (!Unit()) return FE_STALE;
    path = m_path;
    return S_OK;
  }
  HRESULT GetType(IFType** type) override {
    if (!type) return E_POINTER;
    *type = nullptr;
    const FlowsheetUnit* unit = Unit();
    if (!unit) return FE_STALE;
    CStoreType* held = TypeOf(*unit);
    return held ? CComPtr<IFType>(held).CopyTo(type) : FE_NOTFOUND;
  }
  HRESULT GetClassID(CLSID* classId) override {
    if (!classId) return E_POINTER;
    CComPtr<IFType> type;
    HRESULT hr = GetType(&type);
    if (FAILED(hr)) return hr;
    return type->GetClassID(classId);
  }
  HRESULT GetAttributes(DWORD* attributes) override {
    if (!attributes) return E_POINTER;
    const FlowsheetUnit* unit = Unit();
    if (!unit) return FE_STALE;
    *attributes = AttributesOf(unit->kind);
    return S_OK;
  }
  HRESULT GetProperty(const std::string& name, IFPropertyDesc** property, IFInstance** value) override {
    if (property) *property = nullptr;
    if (value) *value = nullptr;
    if (!Unit()) return FE_STALE;
    CComPtr<IFInstance> child = m_host.Get()->Instance(JoinPath(m_path, name));
    if (!child) return FE_NOTFOUND;
    return value ? child.CopyTo(value) : S_OK;
  }
  HRESULT GetPropertyDesc(IFPropertyDesc** property) override {
    if (property) *property = nullptr;
    return E_FAIL;
  }
  HRESULT EnumProperties(DWORD, IEnum<IFPropertyDesc>** properties) override {
    if (!properties) return E_POINTER;
    *properties = nullptr;
    if (!Unit()) return FE_STALE;
    return MakeEnum(std::vector<CComPtr<IFPropertyDesc>>{}, properties);
  }
  HRESULT CreateChild(const std::string&, IFType*, IFInstance** child) override {
    if (child) *child = nullptr;
    return E_NOTIMPL;
  }
  // ---- IFValidity ----
  HRESULT IsValid(bool* valid) override {
    if (!valid) return E_POINTER;
    *valid = Unit() != nullptr;
    return S_OK;
  }
  // ---- IFChildCollection ----
  HRESULT EnumChildren(DWORD mask, IEnum<IFInstance>** children) override {
    return Enumerate(children, [mask](const FlowsheetUnit& u) { return (AttributesOf(u.kind) & mask) != 0; }, false);
  }
  HRESULT EnumStreams(IEnum<IFInstance>** streams) override {
    return Enumerate(streams, [](const FlowsheetUnit&) { return true; }, true);
  }
  // ---- IRModel ----
  HRESULT GetDescription(std::string& description) override {
    const FlowsheetUnit* unit = Unit();
    if (!unit) return FE_STALE;
    description = unit->description;
    return S_OK;
  }
  HRESULT GetModelType(IRModelType** type) override {
    if (!type) return E_POINTER;
    *type = nullptr;
    const FlowsheetUnit* unit = Unit();
    if (!unit) return FE_STALE;
    CStoreType* held = TypeOf(*unit);
    if (!held) return E_FAIL;
    return held->QueryInterface(IID_IRModelType, reinterpret_cast<void**>(type));
  }
  HRESULT GetInstance(IFInstance** instance) override {
    if (!instance) return E_POINTER;
    return CComPtr<IFInstance>(static_cast<IFInstance*>(this)).CopyTo(instance);
  }
  // ---- IQVRename ----
  HRESULT Rename(const std::string& newName) override {
    CFlowsheetHost* host = m_host.Get();
    if (!host) return FE_STALE;
    const HRESULT hr = host->RenameUnit(m_path, newName);
    if (SUCCEEDED(hr)) m_path = JoinPath(ParentPath(), newName);
    return hr;
  }
  // ---- IQVGraphicalCopy ----
  HRESULT CanCopyCut(bool* possible) override {
    if (!possible) return E_POINTER;
    const FlowsheetUnit* unit = Unit();
    *possible = unit && (unit->kind == UnitKind::Block || unit->kind == UnitKind::Hierarchy);
    return S_OK;
  }
  HRESULT Copy() override {
    CFlowsheetHost* host = m_host.Get();
    return host && Unit() ? host->CopyToClipboard(m_path) : FE_STALE;
  }
  HRESULT Delete() override {
    CFlowsheetHost* host = m_host.Get();
    return host && Unit() ? host->DeleteUnit(m_path) : FE_STALE;
  }
  // ---- IQVStructure ----
  HRESULT Cut() override {
    const HRESULT hr = Copy();
    return FAILED(hr) ? hr : Delete();
  }

 protected:
  void* QueryOther(REFIID iid) override {
    const FlowsheetUnit* unit = Unit();
    if (!unit) return nullptr;
    if (iid == IID_IQVGraphicalCopy && unit->kind != UnitKind::Flowsheet && unit->kind != UnitKind::GlobalStructure)
      return static_cast<IQVGraphicalCopy*>(this);
    if (iid == IID_IQVStructure && unit->kind == UnitKind::GlobalStructure) return static_cast<IQVStructure*>(this);
    return nullptr;
  }

 private:
  const FlowsheetUnit* Unit() const {
    CFlowsheetHost* host = m_host.Get();
    if (!host) return nullptr;
    const CFlowsheet& flowsheet = host->Current();
    const int index = flowsheet.FindUnit(m_path);
    return index < 0 ? nullptr : &flowsheet.Unit(index);
  }

  // The unit's type; a unit whose type is missing gets one that never compiled (so it shows Not OK).
  CStoreType* TypeOf(const FlowsheetUnit& unit) const {
    if (unit.type) return unit.type.Get();
    return unit.typeName.empty() ? nullptr : m_host.Get()->MissingType(unit.typeName);
  }

  std::string ParentPath() const {
    const std::size_t dot = m_path.rfind('.');
    return dot == std::string::npos ? std::string() : m_path.substr(0, dot);
  }

  template <class Filter>
  HRESULT Enumerate(IEnum<IFInstance>** out, Filter filter, bool streams) {
    if (!out) return E_POINTER;
    *out = nullptr;
    const FlowsheetUnit* unit = Unit();
    if (!unit) return FE_STALE;
    CFlowsheetHost* host = m_host.Get();
    const CFlowsheet& flowsheet = host->Current();
    std::vector<CComPtr<IFInstance>> list;
    for (int index : streams ? unit->streams : unit->blocks) {
      const FlowsheetUnit& child = flowsheet.Unit(index);
      if (filter(child)) list.push_back(MakeUnitInstance(*host, child.path));
    }
    return MakeEnum(std::move(list), out);
  }

  CBackLink<CFlowsheetHost> m_host;
  std::string m_path;
};

}  // namespace

CComPtr<IFInstance> MakeUnitInstance(CFlowsheetHost& host, const std::string& path) {
  CComPtr<CUnitInstance> made = MakeComObject<CUnitInstance>(host, path);
  return CComPtr<IFInstance>(static_cast<IFInstance*>(made.Get()));
}
