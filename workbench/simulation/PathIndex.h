// Dotted paths ("T101.Outlet.F") found without regard to case in one flat
// table. A slot holds an entry's index in its owner's list and the path's
// hash, so a look-up reads a slot or two and compares one path, and makes no
// string: a path is looked up as scope and name without joining them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/language/TextCase.h"

// Whether path is scope.name (name alone for an empty scope), letters in any case.
inline bool PathIsNoCase(std::string_view path, std::string_view scope, std::string_view name) {
  if (scope.empty()) return EqualsNoCase(path, name);
  return path.size() == scope.size() + 1 + name.size() && path[scope.size()] == '.' &&
         EqualsNoCase(path.substr(0, scope.size()), scope) && EqualsNoCase(path.substr(scope.size() + 1), name);
}

class CPathIndex {
 public:
  // Room for count entries in all without growing.
  void Reserve(std::size_t count);

  // The entry at scope.name, pathOf(index) giving an entry's path; -1 when none.
  template <class PathOf>
  int Find(std::string_view scope, std::string_view name, const PathOf& pathOf) const {
    if (m_slots.empty()) return -1;
    const std::uint32_t hash = Hash(scope, name);
    for (std::size_t at = hash & Mask();; at = (at + 1) & Mask()) {
      const Slot& slot = m_slots[at];
      if (slot.index < 0) return -1;
      if (slot.hash == hash && PathIsNoCase(pathOf(slot.index), scope, name)) return slot.index;
    }
  }

  // Adds index under path unless an entry has that path already (false then).
  template <class PathOf>
  bool Insert(std::string_view path, int index, const PathOf& pathOf) {
    if (2 * (m_count + 1) > m_slots.size()) Grow(2 * (m_count + 1));
    const std::uint32_t hash = Hash({}, path);
    std::size_t at = hash & Mask();
    for (;; at = (at + 1) & Mask()) {
      const Slot& slot = m_slots[at];
      if (slot.index < 0) break;
      if (slot.hash == hash && EqualsNoCase(pathOf(slot.index), path)) return false;
    }
    m_slots[at] = Slot{index, hash};
    ++m_count;
    return true;
  }

  std::size_t Bytes() const { return m_slots.capacity() * sizeof(Slot); }

 private:
  struct Slot {
    int index = -1;  // -1: empty
    std::uint32_t hash = 0;
  };

  // FNV-1a over the lower-case bytes of scope.name.
  static std::uint32_t Hash(std::string_view scope, std::string_view name);
  std::size_t Mask() const { return m_slots.size() - 1; }
  // At least slots slots (a power of two), every entry placed again.
  void Grow(std::size_t slots);

  std::vector<Slot> m_slots;
  std::size_t m_count = 0;
};
