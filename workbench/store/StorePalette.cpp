#include "workbench/store/StorePalette.h"

#include <algorithm>

#include "host/com/ComEnum.h"
#include "host/framework/CQVGeneralUtil.h"
#include "host/store/Status.h"
#include "host/store/TypeFlags.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/StoreFolder.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeTableView.h"

namespace {

// The folders a library's or the simulation's palette has from the start.
constexpr StoreKind kStandardFolderKinds[] = {StoreKind::Model,     StoreKind::Structure, StoreKind::Stream,
                                              StoreKind::Parameter, StoreKind::Variable,  StoreKind::Port,
                                              StoreKind::Procedure, StoreKind::Function,  StoreKind::Task,
                                              StoreKind::Script};

}  // namespace

CStorePalette::CStorePalette(std::string name, CStoreType* owner) : m_name(std::move(name)), m_owner(owner) {
  m_root = MakeComObject<CStoreFolder>(m_name, 0, this, nullptr);
  if (owner && (owner->Kind() == StoreKind::Simulation || owner->Kind() == StoreKind::Library))
    for (StoreKind kind : kStandardFolderKinds) KindFolder(kind);
}

CStorePalette::~CStorePalette() {
  // Types others still hold lose their folders and their palette with us.
  for (const auto& entry : m_types.Entries()) entry.value->MarkDeleted();
  m_root->Dismantle();
}

bool CStorePalette::IsUsable() const {
  const CStoreType* owner = Owner();
  return owner && owner->IsUsable();
}

std::size_t CStorePalette::TypeCount() const { return m_types.Size(); }
std::vector<CComPtr<CStoreType>> CStorePalette::Types() const { return m_types.Values(); }

std::vector<CComPtr<CStoreType>> CStorePalette::TypesOfKind(StoreKind kind) const {
  std::vector<CComPtr<CStoreType>> list;
  for (const auto& entry : m_types.Entries())
    if (entry.value->Kind() == kind) list.push_back(entry.value);
  return list;
}

// ---- folders ----

CStoreFolder* CStorePalette::Folder(std::string_view name, bool create) {
  if (CStoreFolder* found = m_root->SubFolder(name)) return found;
  return create ? m_root->MakeSubFolder(std::string(name), 0) : nullptr;
}

CStoreFolder* CStorePalette::KindFolder(StoreKind kind) {
  const std::string_view name = KindFolderName(kind);
  return name.empty() ? nullptr : Folder(name, true);
}

CStoreFolder* CStorePalette::FolderPath(const std::vector<std::string>& names, bool create, DWORD flags) {
  CStoreFolder* folder = m_root;
  for (const std::string& name : names) {
    CStoreFolder* next = folder->SubFolder(name);
    if (!next && create) next = folder->MakeSubFolder(name, folder == m_root.Get() ? 0 : flags);
    if (!next) return nullptr;
    folder = next;
  }
  return folder;
}

// ---- types ----

CStoreType* CStorePalette::Find(std::string_view name) const {
  const auto* entry = m_types.Find(name);
  return entry ? entry->value.Get() : nullptr;
}

CStoreType* CStorePalette::FindVisible(std::string_view name) const {
  if (CStoreType* own = Find(name)) return own;
  // Breadth first over the used libraries and theirs, each palette once.
  std::vector<const CStorePalette*> queue{this};
  for (std::size_t i = 0; i < queue.size(); ++i) {
    for (CStoreType* library : queue[i]->UsedLibraries()) {
      const CStorePalette* palette = library->OwnedPalette();
      if (!palette || std::find(queue.begin(), queue.end(), palette) != queue.end()) continue;
      if (CStoreType* found = palette->Find(name)) return found;
      queue.push_back(palette);
    }
  }
  return nullptr;
}

HRESULT CStorePalette::Place(CStoreType* type, CStoreFolder* folder) {
  CStoreType::NoteDefinitionsChanged();
  if (!type) return E_POINTER;
  if (type->HoldingPalette() || type->IsDeleted()) return E_INVALIDARG;
  if (!CQVGeneralUtil::IsValidNameNoMessage(type->Name())) return FE_INVALIDNAME;
  if (folder && folder->Palette() != this) return E_INVALIDARG;
  if (!m_types.Add(type->Name(), CComPtr<CStoreType>(type))) return FE_NAMEEXISTS;
  type->AttachToPalette(this);
  if (!folder) folder = KindFolder(type->Kind());
  if (folder) folder->Insert(type);
  NoteCompileState(type);
  if (m_referrersBuilt) IndexReferences(type);
  return S_OK;
}

HRESULT CStorePalette::Remove(std::string_view name) {
  CStoreType::NoteDefinitionsChanged();
  CComPtr<CStoreType> type(Find(name));
  if (!type) return FE_NOTFOUND;
  for (CStoreFolder* folder : type->HoldingFolders()) folder->Erase(type->Name());
  if (m_referrersBuilt) UnindexReferences(type, type->ReferencedNames());
  m_types.Remove(name);
  type->MarkDeleted();
  return S_OK;
}

HRESULT CStorePalette::Delete(std::string_view name) {
  if (!Find(name)) return FE_NOTFOUND;
  if (IsInUse(name)) return FE_INUSE;
  return Remove(name);
}

HRESULT CStorePalette::Rename(std::string_view oldName, const std::string& newName, bool patchReferences) {
  CStoreType::NoteDefinitionsChanged();
  CComPtr<CStoreType> type(Find(oldName));
  if (!type) return FE_NOTFOUND;
  if (!CQVGeneralUtil::IsValidNameNoMessage(newName)) return FE_INVALIDNAME;
  CStoreType* other = Find(newName);
  if (other && other != type.Get()) return FE_NAMEEXISTS;
  const std::string previous = type->Name();
  if (previous == newName) return S_OK;

  // Who refers to the old name, here and in the palettes that see this one's types.
  std::vector<CStoreType*> referrers;
  if (patchReferences) {
    referrers = ReferrersOf(previous);
    for (CStorePalette* user : Users())
      if (!user->Find(previous))
        for (CStoreType* referrer : user->ReferrersOf(previous)) referrers.push_back(referrer);
  }

  m_types.Rename(previous, newName);
  for (CStoreFolder* folder : type->HoldingFolders()) folder->RenameItem(previous, newName);
  type->SetName(newName, true);
  for (CStoreType* referrer : referrers)
    referrer->RenameReferences(previous, newName);
  return S_OK;
}

bool CStorePalette::IsInUse(std::string_view name) const {
  const CStoreType* type = Find(name);
  if (!type) return false;
  if (type->InstanceUses() > 0 || type->IsTaskActive()) return true;
  if (ReferencedFromElsewhere(name, type)) return true;
  for (CStorePalette* user : Users())
    if (!user->Find(name) && user->ReferencedFromElsewhere(name, type)) return true;
  return false;
}

bool CStorePalette::ReferencedFromElsewhere(std::string_view name, const CStoreType* self) const {
  EnsureReferenceIndex();
  auto it = m_referrers.find(LowerAscii(name));
  if (it == m_referrers.end()) return false;
  for (CStoreType* referrer : it->second)
    if (referrer != self) return true;
  return false;
}

std::vector<CStoreType*> CStorePalette::ReferrersOf(std::string_view name) const {
  EnsureReferenceIndex();
  auto it = m_referrers.find(LowerAscii(name));
  if (it == m_referrers.end()) return {};
  // In the order the types were added, so that patching is repeatable.
  std::vector<CStoreType*> ordered;
  ordered.reserve(it->second.size());
  for (const auto& entry : m_types.Entries())
    if (it->second.count(entry.value.Get())) ordered.push_back(entry.value.Get());
  return ordered;
}

// ---- references ----

void CStorePalette::EnsureReferenceIndex() const {
  if (m_referrersBuilt) return;
  m_referrersBuilt = true;
  for (const auto& entry : m_types.Entries()) const_cast<CStorePalette*>(this)->IndexReferences(entry.value);
}

void CStorePalette::IndexReferences(CStoreType* type) {
  for (const std::string& name : type->ReferencedNames()) m_referrers[LowerAscii(name)].insert(type);
}

void CStorePalette::UnindexReferences(CStoreType* type, const std::vector<std::string>& references) {
  for (const std::string& name : references) {
    auto it = m_referrers.find(LowerAscii(name));
    if (it == m_referrers.end()) continue;
    it->second.erase(type);
    if (it->second.empty()) m_referrers.erase(it);
  }
}

void CStorePalette::NoteTextChanged(CStoreType* type, const std::vector<std::string>& oldReferences) {
  if (!m_referrersBuilt || Find(type->Name()) != type) return;
  UnindexReferences(type, oldReferences);
  IndexReferences(type);
}

void CStorePalette::NoteCompileState(CStoreType* type) {
  const std::string_view folderName = CompiledFolderName(type->Kind());
  if (folderName.empty() || Find(type->Name()) != type) return;
  CStoreFolder* folder = Folder(folderName, type->HasErrors());
  if (!folder) return;
  if (type->HasErrors()) {
    folder->Insert(type);
  } else {
    folder->Erase(type->Name());
  }
}

// ---- used libraries ----

void CStorePalette::AddUsedLibrary(CStoreType* library, const CStoreType* before) {
  if (!library || library == Owner()) return;
  for (const CStoreType* used : UsedLibraries())
    if (used == library) return;
  auto at = std::find_if(m_usedLibraries.begin(), m_usedLibraries.end(),
                         [&](const CBackLink<CStoreType>& link) { return before && link.Get() == before; });
  m_usedLibraries.emplace(at, library);
  if (CStorePalette* palette = library->OwnedPalette()) palette->m_users.emplace_back(this);
}

void CStorePalette::RemoveUsedLibrary(CStoreType* library) {
  std::erase_if(m_usedLibraries, [&](const CBackLink<CStoreType>& link) { return link.Get() == library; });
  if (!library) return;
  if (CStorePalette* palette = library->OwnedPalette())
    std::erase_if(palette->m_users, [&](const CBackLink<CStorePalette>& link) { return link.Get() == this; });
}

std::vector<CStoreType*> CStorePalette::UsedLibraries() const {
  std::vector<CStoreType*> list;
  for (const auto& link : m_usedLibraries)
    if (CStoreType* library = link.Get(); library && library->IsUsable()) list.push_back(library);
  return list;
}

std::vector<CStorePalette*> CStorePalette::Users() const {
  std::vector<CStorePalette*> list;
  for (const auto& link : m_users)
    if (CStorePalette* user = link.Get(); user && user->IsUsable()) list.push_back(user);
  return list;
}

// ---- COM ----

HRESULT CStorePalette::QueryInterface(REFIID iid, void** out) {
  if (out && iid == IID_IFFolder) return m_root->QueryInterface(iid, out);
  return CComObject::QueryInterface(iid, out);
}

HRESULT CStorePalette::GetName(std::string& name) {
  name = m_name;
  return S_OK;
}

HRESULT CStorePalette::GetOwnerType(IFType** owner) {
  if (!owner) return E_POINTER;
  *owner = nullptr;
  CStoreType* type = Owner();
  if (!type) return FE_STALE;
  return CComPtr<IFType>(type).CopyTo(owner);
}

HRESULT CStorePalette::FindType(const std::string& name, IFTypeDesc** desc) {
  if (!desc) return E_POINTER;
  *desc = nullptr;
  CStoreType* type = FindVisible(name);
  if (!type) return FE_NOTFOUND;
  return CComPtr<IFTypeDesc>(type).CopyTo(desc);
}

HRESULT CStorePalette::AddType(const std::string& name, IFType* type) {
  CStoreType* added = StoreTypeOf(type);
  if (!added) return E_INVALIDARG;
  if (!IsUsable()) return FE_STALE;
  if (IsReadOnly()) return FE_READONLY;
  if (added->HoldingPalette() || added->IsDeleted()) return E_INVALIDARG;
  if (!CQVGeneralUtil::IsValidNameNoMessage(name)) return FE_INVALIDNAME;
  if (Find(name)) return FE_NAMEEXISTS;
  added->SetName(name, true);
  return Place(added);
}

HRESULT CStorePalette::EnumTypes(DWORD mask, IEnum<IFType>** types) {
  std::vector<CComPtr<IFType>> list;
  for (const auto& entry : m_types.Entries())
    if (mask == 0 || (entry.value->Flags() & mask)) list.emplace_back(entry.value.Get());
  return MakeEnum(std::move(list), types);
}

HRESULT CStorePalette::GetTypeTable(IFTypeTable** table) {
  if (!table) return E_POINTER;
  *table = nullptr;
  if (!m_typeTable) m_typeTable = MakeComObject<CTypeTableView>(this);
  return CComPtr<IFTypeTable>(m_typeTable.Get()).CopyTo(table);
}

HRESULT CStorePalette::GetFolder(const std::string& name, bool create, IFFolder** folder) {
  if (!folder) return E_POINTER;
  *folder = nullptr;
  CStoreFolder* found = Folder(name, create);
  if (!found) return create ? FE_INVALIDNAME : FE_NOTFOUND;
  return CComPtr<IFFolder>(found).CopyTo(folder);
}

HRESULT CStorePalette::RenameType(const std::string& oldName, const std::string& newName) {
  if (!IsUsable()) return FE_STALE;
  if (IsReadOnly()) return FE_READONLY;
  CStoreType* type = Find(oldName);
  if (type && type->IsBuiltIn()) return FE_READONLY;
  return Rename(oldName, newName, true);
}
