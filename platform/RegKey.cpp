// CRegKey: a registry key held for a scope, with typed helpers.
#include "platform/Registry.h"

#include <vector>

namespace {
// The longest prefix of text of at most limit bytes that does not cut a UTF-8 character.
std::string CutAtCharacter(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}
}  // namespace

LSTATUS CRegKey::Open(HKEY parent, const std::string& subKey, DWORD access) {
  Close();
  return RegOpenKeyEx(parent, subKey, 0, access, &m_key);
}

LSTATUS CRegKey::Create(HKEY parent, const std::string& subKey) {
  Close();
  return RegCreateKeyEx(parent, subKey, &m_key);
}

void CRegKey::Close() {
  if (m_key) RegCloseKey(m_key);
  m_key = nullptr;
}

LSTATUS CRegKey::QueryDWORDValue(const std::string& name, DWORD& value) const {
  DWORD type = REG_NONE;
  DWORD data = 0;
  DWORD size = sizeof data;
  LSTATUS status = RegQueryValueEx(m_key, name, &type, nullptr, nullptr);
  if (status != ERROR_SUCCESS) return status;
  if (type != REG_DWORD) return ERROR_INVALID_DATA;
  status = RegQueryValueEx(m_key, name, nullptr, reinterpret_cast<BYTE*>(&data), &size);
  if (status == ERROR_SUCCESS) value = data;
  return status;
}

LSTATUS CRegKey::QueryStringValue(const std::string& name, std::string& value, std::size_t maxBytes) const {
  DWORD type = REG_NONE;
  DWORD size = 0;
  LSTATUS status = RegQueryValueEx(m_key, name, &type, nullptr, &size);
  if (status != ERROR_SUCCESS) return status;
  if (type != REG_SZ) return ERROR_INVALID_DATA;
  std::vector<BYTE> buffer(size);
  status = RegQueryValueEx(m_key, name, nullptr, buffer.data(), &size);
  if (status != ERROR_SUCCESS) return status;
  std::string text(reinterpret_cast<const char*>(buffer.data()), size ? size - 1 : 0);
  if (maxBytes != 0 && text.size() + 1 > maxBytes) {
    value = CutAtCharacter(text, maxBytes - 1);
    return ERROR_MORE_DATA;
  }
  value = std::move(text);
  return ERROR_SUCCESS;
}

LSTATUS CRegKey::SetDWORDValue(const std::string& name, DWORD value) {
  return RegSetValueEx(m_key, name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

LSTATUS CRegKey::SetStringValue(const std::string& name, const std::string& value) {
  return RegSetValueEx(m_key, name, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
}

LSTATUS CRegKey::DeleteValue(const std::string& name) { return RegDeleteValue(m_key, name); }

LSTATUS CRegKey::EnumValueName(DWORD index, std::string& name) const {
  std::vector<char> buffer(256);
  while (true) {
    DWORD size = static_cast<DWORD>(buffer.size());
    LSTATUS status = RegEnumValue(m_key, index, buffer.data(), &size, nullptr, nullptr, nullptr);
    if (status == ERROR_MORE_DATA && size > buffer.size()) {
      buffer.resize(size);
      continue;
    }
    if (status == ERROR_SUCCESS) name.assign(buffer.data(), size);
    return status;
  }
}
