#include "platform/TreeItemStore.h"

#include <algorithm>
#include <bit>

namespace {

static_assert(sizeof(std::uintptr_t) == 8, "tree item handles pack a slot and a generation into 64 bits");

constexpr std::uint32_t kGenerationMask = 0x7FFFFFFF;
constexpr UINT kExpandedBit = 0x0020;  // TVIS_EXPANDED

// One sequence for every tree in the process, so two trees never hand out
// the same handle (until it wraps after two thousand million insertions).
std::uint32_t NextGeneration() {
  static std::uint32_t last = 0;
  last = (last + 1) & kGenerationMask;
  if (last == 0) last = 1;
  return last;
}

}  // namespace

TreeItemStore::TreeItemStore() { Clear(); }

TreeItemStore::~TreeItemStore() = default;

TreeItemStore::Slot TreeItemStore::Resolve(HTREEITEM handle) const {
  auto value = reinterpret_cast<std::uintptr_t>(handle);
  auto generation = static_cast<std::uint32_t>(value >> 32);
  auto slot = static_cast<Slot>(value & 0xFFFFFFFFu);
  if (generation == 0 || generation > kGenerationMask) return kNone;  // null or a TVI_ value
  if (!IsLive(slot) || m_items[slot].generation != generation) return kNone;
  return slot;
}

HTREEITEM TreeItemStore::Handle(Slot slot) const {
  if (!IsLive(slot)) return nullptr;
  auto value = (static_cast<std::uintptr_t>(m_items[slot].generation) << 32) | slot;
  return reinterpret_cast<HTREEITEM>(value);
}

TreeItemStore::Slot TreeItemStore::Allocate() {
  Slot slot;
  if (m_freeCount > 0) {
    std::size_t word = m_lowestFreeWord;
    while (m_freeBits[word] == 0) ++word;
    const int bit = std::countr_zero(m_freeBits[word]);
    m_freeBits[word] &= m_freeBits[word] - 1;
    m_lowestFreeWord = word;
    --m_freeCount;
    slot = static_cast<Slot>(word * 64 + static_cast<std::size_t>(bit));
  } else {
    slot = static_cast<Slot>(m_items.size());
    m_items.emplace_back();
  }
  m_items[slot].generation = NextGeneration();
  ++m_live;
  return slot;
}

void TreeItemStore::Link(Slot slot, Slot parent, Slot after) {
  Item& item = m_items[slot];
  Item& owner = m_items[parent];
  item.parent = parent;
  item.prev = after;
  item.next = after == kNone ? owner.firstChild : m_items[after].next;
  if (item.prev != kNone) {
    m_items[item.prev].next = slot;
  } else {
    owner.firstChild = slot;
  }
  if (item.next != kNone) {
    m_items[item.next].prev = slot;
  } else {
    owner.lastChild = slot;
  }
  ++owner.childCount;
  if (TreeRowIndex* rows = owner.rows.get(); rows && rows->fresh) {
    if (item.next == kNone) {
      item.indexPos = static_cast<std::uint32_t>(rows->slots.size());
      rows->slots.push_back(slot);
    } else if (item.prev == kNone && rows->start > 0) {
      item.indexPos = --rows->start;
      rows->slots[item.indexPos] = slot;
    } else {
      rows->fresh = false;
    }
  }
  AdjustShown(parent, RowsTaken(slot));
}

void TreeItemStore::Unlink(Slot slot) {
  Item& item = m_items[slot];
  Slot parent = item.parent;
  if (parent == kNone) return;
  std::uint32_t taken = RowsTaken(slot);
  Item& owner = m_items[parent];
  if (TreeRowIndex* rows = owner.rows.get(); rows && rows->fresh) {
    if (owner.childCount == 1) {
      rows->slots.clear();
      rows->start = 0;
    } else if (item.prev == kNone) {
      ++rows->start;
      // Felling children from the first one leaves a dead prefix; drop it once it is most of the index.
      if (rows->start > 64 && rows->start * 2 > rows->slots.size()) DropRows(parent);
    } else if (item.next == kNone) {
      rows->slots.pop_back();
    } else {
      rows->fresh = false;
    }
  }
  if (item.prev != kNone) {
    m_items[item.prev].next = item.next;
  } else {
    owner.firstChild = item.next;
  }
  if (item.next != kNone) {
    m_items[item.next].prev = item.prev;
  } else {
    owner.lastChild = item.prev;
  }
  --owner.childCount;
  item.parent = item.prev = item.next = kNone;
  AdjustShown(parent, -static_cast<std::int64_t>(taken));
}

void TreeItemStore::Free(Slot slot) {
  if (!IsLive(slot)) return;
  m_items[slot] = Item{};
  const std::size_t word = slot / 64;
  if (word >= m_freeBits.size()) m_freeBits.resize(word + 1, 0);
  m_freeBits[word] |= std::uint64_t{1} << (slot % 64);
  ++m_freeCount;
  m_lowestFreeWord = std::min(m_lowestFreeWord, word);
  --m_live;
}

void TreeItemStore::Clear() {
  m_items.clear();
  m_freeBits.clear();
  m_freeCount = 0;
  m_lowestFreeWord = 0;
  m_live = 0;
  m_items.emplace_back();
  m_items[kRoot].state = kExpandedBit;  // the top level is always shown
}

TreeItemStore::Slot TreeItemStore::ChildAt(Slot parent, std::uint32_t row) {
  if (parent >= m_items.size() || row >= m_items[parent].childCount) return kNone;
  Item& owner = m_items[parent];
  if (!owner.rows || !owner.rows->fresh) RebuildRows(parent);
  return owner.rows->slots[owner.rows->start + row];
}

int TreeItemStore::RowOf(Slot slot) {
  if (!IsLive(slot) || m_items[slot].parent == kNone) return -1;
  Slot parent = m_items[slot].parent;
  Item& owner = m_items[parent];
  if (!owner.rows || !owner.rows->fresh) RebuildRows(parent);
  return static_cast<int>(m_items[slot].indexPos - owner.rows->start);
}

void TreeItemStore::RebuildRows(Slot parent) {
  Item& owner = m_items[parent];
  if (!owner.rows) owner.rows = std::make_unique<TreeRowIndex>();
  TreeRowIndex& rows = *owner.rows;
  rows.slots.clear();
  rows.slots.reserve(owner.childCount);
  rows.start = 0;
  for (Slot child = owner.firstChild; child != kNone; child = m_items[child].next) {
    m_items[child].indexPos = static_cast<std::uint32_t>(rows.slots.size());
    rows.slots.push_back(child);
  }
  rows.fresh = true;
}

void TreeItemStore::DropRows(Slot parent) { m_items[parent].rows.reset(); }

bool TreeItemStore::IsExpanded(Slot slot) const { return (m_items[slot].state & kExpandedBit) != 0; }

void TreeItemStore::SetExpanded(Slot slot, bool expanded) {
  if (slot == kRoot || IsExpanded(slot) == expanded) return;
  Item& item = m_items[slot];
  if (expanded) {
    item.state |= kExpandedBit;
  } else {
    item.state &= ~kExpandedBit;
  }
  if (item.parent != kNone && item.shownBelow != 0) {
    std::int64_t delta = item.shownBelow;
    AdjustShown(item.parent, expanded ? delta : -delta);
  }
}

bool TreeItemStore::IsShown(Slot slot) const {
  if (!IsLive(slot)) return false;
  for (Slot p = m_items[slot].parent; p != kRoot; p = m_items[p].parent) {
    if (p == kNone || !IsExpanded(p)) return false;
  }
  return true;
}

bool TreeItemStore::IsAncestor(Slot ancestor, Slot slot) const {
  for (Slot s = slot; s != kNone; s = m_items[s].parent) {
    if (s == ancestor) return true;
  }
  return false;
}

int TreeItemStore::Level(Slot slot) const {
  int level = 0;
  for (Slot p = m_items[slot].parent; p != kRoot && p != kNone; p = m_items[p].parent) ++level;
  return level;
}

std::uint32_t TreeItemStore::RowsTaken(Slot slot) const {
  const Item& item = m_items[slot];
  return 1 + ((item.state & kExpandedBit) ? item.shownBelow : 0);
}

void TreeItemStore::AdjustShown(Slot parent, std::int64_t delta) {
  for (Slot p = parent; p != kNone;) {
    Item& item = m_items[p];
    item.shownBelow = static_cast<std::uint32_t>(item.shownBelow + delta);
    if (p == kRoot || !IsExpanded(p)) break;
    p = item.parent;
  }
}

int TreeItemStore::RowInView(Slot slot) const {
  if (!IsShown(slot)) return -1;
  std::int64_t row = 0;
  for (Slot s = slot; s != kRoot;) {
    Slot parent = m_items[s].parent;
    for (Slot before = m_items[parent].firstChild; before != s; before = m_items[before].next) {
      row += RowsTaken(before);
    }
    if (parent != kRoot) ++row;  // the parent's own row
    s = parent;
  }
  return static_cast<int>(row);
}

TreeItemStore::Slot TreeItemStore::AtRowInView(std::uint32_t row) const {
  if (row >= TotalRows()) return kNone;
  Slot parent = kRoot;
  std::uint32_t remaining = row;
  for (;;) {
    Slot child = m_items[parent].firstChild;
    for (; child != kNone; child = m_items[child].next) {
      std::uint32_t taken = RowsTaken(child);
      if (remaining < taken) break;
      remaining -= taken;
    }
    if (child == kNone) return kNone;
    if (remaining == 0) return child;
    --remaining;  // the child's own row; descend into what it shows
    parent = child;
  }
}

TreeItemStore::Slot TreeItemStore::NextShown(Slot slot) const {
  const Item& item = m_items[slot];
  if (IsExpanded(slot) && item.firstChild != kNone) return item.firstChild;
  for (Slot s = slot; s != kRoot && s != kNone; s = m_items[s].parent) {
    if (m_items[s].next != kNone) return m_items[s].next;
  }
  return kNone;
}

TreeItemStore::Slot TreeItemStore::PrevShown(Slot slot) const {
  const Item& item = m_items[slot];
  if (item.prev == kNone) return item.parent == kRoot ? kNone : item.parent;
  Slot s = item.prev;
  while (IsExpanded(s) && m_items[s].lastChild != kNone) s = m_items[s].lastChild;
  return s;
}

TreeItemStore::Slot TreeItemStore::LastShown() const {
  Slot s = m_items[kRoot].lastChild;
  if (s == kNone) return kNone;
  while (IsExpanded(s) && m_items[s].lastChild != kNone) s = m_items[s].lastChild;
  return s;
}

void TreeItemStore::Reorder(Slot parent, const std::vector<Slot>& order) {
  Item& owner = m_items[parent];
  Slot prev = kNone;
  for (Slot slot : order) {
    m_items[slot].prev = prev;
    if (prev != kNone) {
      m_items[prev].next = slot;
    } else {
      owner.firstChild = slot;
    }
    prev = slot;
  }
  if (prev != kNone) m_items[prev].next = kNone;
  owner.lastChild = prev;
  if (owner.rows) owner.rows->fresh = false;
}
