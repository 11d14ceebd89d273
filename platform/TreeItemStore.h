// The items of a tree control: records in a slot table, named from outside by
// handles that carry a generation, so the handle of a deleted item never
// names a live one (not even one that later reuses its slot, nor an item of
// another tree). Siblings are linked for O(1) insertion and removal; each
// parent keeps a lazily rebuilt index of its children for "child at row" and
// "row of child"; each item keeps the number of rows shown below it, so the
// layout knows its total height without walking the tree.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Types.h"

// A parent's index of its children: slots[start + row] is the child at row.
// Appending and removing the first or last child keep it fresh.
struct TreeRowIndex {
  std::vector<std::uint32_t> slots;
  std::uint32_t start = 0;
  bool fresh = false;
};

class TreeItemStore {
 public:
  using Slot = std::uint32_t;
  static constexpr Slot kNone = UINT32_MAX;
  // The invisible parent of the top-level items; never named by a handle.
  static constexpr Slot kRoot = 0;

  struct Item {
    std::string text;
    LPARAM data = 0;
    int image = 0;
    int selectedImage = 0;
    UINT state = 0;          // TVIS_ bits; the expanded bit is kept through SetExpanded
    bool childrenHint = false;  // shows an expand button before any child exists
    bool deleteNotified = false;
    Slot parent = kNone;
    Slot firstChild = kNone;
    Slot lastChild = kNone;
    Slot prev = kNone;
    Slot next = kNone;
    std::uint32_t childCount = 0;
    std::uint32_t shownBelow = 0;  // rows shown below this item while it is expanded
    std::uint32_t indexPos = 0;    // position in the parent's row index, when that is fresh
    std::uint32_t generation = 0;  // 0 for a free slot
    std::unique_ptr<TreeRowIndex> rows;  // made when a row is first asked of this parent
  };

  TreeItemStore();
  ~TreeItemStore();
  TreeItemStore(const TreeItemStore&) = delete;
  TreeItemStore& operator=(const TreeItemStore&) = delete;

  // The slot a handle names, kNone for a null, special, stale or foreign handle.
  Slot Resolve(HTREEITEM handle) const;
  HTREEITEM Handle(Slot slot) const;
  bool IsLive(Slot slot) const { return slot != kRoot && slot < m_items.size() && m_items[slot].generation != 0; }

  Item& operator[](Slot slot) { return m_items[slot]; }
  const Item& operator[](Slot slot) const { return m_items[slot]; }

  // A new unlinked item with a fresh generation.
  Slot Allocate();
  // Links an unlinked item under parent, after sibling `after` (kNone = first).
  void Link(Slot slot, Slot parent, Slot after);
  void LinkLast(Slot slot, Slot parent) { Link(slot, parent, m_items[parent].lastChild); }
  // Takes a linked item (with its subtree) out of its parent's children.
  void Unlink(Slot slot);
  // Returns an unlinked item without children to the free list; its handle goes stale.
  void Free(Slot slot);
  // Frees every item at once (no links are walked).
  void Clear();

  std::size_t Count() const { return m_live; }

  // Child rows through the parent's index, O(1) amortised.
  Slot ChildAt(Slot parent, std::uint32_t row);
  // The row of slot among its siblings, -1 for kRoot or a free slot.
  int RowOf(Slot slot);

  // Expansion, keeping the shown-row counts of the ancestors right. Idempotent.
  bool IsExpanded(Slot slot) const;
  void SetExpanded(Slot slot, bool expanded);
  // True when every ancestor is expanded (the item has a row in the view).
  bool IsShown(Slot slot) const;
  bool IsAncestor(Slot ancestor, Slot slot) const;  // ancestor == slot counts
  int Level(Slot slot) const;  // 0 for top-level items

  // Rows of the view: top-level items, then the children of expanded items, depth first.
  std::uint32_t TotalRows() const { return m_items[kRoot].shownBelow; }
  int RowInView(Slot slot) const;  // -1 when not shown
  Slot AtRowInView(std::uint32_t row) const;
  Slot NextShown(Slot slot) const;  // slot must be shown; kNone after the last row
  Slot PrevShown(Slot slot) const;
  Slot LastShown() const;

  // Replaces the order of parent's children by `order` (a permutation of them).
  void Reorder(Slot parent, const std::vector<Slot>& order);

 private:
  // Rows one item takes in the view: itself and, when expanded, what is shown below it.
  std::uint32_t RowsTaken(Slot slot) const;
  // Adds delta to the shown-row counts from parent up through expanded ancestors.
  void AdjustShown(Slot parent, std::int64_t delta);
  void RebuildRows(Slot parent);
  void DropRows(Slot parent);

  std::vector<Item> m_items;
  // A bit per slot that is free. New items take the lowest free slot, so the
  // items of one expansion lie together whatever order earlier ones went in.
  std::vector<std::uint64_t> m_freeBits;
  std::size_t m_freeCount = 0;
  std::size_t m_lowestFreeWord = 0;  // no free slot lies in an earlier word
  std::size_t m_live = 0;
};
