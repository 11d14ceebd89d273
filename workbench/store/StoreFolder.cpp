#include "workbench/store/StoreFolder.h"

#include "host/com/ComEnum.h"
#include "host/framework/CQVGeneralUtil.h"
#include "host/store/Status.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

CStoreFolder::CStoreFolder(std::string name, DWORD flags, CStorePalette* palette, CStoreFolder* parent)
    : m_name(std::move(name)), m_flags(flags), m_palette(palette), m_parent(parent) {}

CStoreFolder::~CStoreFolder() { Dismantle(); }

void CStoreFolder::Dismantle() {
  for (const auto& entry : m_items.Entries()) entry.value->NoteReleasedBy(this);
  m_items.Clear();
  for (const auto& entry : m_folders.Entries()) entry.value->Dismantle();
  m_folders.Clear();
  // Whoever still holds the folder finds it stale: it belongs to no palette any more.
  m_palette.Reset();
  m_parent.Reset();
}

std::vector<std::string> CStoreFolder::Path() const {
  std::vector<std::string> names;
  for (const CStoreFolder* f = this; f && f->Parent(); f = f->Parent()) names.insert(names.begin(), f->m_name);
  return names;
}

CStoreFolder* CStoreFolder::SubFolder(std::string_view name) const {
  const auto* entry = m_folders.Find(name);
  return entry ? entry->value.Get() : nullptr;
}

std::size_t CStoreFolder::Depth() const {
  std::size_t depth = 0;
  for (const CStoreFolder* f = Parent(); f; f = f->Parent()) ++depth;
  return depth;
}

CStoreFolder* CStoreFolder::MakeSubFolder(const std::string& name, DWORD flags) {
  if (CStoreFolder* existing = SubFolder(name)) return existing;
  if (!CQVGeneralUtil::IsValidNameNoMessage(name) || Depth() + 1 > kMaxDepth) return nullptr;
  CComPtr<CStoreFolder> folder = MakeComObject<CStoreFolder>(name, flags, Palette(), this);
  m_folders.Add(name, folder);
  return folder;
}

std::vector<CComPtr<CStoreFolder>> CStoreFolder::SubFolders() const { return m_folders.Values(); }
std::vector<CComPtr<CStoreType>> CStoreFolder::Items() const { return m_items.Values(); }
std::size_t CStoreFolder::ItemCount() const { return m_items.Size(); }
bool CStoreFolder::Holds(std::string_view name) const { return m_items.Contains(name); }

CStoreType* CStoreFolder::Item(std::string_view name) const {
  const auto* entry = m_items.Find(name);
  return entry ? entry->value.Get() : nullptr;
}

bool CStoreFolder::Insert(CStoreType* type) {
  if (!type || !m_items.Add(type->Name(), CComPtr<CStoreType>(type))) return false;
  type->NoteHeldBy(this);
  return true;
}

bool CStoreFolder::Erase(std::string_view name) {
  CComPtr<CStoreType> removed = m_items.Remove(name);
  if (!removed) return false;
  removed->NoteReleasedBy(this);
  return true;
}

bool CStoreFolder::RenameItem(std::string_view oldName, const std::string& newName) {
  return m_items.Rename(oldName, newName);
}

CStoreFolder* CStoreFolder::FindHolder(std::string_view name) {
  if (Holds(name)) return this;
  for (const auto& entry : m_folders.Entries())
    if (CStoreFolder* holder = entry.value->FindHolder(name)) return holder;
  return nullptr;
}

bool CStoreFolder::IsEmptyTree() const {
  if (!m_items.Empty()) return false;
  for (const auto& entry : m_folders.Entries())
    if (!entry.value->IsEmptyTree()) return false;
  return true;
}

bool CStoreFolder::IsWritable() const {
  const CStorePalette* palette = Palette();
  return palette && palette->IsUsable() && !palette->IsReadOnly();
}

// ---- IFFolder ----

HRESULT CStoreFolder::GetName(std::string& name) {
  name = m_name;
  return S_OK;
}

HRESULT CStoreFolder::SetName(const std::string& name) {
  CStoreFolder* parent = Parent();
  if (!parent) return Palette() ? FE_READONLY : FE_STALE;  // the root is named after its palette
  if (!IsWritable()) return Palette() ? FE_READONLY : FE_STALE;
  if (!CQVGeneralUtil::IsValidNameNoMessage(name)) return FE_INVALIDNAME;
  if (!parent->m_folders.Rename(m_name, name)) return FE_NAMEEXISTS;
  m_name = name;
  return S_OK;
}

HRESULT CStoreFolder::GetParent(IFFolder** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  CStoreFolder* up = Parent();
  if (!up) return E_FAIL;
  return CComPtr<IFFolder>(up).CopyTo(parent);
}

HRESULT CStoreFolder::CreateFolder(const std::string& name, DWORD flags, IFFolder** folder) {
  if (folder) *folder = nullptr;
  if (!IsWritable()) return Palette() ? FE_READONLY : FE_STALE;
  if (!CQVGeneralUtil::IsValidNameNoMessage(name)) return FE_INVALIDNAME;
  if (SubFolder(name)) return FE_NAMEEXISTS;
  CStoreFolder* made = MakeSubFolder(name, flags);
  if (!made) return E_FAIL;
  return folder ? CComPtr<IFFolder>(made).CopyTo(folder) : S_OK;
}

HRESULT CStoreFolder::FindFolder(const std::string& name, IFFolder** folder) {
  if (!folder) return E_POINTER;
  *folder = nullptr;
  CStoreFolder* found = SubFolder(name);
  if (!found) return FE_NOTFOUND;
  return CComPtr<IFFolder>(found).CopyTo(folder);
}

HRESULT CStoreFolder::RemoveFolder(const std::string& name) {
  if (!IsWritable()) return Palette() ? FE_READONLY : FE_STALE;
  CStoreFolder* found = SubFolder(name);
  if (!found) return FE_NOTFOUND;
  if (!found->IsEmptyTree()) return FE_NOTEMPTY;
  CComPtr<CStoreFolder> removed = m_folders.Remove(name);
  removed->Dismantle();
  return S_OK;
}

HRESULT CStoreFolder::EnumFolders(IEnum<IFFolder>** folders) {
  std::vector<CComPtr<IFFolder>> list;
  list.reserve(m_folders.Size());
  for (const auto& entry : m_folders.Entries()) list.emplace_back(entry.value.Get());
  return MakeEnum(std::move(list), folders);
}

HRESULT CStoreFolder::EnumTypes(IEnum<IFTypeDesc>** types) {
  std::vector<CComPtr<IFTypeDesc>> list;
  list.reserve(m_items.Size());
  for (const auto& entry : m_items.Entries()) list.emplace_back(static_cast<IFTypeDesc*>(entry.value.Get()));
  return MakeEnum(std::move(list), types);
}

HRESULT CStoreFolder::FindItem(const std::string& name, IFDesc** item) {
  if (!item) return E_POINTER;
  *item = nullptr;
  CStoreType* found = Item(name);
  if (!found) return FE_NOTFOUND;
  return CComPtr<IFDesc>(static_cast<IFTypeDesc*>(found)).CopyTo(item);
}

HRESULT CStoreFolder::AddItem(IFDesc* item) {
  if (!item) return E_POINTER;
  CStoreType* type = StoreTypeOf(item);
  if (!type) return E_INVALIDARG;
  if (!IsWritable()) return Palette() ? FE_READONLY : FE_STALE;
  // A folder lists the types of its own palette only.
  if (type->HoldingPalette() != Palette() || !type->IsUsable()) return E_INVALIDARG;
  if (Holds(type->Name())) return FE_NAMEEXISTS;
  return Insert(type) ? S_OK : E_FAIL;
}

HRESULT CStoreFolder::RemoveItem(const std::string& name) {
  if (!IsWritable()) return Palette() ? FE_READONLY : FE_STALE;
  return Erase(name) ? S_OK : FE_NOTFOUND;
}

HRESULT CStoreFolder::GetToolbarOrder(int* order) {
  if (!order) return E_POINTER;
  *order = m_toolbarOrder;
  return S_OK;
}

HRESULT CStoreFolder::SetToolbarOrder(int order) {
  if (!IsWritable()) return Palette() ? FE_READONLY : FE_STALE;
  m_toolbarOrder = order;
  return S_OK;
}

HRESULT CStoreFolder::GetDescription(std::optional<std::string>& description) {
  description = m_description;
  return S_OK;
}

HRESULT CStoreFolder::SetDescription(const std::optional<std::string>& description) {
  if (!IsWritable()) return Palette() ? FE_READONLY : FE_STALE;
  if (description && description->empty()) {
    m_description.reset();
  } else {
    m_description = description;
  }
  return S_OK;
}

HRESULT CStoreFolder::GetTankIcon(int* tankIcon) {
  if (!tankIcon) return E_POINTER;
  *tankIcon = m_tankIcon;
  return S_OK;
}

HRESULT CStoreFolder::SetTankIcon(int tankIcon) {
  if (!IsWritable()) return Palette() ? FE_READONLY : FE_STALE;
  m_tankIcon = tankIcon;
  return S_OK;
}
