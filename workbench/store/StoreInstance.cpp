#include "workbench/store/StoreInstance.h"

#include "host/com/ComEnum.h"
#include "host/framework/CQVGeneralUtil.h"
#include "host/store/Status.h"
#include "host/store/TypeFlags.h"
#include "workbench/language/Definition.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeViews.h"

namespace {

// The property class of a member of type (its kind), declared with mode.
DWORD PropertyFlagsFor(const CStoreType* type, DeclarationMode mode) {
  if (mode == DeclarationMode::Input || mode == DeclarationMode::Output) return FP_PORT;
  if (mode == DeclarationMode::External) return FP_STRUCTURE;
  if (!type) return 0;
  switch (type->Kind()) {
    case StoreKind::Variable: return FP_VARIABLE;
    case StoreKind::Parameter: return FP_PARAMETER;
    case StoreKind::Port: return FP_PORT;
    case StoreKind::Structure: return FP_STRUCTURE;
    case StoreKind::Model:
    case StoreKind::Controller:
    case StoreKind::Stream:
    case StoreKind::Flowsheet: return FP_SUBMODEL;
    default: return 0;
  }
}

// The attribute bits of an instance made in a flowsheet for a type of kind.
DWORD AttributesFor(const CStoreType* type) {
  if (!type) return 0;
  switch (type->Kind()) {
    case StoreKind::Model:
    case StoreKind::Controller: return FP_SUBMODEL;
    case StoreKind::Flowsheet: return FI_HIERARCHY;
    case StoreKind::Structure: return FI_GLOBAL_STRUCTURE;
    default: return 0;
  }
}

}  // namespace

// ---- CStoreProperty ----

CStoreProperty::CStoreProperty(std::string name, DWORD flags, CStoreType* type)
    : m_name(std::move(name)), m_flags(flags), m_type(type) {}

HRESULT CStoreProperty::GetName(std::string& name) {
  name = m_name;
  return S_OK;
}

HRESULT CStoreProperty::GetType(IFType** type) {
  if (!type) return E_POINTER;
  *type = nullptr;
  CStoreType* held = m_type.Get();
  if (!held) return FE_STALE;
  return CComPtr<IFType>(held).CopyTo(type);
}

HRESULT CStoreProperty::GetFlags(DWORD* flags) {
  if (!flags) return E_POINTER;
  *flags = m_flags;
  return S_OK;
}

// ---- CStoreInstance ----

CStoreInstance::CStoreInstance(CStoreType* type) : m_type(type) {}

CStoreInstance::CStoreInstance(CStoreType* type, CStoreInstance* parent, CStoreProperty* property,
                               bool countsAsUse)
    : m_type(type), m_parent(parent), m_property(property), m_countsAsUse(countsAsUse) {
  if (m_countsAsUse && type) type->AddInstanceUse();
}

CStoreInstance::~CStoreInstance() {
  if (m_countsAsUse)
    if (CStoreType* type = m_type.Get()) type->RemoveInstanceUse();
}

void CStoreInstance::SetType(CStoreType* type) {
  if (m_countsAsUse) {
    if (CStoreType* old = m_type.Get()) old->RemoveInstanceUse();
    if (type) type->AddInstanceUse();
  }
  m_type.Set(type);
  m_declared.Clear();
  m_declaredVersion = ~0u;
}

bool CStoreInstance::Usable() const {
  const CStoreType* type = Type();
  if (!type || !type->IsUsable()) return false;
  const CStoreInstance* parent = Parent();
  return IsDefault() || (parent && parent->Usable());
}

void CStoreInstance::RefreshDeclared() {
  CStoreType* type = Type();
  if (!type || type->TextVersion() == m_declaredVersion) return;
  m_declaredVersion = type->TextVersion();
  // Members already reached stay the same objects while their declaration does.
  COrderedNameMap<Member> previous = std::move(m_declared);
  m_declared.Clear();
  const Definition* definition = type->ParsedDefinition();
  if (!definition) return;
  const CStorePalette* palette = type->HoldingPalette();
  for (const Declaration& declaration : definition->declarations) {
    CStoreType* memberType = palette ? palette->FindVisible(declaration.typeName) : nullptr;
    const DWORD flags = PropertyFlagsFor(memberType, declaration.mode);
    Member member;
    if (auto* kept = previous.Find(declaration.name);
        kept && kept->value.property->Type() == memberType && kept->value.property->Flags() == flags) {
      member = kept->value;
    } else {
      member.property = MakeComObject<CStoreProperty>(declaration.name, flags, memberType);
    }
    m_declared.Add(declaration.name, std::move(member));
  }
}

CStoreInstance* CStoreInstance::MemberInstance(Member& member) {
  if (!member.instance) {
    CStoreType* type = member.property->Type();
    if (!type) return nullptr;
    member.instance = MakeComObject<CStoreInstance>(type, this, member.property.Get(), false);
  }
  return member.instance;
}

CStoreInstance* CStoreInstance::Child(std::string_view name) {
  if (auto* added = m_added.Find(name)) return MemberInstance(added->value);
  RefreshDeclared();
  if (auto* declared = m_declared.Find(name)) return MemberInstance(declared->value);
  return nullptr;
}

std::vector<CComPtr<CStoreInstance>> CStoreInstance::AddedChildren() const {
  std::vector<CComPtr<CStoreInstance>> list;
  for (const auto& entry : m_added.Entries()) list.push_back(entry.value.instance);
  return list;
}

HRESULT CStoreInstance::AddChild(const std::string& name, CStoreType* type, CStoreInstance** child) {
  if (child) *child = nullptr;
  if (!type) return E_POINTER;
  if (!Usable() || !type->IsUsable()) return FE_STALE;
  if (!CQVGeneralUtil::IsValidNameNoMessage(name)) return FE_INVALIDNAME;
  RefreshDeclared();
  if (m_added.Contains(name) || m_declared.Contains(name)) return FE_NAMEEXISTS;
  Member member;
  member.property = MakeComObject<CStoreProperty>(name, AttributesFor(type) | FP_ADDED, type);
  member.instance = MakeComObject<CStoreInstance>(type, this, member.property.Get(), true);
  CStoreInstance* made = member.instance;
  m_added.Add(name, std::move(member));
  if (child) CComPtr<CStoreInstance>(made).CopyTo(child);
  return S_OK;
}

HRESULT CStoreInstance::RemoveChild(std::string_view name) {
  Member removed = m_added.Remove(name);
  return removed.property ? S_OK : FE_NOTFOUND;
}

// ---- COM ----

HRESULT CStoreInstance::QueryInterface(REFIID iid, void** out) {
  HRESULT hr = CComObject::QueryInterface(iid, out);
  if (hr == S_OK || !out) return hr;
  return MakeInstanceView(this, iid, out);
}

HRESULT CStoreInstance::GetName(std::string& name) {
  if (m_property) {
    name = m_property->Name();
    return S_OK;
  }
  const CStoreType* type = Type();
  if (!type) return FE_STALE;
  name = type->Name();
  return S_OK;
}

HRESULT CStoreInstance::GetPath(std::string& path) {
  if (IsDefault()) {
    path.clear();
    return S_OK;
  }
  CStoreInstance* parent = Parent();
  if (!parent) return FE_STALE;
  std::string base;
  HRESULT hr = parent->GetPath(base);
  if (FAILED(hr)) return hr;
  path = base.empty() ? m_property->Name() : base + "." + m_property->Name();
  return S_OK;
}

HRESULT CStoreInstance::GetType(IFType** type) {
  if (!type) return E_POINTER;
  *type = nullptr;
  CStoreType* held = Type();
  if (!held) return FE_STALE;
  return CComPtr<IFType>(held).CopyTo(type);
}

HRESULT CStoreInstance::GetClassID(CLSID* classId) {
  if (!classId) return E_POINTER;
  const CStoreType* type = Type();
  if (!type) return FE_STALE;
  *classId = type->ClassId();
  return S_OK;
}

HRESULT CStoreInstance::GetAttributes(DWORD* attributes) {
  if (!attributes) return E_POINTER;
  *attributes = IsDefault() ? 0 : AttributesFor(Type());
  return S_OK;
}

HRESULT CStoreInstance::GetProperty(const std::string& name, IFPropertyDesc** property, IFInstance** value) {
  if (property) *property = nullptr;
  if (value) *value = nullptr;
  if (!Usable()) return FE_STALE;
  CStoreInstance* child = Child(name);
  if (child) {
    if (property) CComPtr<IFPropertyDesc>(child->Property()).CopyTo(property);
    if (value) CComPtr<IFInstance>(child).CopyTo(value);
    return S_OK;
  }
  // The default instance of a palette owner reaches the palette's types by name.
  CStoreType* type = Type();
  if (IsDefault() && (type->Kind() == StoreKind::Simulation || type->Kind() == StoreKind::Library)) {
    if (CStoreType* held = type->OwnedPalette()->Find(name)) {
      CStoreInstance* instance = held->DefaultInstance();
      if (property) {
        CComPtr<CStoreProperty> typeProperty = MakeComObject<CStoreProperty>(held->Name(), FP_TYPE, held);
        CComPtr<IFPropertyDesc>(typeProperty.Get()).CopyTo(property);
      }
      if (value) CComPtr<IFInstance>(instance).CopyTo(value);
      return S_OK;
    }
  }
  return FE_NOTFOUND;
}

HRESULT CStoreInstance::GetPropertyDesc(IFPropertyDesc** property) {
  if (!property) return E_POINTER;
  *property = nullptr;
  if (!m_property) return E_FAIL;
  return CComPtr<IFPropertyDesc>(m_property.Get()).CopyTo(property);
}

HRESULT CStoreInstance::EnumProperties(DWORD mask, IEnum<IFPropertyDesc>** properties) {
  if (!properties) return E_POINTER;
  *properties = nullptr;
  if (!Usable()) return FE_STALE;
  RefreshDeclared();
  std::vector<CComPtr<IFPropertyDesc>> list;
  auto take = [&](const COrderedNameMap<Member>& members) {
    for (const auto& entry : members.Entries())
      if (mask == 0 || (entry.value.property->Flags() & mask)) list.emplace_back(entry.value.property.Get());
  };
  take(m_declared);
  take(m_added);
  return MakeEnum(std::move(list), properties);
}

HRESULT CStoreInstance::CreateChild(const std::string& name, IFType* type, IFInstance** child) {
  if (child) *child = nullptr;
  CStoreType* storeType = StoreTypeOf(type);
  if (!storeType) return E_INVALIDARG;
  CComPtr<CStoreInstance> made;
  HRESULT hr = AddChild(name, storeType, &made);
  if (FAILED(hr) || !child) return hr;
  return CComPtr<IFInstance>(made.Get()).CopyTo(child);
}

HRESULT CStoreInstance::IsValid(bool* valid) {
  if (!valid) return E_POINTER;
  *valid = Usable();
  return S_OK;
}
