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

#include "platform/TextCompare.h"

// Hash and equality of names without regard to ASCII letter case, usable with
// any text (lookups by string_view make no copy).
struct CaselessNameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const { return HashNoCase(name); }
};
struct CaselessNameEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return EqualNoCase(a, b); }
};

template <class V>
class COrderedNameMap {
 public:
  struct Entry {
    std::string name;  // as given
    V value;
  };

  COrderedNameMap() = default;
  // The index points into the entries: a copy would point into the original.
  COrderedNameMap(const COrderedNameMap&) = delete;
  COrderedNameMap& operator=(const COrderedNameMap&) = delete;
  COrderedNameMap(COrderedNameMap&&) = default;
  COrderedNameMap& operator=(COrderedNameMap&&) = default;

  // False (nothing changes) when the name is taken.
  bool Add(std::string name, V value) {
    if (m_index.count(std::string_view(name))) return false;
    m_entries.push_back(Entry{std::move(name), std::move(value)});
    auto position = std::prev(m_entries.end());
    m_index.emplace(std::string_view(position->name), position);
    return true;
  }
  const Entry* Find(std::string_view name) const {
    auto it = m_index.find(name);
    return it == m_index.end() ? nullptr : &*it->second;
  }
  Entry* Find(std::string_view name) {
    auto it = m_index.find(name);
    return it == m_index.end() ? nullptr : &*it->second;
  }
  bool Contains(std::string_view name) const { return Find(name) != nullptr; }
  // The removed value, or a default value when there was none.
  V Remove(std::string_view name) {
    auto it = m_index.find(name);
    if (it == m_index.end()) return V();
    auto position = it->second;
    m_index.erase(it);
    V value = std::move(position->value);
    m_entries.erase(position);
    return value;
  }
  // Gives an entry a new name in its place; false when the new name belongs to another entry.
  bool Rename(std::string_view oldName, std::string newName) {
    auto it = m_index.find(oldName);
    if (it == m_index.end()) return false;
    auto taken = m_index.find(std::string_view(newName));
    if (taken != m_index.end() && taken != it) return false;
    auto position = it->second;
    m_index.erase(it);  // its key still shows the old name
    position->name = std::move(newName);
    m_index.emplace(std::string_view(position->name), position);
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
  // Keyed by views of the entries' own names, which the list keeps in place.
  std::unordered_map<std::string_view, typename std::list<Entry>::iterator, CaselessNameHash, CaselessNameEqual>
      m_index;
};
