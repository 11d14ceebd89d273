#include "workbench/store/ComponentLists.h"

#include "host/framework/CQVGeneralUtil.h"
#include "host/store/Status.h"
#include "workbench/language/TextCase.h"

CComponentLists::CComponentLists() { m_lists.Add(std::string(kDefaultList), CComponentList{}); }

CComponentList* CComponentLists::Find(std::string_view name) {
  auto* entry = m_lists.Find(name);
  return entry ? &entry->value : nullptr;
}

std::vector<std::string> CComponentLists::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : m_lists.Entries()) names.push_back(entry.name);
  return names;
}

HRESULT CComponentLists::Add(const std::string& name, CComponentList list) {
  HRESULT hr = CheckNewName(name);
  if (FAILED(hr)) return hr;
  m_lists.Add(name, std::move(list));
  return S_OK;
}

HRESULT CComponentLists::CheckNewName(const std::string& name) const {
  if (!CQVGeneralUtil::IsValidNameNoMessage(name)) return FE_INVALIDNAME;
  if (m_lists.Contains(name)) return FE_NAMEEXISTS;
  return S_OK;
}

HRESULT CComponentLists::CheckConfigured() { return m_configured ? S_OK : E_FAIL; }

HRESULT CComponentLists::ShowConfiguration() {
  const HRESULT hr = onShowConfiguration ? onShowConfiguration() : S_OK;
  if (hr == S_OK) m_configured = true;
  return hr;
}

HRESULT CComponentLists::ShowSettings() {
  if (!m_configured) return FE_NOTCONFIGURED;
  return onShowSettings ? onShowSettings() : S_OK;
}

HRESULT CComponentLists::GetComponentLists(std::vector<std::string>& names) {
  names = Names();
  return S_OK;
}

HRESULT CComponentLists::HasComponentList(const std::string& name, bool* exists) {
  if (!exists) return E_POINTER;
  *exists = m_lists.Contains(name);
  return S_OK;
}

HRESULT CComponentLists::IsComponentSet(const std::string& name, bool* isSet) {
  if (!isSet) return E_POINTER;
  const CComponentList* list = Find(name);
  if (!list) return FE_NOTFOUND;
  *isSet = list->isSet;
  return S_OK;
}

HRESULT CComponentLists::GetPropertyFile(const std::string& name, std::string& path) {
  const CComponentList* list = Find(name);
  if (!list) return FE_NOTFOUND;
  path = list->isSet ? std::string() : list->propertyFile;
  return S_OK;
}

HRESULT CComponentLists::CreateComponentList(const std::string& name, bool asSet) {
  CComponentList list;
  list.isSet = asSet;
  return Add(name, std::move(list));
}

HRESULT CComponentLists::CopyComponentList(const std::string& name, const std::string& newName) {
  const CComponentList* source = Find(name);
  if (!source) return FE_NOTFOUND;
  return Add(newName, *source);
}

HRESULT CComponentLists::RenameComponentList(const std::string& name, const std::string& newName) {
  const auto* entry = m_lists.Find(name);
  if (!entry) return FE_NOTFOUND;
  if (EqualsNoCase(entry->name, kDefaultList)) return FE_READONLY;
  if (entry->name == newName) return S_OK;
  if (!CQVGeneralUtil::IsValidNameNoMessage(newName)) return FE_INVALIDNAME;
  return m_lists.Rename(name, newName) ? S_OK : FE_NAMEEXISTS;
}

HRESULT CComponentLists::DeleteComponentList(const std::string& name) {
  const auto* entry = m_lists.Find(name);
  if (!entry) return FE_NOTFOUND;
  if (EqualsNoCase(entry->name, kDefaultList)) return FE_READONLY;
  m_lists.Remove(name);
  return S_OK;
}

HRESULT CComponentLists::ConvertComponentList(const std::string& name) {
  CComponentList* list = Find(name);
  if (!list) return FE_NOTFOUND;
  list->isSet = !list->isSet;
  return S_OK;
}

HRESULT CComponentLists::EditComponentList(const std::string& name) {
  if (!Find(name)) return FE_NOTFOUND;
  if (!m_configured) return FE_NOTCONFIGURED;
  return onEdit ? onEdit(name) : S_OK;
}

HRESULT CComponentLists::ShowPropertiesOptions(const std::string& name) {
  const CComponentList* list = Find(name);
  if (!list) return FE_NOTFOUND;
  if (list->isSet) return E_INVALIDARG;  // a set uses no physical properties
  if (!m_configured) return FE_NOTCONFIGURED;
  return onShowOptions ? onShowOptions(name) : S_OK;
}

HRESULT CComponentLists::GetNotes(const std::string& name, std::string& text) {
  const CComponentList* list = Find(name);
  if (!list) return FE_NOTFOUND;
  text = list->notes;
  return S_OK;
}

HRESULT CComponentLists::SetNotes(const std::string& name, const std::string& text) {
  CComponentList* list = Find(name);
  if (!list) return FE_NOTFOUND;
  if (text.size() > kMaxNotes) return E_INVALIDARG;
  list->notes = text;
  return S_OK;
}
