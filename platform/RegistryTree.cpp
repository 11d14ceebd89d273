#include "platform/RegistryTree.h"

#include <algorithm>

bool IsValidRegistryKeyName(std::string_view name) {
  if (name.empty() || name.size() > kMaxKeyNameLength) return false;
  return name.find_first_of(std::string_view("\\\r\n\0", 4)) == std::string_view::npos;
}

bool IsValidRegistryValueName(std::string_view name) {
  return name.size() <= kMaxValueNameLength && name.find('\0') == std::string_view::npos;
}

std::string RegistryFoldCase(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

namespace {
// Removes the item named name from items and its index; later positions shift down by one.
template <typename Item>
bool RemoveIndexed(std::vector<Item>& items, std::unordered_map<std::string, std::size_t>& index,
                   std::string_view name) {
  auto it = index.find(RegistryFoldCase(name));
  if (it == index.end()) return false;
  std::size_t removed = it->second;
  index.erase(it);
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(removed));
  for (auto& entry : index) {
    if (entry.second > removed) --entry.second;
  }
  return true;
}
}  // namespace

RegistryKey* RegistryKey::FindChild(std::string_view name) {
  auto it = m_childIndex.find(RegistryFoldCase(name));
  return it == m_childIndex.end() ? nullptr : m_children[it->second].get();
}

const RegistryKey* RegistryKey::FindChild(std::string_view name) const {
  return const_cast<RegistryKey*>(this)->FindChild(name);
}

RegistryKey& RegistryKey::Child(std::string_view name) {
  if (RegistryKey* found = FindChild(name)) return *found;
  m_childIndex.emplace(RegistryFoldCase(name), m_children.size());
  m_children.push_back(std::make_unique<RegistryKey>(std::string(name)));
  return *m_children.back();
}

bool RegistryKey::RemoveChild(std::string_view name) { return RemoveIndexed(m_children, m_childIndex, name); }

RegistryKey* RegistryKey::Find(const std::vector<std::string>& path) {
  RegistryKey* key = this;
  for (const auto& name : path) {
    key = key->FindChild(name);
    if (!key) return nullptr;
  }
  return key;
}

const RegistryKey* RegistryKey::Find(const std::vector<std::string>& path) const {
  return const_cast<RegistryKey*>(this)->Find(path);
}

RegistryKey& RegistryKey::Create(const std::vector<std::string>& path) {
  RegistryKey* key = this;
  for (const auto& name : path) key = &key->Child(name);
  return *key;
}

bool RegistryKey::Remove(const std::vector<std::string>& path) {
  if (path.empty()) return false;
  RegistryKey* parent = Find(std::vector<std::string>(path.begin(), path.end() - 1));
  return parent && parent->RemoveChild(path.back());
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
  auto it = m_valueIndex.find(RegistryFoldCase(name));
  return it == m_valueIndex.end() ? nullptr : &m_values[it->second];
}

void RegistryKey::SetValue(RegistryValue value) {
  auto [it, added] = m_valueIndex.emplace(RegistryFoldCase(value.name), m_values.size());
  if (added) {
    m_values.push_back(std::move(value));
    return;
  }
  RegistryValue& existing = m_values[it->second];
  value.name = existing.name;  // the first spelling stays
  existing = std::move(value);
}

bool RegistryKey::RemoveValue(std::string_view name) { return RemoveIndexed(m_values, m_valueIndex, name); }
