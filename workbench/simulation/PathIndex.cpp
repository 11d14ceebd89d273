#include "workbench/simulation/PathIndex.h"

std::uint32_t CPathIndex::Hash(std::string_view scope, std::string_view name) {
  std::uint32_t hash = 2166136261u;
  const auto add = [&hash](std::string_view text) {
    for (char c : text) {
      hash ^= static_cast<unsigned char>(ToLowerAscii(c));
      hash *= 16777619u;
    }
  };
  if (!scope.empty()) {
    add(scope);
    add(".");
  }
  add(name);
  return hash;
}

void CPathIndex::Reserve(std::size_t count) {
  if (2 * count > m_slots.size()) Grow(2 * count);
}

void CPathIndex::Grow(std::size_t slots) {
  std::size_t size = 16;
  while (size < slots) size *= 2;
  if (size <= m_slots.size()) return;
  std::vector<Slot> old(size);
  old.swap(m_slots);
  for (const Slot& slot : old) {
    if (slot.index < 0) continue;
    std::size_t at = slot.hash & Mask();
    while (m_slots[at].index >= 0) at = (at + 1) & Mask();
    m_slots[at] = slot;
  }
}
