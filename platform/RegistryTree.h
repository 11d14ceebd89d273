// The in-memory form of a registry root: keys with subkeys and typed values.
// Key and value names are found without regard to ASCII case, as the system's
// registry does, and keep the spelling they were created with. Values keep the
// order in which they were first written; subkeys keep their creation order.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Registry.h"

struct RegistryValue {
  std::string name;
  DWORD type = 0;       // REG_DWORD or REG_SZ
  DWORD number = 0;     // REG_DWORD data
  std::string text;     // REG_SZ data, without its terminator
};

// Limits of names and depth; they keep every stored key writable as a section line.
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;
constexpr std::size_t kMaxKeyDepth = 512;

// A key name may not be empty, hold a backslash, a line break or a zero byte, or exceed 255 bytes.
bool IsValidRegistryKeyName(std::string_view name);
// A value name may hold anything but a zero byte, up to 16383 bytes.
bool IsValidRegistryValueName(std::string_view name);
// ASCII lower case: the form names are compared in.
std::string RegistryFoldCase(std::string_view name);

class RegistryKey {
 public:
  explicit RegistryKey(std::string name = {}) : m_name(std::move(name)) {}
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  RegistryKey(RegistryKey&&) = default;
  RegistryKey& operator=(RegistryKey&&) = default;

  const std::string& Name() const { return m_name; }

  // Subkeys, one level down.
  RegistryKey* FindChild(std::string_view name);
  const RegistryKey* FindChild(std::string_view name) const;
  RegistryKey& Child(std::string_view name);  // made when missing
  bool RemoveChild(std::string_view name);
  const std::vector<std::unique_ptr<RegistryKey>>& Children() const { return m_children; }

  // A path of key names below this key; an empty path is this key.
  RegistryKey* Find(const std::vector<std::string>& path);
  const RegistryKey* Find(const std::vector<std::string>& path) const;
  RegistryKey& Create(const std::vector<std::string>& path);
  bool Remove(const std::vector<std::string>& path);  // false for an empty path or a missing key

  // Values in first-written order. Setting an existing value keeps its place.
  const RegistryValue* FindValue(std::string_view name) const;
  void SetValue(RegistryValue value);
  bool RemoveValue(std::string_view name);
  const std::vector<RegistryValue>& Values() const { return m_values; }

 private:
  std::string m_name;
  std::vector<std::unique_ptr<RegistryKey>> m_children;
  std::unordered_map<std::string, std::size_t> m_childIndex;  // folded name -> position
  std::vector<RegistryValue> m_values;
  std::unordered_map<std::string, std::size_t> m_valueIndex;  // folded name -> position
};
