// Values kept in the order they were added and found by name without regard
// to letter case, each step in constant time: the index of a palette's types
// and of a folder's items and sub-folders, which may hold 100 000 entries.
#pragma once

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "workbench/language/TextCase.h"

template <class V>
class COrderedNameMap {
 public:
  struct Entry {
    std::string name;  // as given
    V value;
  };

  // False (nothing changes) when the name is taken.
  bool Add(std::string name, V value) {
    std::string key = LowerAscii(name);
    if (m_index.count(key)) return false;
    m_entries.push_back(Entry{std::move(name), std::move(value)});
    m_index.emplace(std::move(key), std::prev(m_entries.end()));
    return true;
  }
  const Entry* Find(std::string_view name) const {
    auto it = m_index.find(LowerAscii(name));
    return it == m_index.end() ? nullptr : &*it->second;
  }
  Entry* Find(std::string_view name) {
    auto it = m_index.find(LowerAscii(name));
    return it == m_index.end() ? nullptr : &*it->second;
  }
  bool Contains(std::string_view name) const { return Find(name) != nullptr; }
  // The removed value, or a default value when there was none.
  V Remove(std::string_view name) {
    auto it = m_index.find(LowerAscii(name));
    if (it == m_index.end()) return V();
    V value = std::move(it->second->value);
    m_entries.erase(it->second);
    m_index.erase(it);
    return value;
  }
  // Gives an entry a new name in its place; false when the new name belongs to another entry.
  bool Rename(std::string_view oldName, std::string newName) {
    auto it = m_index.find(LowerAscii(oldName));
    if (it == m_index.end()) return false;
    std::string newKey = LowerAscii(newName);
    auto taken = m_index.find(newKey);
    if (taken != m_index.end() && taken != it) return false;
    auto position = it->second;
    position->name = std::move(newName);
    m_index.erase(it);
    m_index.emplace(std::move(newKey), position);
    return true;
  }
  void Clear() {
    m_index.clear();
    m_entries.clear();
  }

  std::size_t Size() const { return m_entries.size(); }
  bool Empty() const { return m_entries.empty(); }
  const std::list<Entry>& Entries() const { return m_entries; }
  std::vector<V> Values() const {
    std::vector<V> values;
    values.reserve(m_entries.size());
    for (const Entry& e : m_entries) values.push_back(e.value);
    return values;
  }

 private:
  std::list<Entry> m_entries;
  std::unordered_map<std::string, typename std::list<Entry>::iterator> m_index;
};
