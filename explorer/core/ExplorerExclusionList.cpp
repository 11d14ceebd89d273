#include "explorer/core/ExplorerExclusionList.h"

#include <algorithm>
#include <optional>

#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/QVExplorer.h"
#include "platform/Registry.h"

namespace {

// Value names longer than this cannot be class identifiers.
constexpr DWORD kValueNameBuffer = 80;

}  // namespace

CExplorerExclusionList::CExplorerExclusionList(REFGUID rootClass, int load) : m_rootClass(rootClass) {
  if (load) Load();
}

CExplorerExclusionList::CExplorerExclusionList(const CExplorerExclusionList& other)
    : m_rootClass(other.m_rootClass), m_excluded(other.m_excluded) {}

CExplorerExclusionList& CExplorerExclusionList::operator=(const CExplorerExclusionList& other) {
  m_rootClass = other.m_rootClass;
  m_excluded = other.m_excluded;
  return *this;
}

bool CExplorerExclusionList::IsExcluded(REFGUID classId) const {
  return std::find(m_excluded.begin(), m_excluded.end(), classId) != m_excluded.end();
}

std::string CExplorerExclusionList::RegistryKeyName() const {
  std::string key;
  if (!CQVExplorer::GetSettingsRegistryKeyName(m_rootClass, key)) return {};
  return key + "\\Exclusion List";
}

void CExplorerExclusionList::Load() {
  std::string keyName = RegistryKeyName();
  HKEY key = nullptr;
  if (keyName.empty() || RegOpenKeyEx(HKEY_CURRENT_USER, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  for (DWORD index = 0;; ++index) {
    char name[kValueNameBuffer];
    DWORD nameSize = kValueNameBuffer;
    LSTATUS status = RegEnumValue(key, index, name, &nameSize, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA) continue;  // too long to be a class identifier
    if (status != ERROR_SUCCESS) break;
    if (std::optional<GUID> classId = GUID::Parse(std::string(name, nameSize))) m_excluded.push_back(*classId);
  }
  RegCloseKey(key);
}

int CExplorerExclusionList::SaveToRegistry() const {
  std::string keyName = RegistryKeyName();
  CRegKey key;
  if (keyName.empty() || key.Create(HKEY_CURRENT_USER, keyName) != ERROR_SUCCESS) return 0;
  std::string name;
  while (key.EnumValueName(0, name) == ERROR_SUCCESS) {
    if (key.DeleteValue(name) != ERROR_SUCCESS) return 0;
  }
  for (const GUID& classId : m_excluded) {
    if (key.SetDWORDValue(classId.ToString(), 0) != ERROR_SUCCESS) return 0;
  }
  return 1;
}

void CExplorerExclusionList::SetShowVariablesInGroups(int value, CExplorerObject* notifier) {
  m_showVariablesInGroups = value;
  if (!notifier) return;
  if (CWnd* owner = notifier->GetOwner()) owner->PostMessage(EXPLORER_SHOW_EQNORVARS, 0, 0);
  CRegKey key;
  if (key.Create(HKEY_CURRENT_USER, CQVExplorer::GetSettingsRootKeyName()) == ERROR_SUCCESS)
    key.SetDWORDValue("ShowVariablesinGroups", static_cast<DWORD>(value));
}
