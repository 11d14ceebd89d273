// Items, selection, expansion, deletion, sorting and label editing of the
// tree control. Layout and scrolling are in TreeCtrlLayout.cpp, what a person
// does in TreeCtrlInput.cpp.
//
// Every notification may re-enter the control (insert, delete, select ...), so
// after each one the code resolves its handles again instead of keeping slots
// or references across it.
#include "platform/TreeCtrl.h"

#include <algorithm>

#include "platform/StableSort.h"
#include "platform/TextCompare.h"
#include "platform/UserInterface.h"

namespace {

static_assert(TVIS_EXPANDED == 0x0020, "the item store keeps the expanded bit under this value");

// State bits that follow the caret, the drop target and the expansion, never set directly on insertion.
constexpr UINT kManagedState = TVIS_SELECTED | TVIS_DROPHILITED | TVIS_EXPANDED;

}  // namespace

CTreeCtrl::CTreeCtrl() : m_edit(*this, [this](bool cancel) { EndEditLabelNow(cancel ? TRUE : FALSE); }) {}

// Items go with the object without notifications: whoever destroys the
// object with its window alive has no handler left to hear about them.
CTreeCtrl::~CTreeCtrl() = default;

bool CTreeCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CWnd::Create("SysTreeView32", "", style, rect, parent, id);
}

void CTreeCtrl::OnDestroy() {
  CloseEdit();
  DeleteAllItems();
}

// ---------------------------------------------------------------- notifications

LRESULT CTreeCtrl::Notify(NMHDR& header, int code) {
  header.code = code;
  header.hwndFrom = m_hWnd;
  header.idFrom = GetDlgCtrlID();
  LRESULT result = 0;
  if (OnReflectedNotify(&header, &result)) return result;
  return SendNotifyToParent(*this, header);
}

LRESULT CTreeCtrl::NotifyTree(int code, UINT action, Slot oldItem, Slot newItem, CPoint drag) {
  NMTREEVIEW info;
  info.action = action;
  FillItem(info.itemOld, oldItem);
  FillItem(info.itemNew, newItem);
  info.ptDrag = drag;
  return Notify(info.hdr, code);
}

void CTreeCtrl::FillItem(TVITEM& item, Slot slot) const {
  if (!m_items.IsLive(slot)) return;
  const TreeItemStore::Item& record = m_items[slot];
  item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = m_items.Handle(slot);
  item.state = record.state;
  item.stateMask = ~0u;
  item.lParam = record.data;
  item.iImage = record.image;
  item.iSelectedImage = record.selectedImage;
}

void CTreeCtrl::AddObserver(TreeCtrlObserver* observer) {
  if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end()) {
    m_observers.push_back(observer);
  }
}

void CTreeCtrl::RemoveObserver(TreeCtrlObserver* observer) {
  auto it = std::find(m_observers.begin(), m_observers.end(), observer);
  if (it == m_observers.end()) return;
  if (m_telling > 0) {
    *it = nullptr;  // compacted when the current round of calls ends
  } else {
    m_observers.erase(it);
  }
}

// ---------------------------------------------------------------- insertion

CTreeCtrl::Slot CTreeCtrl::ParentSlot(HTREEITEM parent) const {
  if (parent == nullptr || parent == TVI_ROOT) return TreeItemStore::kRoot;
  return m_items.Resolve(parent);
}

CTreeCtrl::Slot CTreeCtrl::InsertAfterSlot(Slot parent, HTREEITEM after, const std::string& text) {
  if (after == TVI_FIRST) return kNone;
  Slot last = m_items[parent].lastChild;
  if (after == TVI_SORT) {
    // Searching from the end keeps insertion in alphabetical order O(1) per item.
    Slot s = last;
    while (s != kNone && CompareNoCase(m_items[s].text, text) > 0) s = m_items[s].prev;
    return s;
  }
  Slot sibling = m_items.Resolve(after);
  // TVI_LAST, and a sibling that is not a child of parent (nothing is lost: the item goes last).
  if (sibling == kNone || m_items[sibling].parent != parent) return last;
  return sibling;
}

HTREEITEM CTreeCtrl::InsertItem(const TVINSERTSTRUCT* insert) {
  if (!insert) return nullptr;
  Slot parent = ParentSlot(insert->hParent);
  if (parent == kNone) return nullptr;
  const TVITEM& fields = insert->item;
  std::string text = (fields.mask & TVIF_TEXT) && fields.pszText ? fields.pszText : "";
  Slot after = InsertAfterSlot(parent, insert->hInsertAfter, text);
  Slot slot = m_items.Allocate();
  TreeItemStore::Item& item = m_items[slot];
  item.text = std::move(text);
  if (fields.mask & TVIF_IMAGE) item.image = fields.iImage;
  if (fields.mask & TVIF_SELECTEDIMAGE) item.selectedImage = fields.iSelectedImage;
  if (fields.mask & TVIF_PARAM) item.data = fields.lParam;
  if (fields.mask & TVIF_CHILDREN) item.childrenHint = fields.cChildren != 0;
  bool expanded = false;
  if (fields.mask & TVIF_STATE) {
    item.state |= fields.state & fields.stateMask & ~kManagedState;
    expanded = (fields.state & fields.stateMask & TVIS_EXPANDED) != 0;
  }
  m_items.Link(slot, parent, after);
  if (expanded) m_items.SetExpanded(slot, true);
  HTREEITEM handle = m_items.Handle(slot);
  Tell([&](TreeCtrlObserver& o) { o.TreeStructureChanged(*this); });
  return handle;
}

HTREEITEM CTreeCtrl::InsertItem(UINT mask, const std::string& text, int image, int selectedImage, UINT state,
                                UINT stateMask, LPARAM lParam, HTREEITEM parent, HTREEITEM after) {
  TVINSERTSTRUCT insert;
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = mask;
  insert.item.pszText = text.c_str();
  insert.item.iImage = image;
  insert.item.iSelectedImage = selectedImage;
  insert.item.state = state;
  insert.item.stateMask = stateMask;
  insert.item.lParam = lParam;
  return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(const std::string& text, HTREEITEM parent, HTREEITEM after) {
  return InsertItem(TVIF_TEXT, text, 0, 0, 0, 0, 0, parent, after);
}

HTREEITEM CTreeCtrl::InsertItem(const std::string& text, int image, int selectedImage, HTREEITEM parent,
                                HTREEITEM after) {
  return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, text, image, selectedImage, 0, 0, 0, parent, after);
}

// ---------------------------------------------------------------- deletion

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) {
  if (item == TVI_ROOT) return DeleteAllItems();
  Slot slot = m_items.Resolve(item);
  if (slot == kNone) return FALSE;
  // When the caret goes with the subtree, the caret moves to a neighbour afterwards.
  bool caretInside = m_caret != kNone && m_items.IsAncestor(slot, m_caret);
  HTREEITEM fallback = nullptr;
  if (caretInside) {
    const TreeItemStore::Item& record = m_items[slot];
    Slot next = record.next != kNone ? record.next : record.prev != kNone ? record.prev : record.parent;
    fallback = m_items.Handle(next);
  }
  DeleteSubtree(slot);
  if (caretInside && m_caret == kNone) {
    Slot next = m_items.Resolve(fallback);
    if (next != kNone) {
      SelectCaret(next, TVC_UNKNOWN);
    } else {
      Tell([&](TreeCtrlObserver& o) { o.TreeSelectionChanged(*this, nullptr); });
    }
  }
  ClampScroll();
  Tell([&](TreeCtrlObserver& o) { o.TreeStructureChanged(*this); });
  return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems() {
  std::vector<HTREEITEM> topLevel;
  topLevel.reserve(m_items[TreeItemStore::kRoot].childCount);
  for (Slot s = m_items[TreeItemStore::kRoot].firstChild; s != kNone; s = m_items[s].next) {
    topLevel.push_back(m_items.Handle(s));
  }
  bool hadCaret = m_caret != kNone;
  for (HTREEITEM handle : topLevel) {
    Slot slot = m_items.Resolve(handle);
    if (slot != kNone) DeleteSubtree(slot);
  }
  if (m_items.Count() == 0) {
    m_items.Clear();  // gives the slot table's memory back; old handles stay stale
    m_horzPos = 0;
  }
  if (hadCaret && m_caret == kNone) Tell([&](TreeCtrlObserver& o) { o.TreeSelectionChanged(*this, nullptr); });
  ClampScroll();
  Tell([&](TreeCtrlObserver& o) { o.TreeStructureChanged(*this); });
  return TRUE;
}

// Deletes top and everything below it, children before their parent, each
// reported once with TVN_DELETEITEM while it is still in the tree. Handlers
// may delete or insert items meanwhile: items they delete are skipped,
// children they add are deleted too.
void CTreeCtrl::DeleteSubtree(Slot top) {
  if (m_editItem != kNone && m_items.IsAncestor(top, m_editItem)) CloseEdit();
  HTREEITEM topHandle = m_items.Handle(top);
  HTREEITEM cursorHandle = topHandle;
  while (m_items.Resolve(topHandle) != kNone) {
    Slot cursor = m_items.Resolve(cursorHandle);
    if (cursor == kNone) cursor = m_items.Resolve(topHandle);
    while (m_items[cursor].firstChild != kNone) cursor = m_items[cursor].firstChild;
    HTREEITEM handle = m_items.Handle(cursor);
    Slot parent = m_items[cursor].parent;
    cursorHandle = handle;
    if (!m_items[cursor].deleteNotified) {
      m_items[cursor].deleteNotified = true;
      NotifyTree(TVN_DELETEITEM, 0, cursor, kNone);
      cursor = m_items.Resolve(handle);
      if (cursor == kNone) continue;  // the handler deleted it (and what was below it)
      if (m_items[cursor].firstChild != kNone) continue;  // the handler gave it children: they go first
    }
    bool wasTop = cursor == m_items.Resolve(topHandle);
    ReleaseSlot(cursor);
    if (wasTop) break;
    cursorHandle = m_items.Handle(parent);
  }
}

void CTreeCtrl::ReleaseSlot(Slot slot) {
  if (m_caret == slot) m_caret = kNone;
  if (m_dropHilite == slot) m_dropHilite = kNone;
  if (m_editItem == slot) CloseEdit();
  m_items.Unlink(slot);
  m_items.Free(slot);
}

// ---------------------------------------------------------------- navigation and fields

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
  const Slot root = TreeItemStore::kRoot;
  switch (code) {
    case TVGN_ROOT:
      return m_items.Handle(m_items[root].firstChild);
    case TVGN_CARET:
      return m_items.Handle(m_caret);
    case TVGN_DROPHILITE:
      return m_items.Handle(m_dropHilite);
    case TVGN_FIRSTVISIBLE:
      return m_items.Handle(m_items.AtRowInView(static_cast<std::uint32_t>(TopRow())));
    case TVGN_LASTVISIBLE:
      return m_items.Handle(m_items.LastShown());
    case TVGN_CHILD: {
      Slot parent = ParentSlot(item);
      return parent == kNone ? nullptr : m_items.Handle(m_items[parent].firstChild);
    }
    default:
      break;
  }
  Slot slot = m_items.Resolve(item);
  if (slot == kNone) return nullptr;
  switch (code) {
    case TVGN_NEXT:
      return m_items.Handle(m_items[slot].next);
    case TVGN_PREVIOUS:
      return m_items.Handle(m_items[slot].prev);
    case TVGN_PARENT:
      return m_items.Handle(m_items[slot].parent);  // null for a top-level item
    case TVGN_NEXTVISIBLE:
      return m_items.IsShown(slot) ? m_items.Handle(m_items.NextShown(slot)) : nullptr;
    case TVGN_PREVIOUSVISIBLE:
      return m_items.IsShown(slot) ? m_items.Handle(m_items.PrevShown(slot)) : nullptr;
    default:
      return nullptr;
  }
}

bool CTreeCtrl::HasChildren(Slot slot) const {
  return m_items[slot].childCount > 0 || m_items[slot].childrenHint;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM item) const {
  Slot slot = m_items.Resolve(item);
  return slot != kNone && HasChildren(slot) ? TRUE : FALSE;
}

int CTreeCtrl::GetChildCount(HTREEITEM parent) const {
  Slot slot = ParentSlot(parent);
  return slot == kNone ? 0 : static_cast<int>(m_items[slot].childCount);
}

HTREEITEM CTreeCtrl::GetChildItemAt(HTREEITEM parent, int row) {
  Slot slot = ParentSlot(parent);
  if (slot == kNone || row < 0) return nullptr;
  return m_items.Handle(m_items.ChildAt(slot, static_cast<std::uint32_t>(row)));
}

int CTreeCtrl::GetItemRow(HTREEITEM item) { return m_items.RowOf(m_items.Resolve(item)); }

int CTreeCtrl::GetItemLevel(HTREEITEM item) const {
  Slot slot = m_items.Resolve(item);
  return slot == kNone ? -1 : m_items.Level(slot);
}

BOOL CTreeCtrl::GetItem(TVITEM* item) const {
  if (!item) return FALSE;
  Slot slot = m_items.Resolve(item->hItem);
  if (slot == kNone) return FALSE;
  const TreeItemStore::Item& record = m_items[slot];
  if (item->mask & TVIF_TEXT) item->pszText = record.text.c_str();
  if (item->mask & TVIF_IMAGE) item->iImage = record.image;
  if (item->mask & TVIF_SELECTEDIMAGE) item->iSelectedImage = record.selectedImage;
  if (item->mask & TVIF_PARAM) item->lParam = record.data;
  if (item->mask & TVIF_STATE) item->state = record.state & (item->stateMask ? item->stateMask : ~0u);
  if (item->mask & TVIF_CHILDREN) item->cChildren = HasChildren(slot) ? 1 : 0;
  return TRUE;
}

BOOL CTreeCtrl::SetItem(const TVITEM* item) {
  if (!item) return FALSE;
  HTREEITEM handle = item->hItem;
  Slot slot = m_items.Resolve(handle);
  if (slot == kNone) return FALSE;
  TreeItemStore::Item& record = m_items[slot];
  if (item->mask & TVIF_TEXT) record.text = item->pszText ? item->pszText : "";
  if (item->mask & TVIF_IMAGE) record.image = item->iImage;
  if (item->mask & TVIF_SELECTEDIMAGE) record.selectedImage = item->iSelectedImage;
  if (item->mask & TVIF_PARAM) record.data = item->lParam;
  if (item->mask & TVIF_CHILDREN) record.childrenHint = item->cChildren != 0;
  if (item->mask & TVIF_STATE) return SetItemState(handle, item->state, item->stateMask);
  Tell([&](TreeCtrlObserver& o) { o.TreeItemChanged(*this, handle); });
  return TRUE;
}

std::string CTreeCtrl::GetItemText(HTREEITEM item) const {
  Slot slot = m_items.Resolve(item);
  return slot == kNone ? std::string() : m_items[slot].text;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, const std::string& text) {
  TVITEM fields;
  fields.mask = TVIF_TEXT;
  fields.hItem = item;
  fields.pszText = text.c_str();
  return SetItem(&fields);
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM item) const {
  Slot slot = m_items.Resolve(item);
  return slot == kNone ? 0 : m_items[slot].data;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, LPARAM data) {
  TVITEM fields;
  fields.mask = TVIF_PARAM;
  fields.hItem = item;
  fields.lParam = data;
  return SetItem(&fields);
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT stateMask) const {
  Slot slot = m_items.Resolve(item);
  return slot == kNone ? 0 : m_items[slot].state & stateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT stateMask) {
  Slot slot = m_items.Resolve(item);
  if (slot == kNone) return FALSE;
  bool wasExpanded = m_items.IsExpanded(slot);
  if (stateMask & TVIS_EXPANDED) m_items.SetExpanded(slot, (state & TVIS_EXPANDED) != 0);
  UINT plain = stateMask & ~TVIS_EXPANDED;
  m_items[slot].state = (m_items[slot].state & ~plain) | (state & plain);
  bool expanded = m_items.IsExpanded(slot);
  if (expanded != wasExpanded) {
    ClampScroll();
    Tell([&](TreeCtrlObserver& o) { o.TreeExpansionChanged(*this, item, expanded); });
  }
  Tell([&](TreeCtrlObserver& o) { o.TreeItemChanged(*this, item); });
  return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM item, int& image, int& selectedImage) const {
  Slot slot = m_items.Resolve(item);
  if (slot == kNone) return FALSE;
  image = m_items[slot].image;
  selectedImage = m_items[slot].selectedImage;
  return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) {
  TVITEM fields;
  fields.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  fields.hItem = item;
  fields.iImage = image;
  fields.iSelectedImage = selectedImage;
  return SetItem(&fields);
}

BOOL CTreeCtrl::GetItemDisplayImages(HTREEITEM item, int& image, int& selectedImage) {
  if (!GetItemImage(item, image, selectedImage)) return FALSE;
  UINT ask = (image == I_IMAGECALLBACK ? TVIF_IMAGE : 0) | (selectedImage == I_IMAGECALLBACK ? TVIF_SELECTEDIMAGE : 0);
  if (ask == 0) return TRUE;
  NMTVDISPINFO info;
  FillItem(info.item, m_items.Resolve(item));
  info.item.mask = ask;
  Notify(info.hdr, TVN_GETDISPINFO);
  if (ask & TVIF_IMAGE) image = info.item.iImage;
  if (ask & TVIF_SELECTEDIMAGE) selectedImage = info.item.iSelectedImage;
  Slot slot = m_items.Resolve(item);
  if ((info.item.mask & TVIF_DI_SETITEM) && slot != kNone) {
    if (ask & TVIF_IMAGE) m_items[slot].image = image;
    if (ask & TVIF_SELECTEDIMAGE) m_items[slot].selectedImage = selectedImage;
  }
  return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* list, int kind) {
  CImageList*& target = kind == TVSIL_STATE ? m_stateImages : m_normalImages;
  CImageList* previous = target;
  target = list;
  Invalidate();
  return previous;
}

CImageList* CTreeCtrl::GetImageList(int kind) const { return kind == TVSIL_STATE ? m_stateImages : m_normalImages; }

// ---------------------------------------------------------------- selection

BOOL CTreeCtrl::Select(HTREEITEM item, UINT code) {
  Slot slot = item ? m_items.Resolve(item) : kNone;
  if (item && slot == kNone) return FALSE;
  switch (code) {
    case TVGN_CARET:
      return SelectCaret(slot, TVC_UNKNOWN);
    case TVGN_DROPHILITE:
      SetDropHilite(slot);
      return TRUE;
    case TVGN_FIRSTVISIBLE: {
      if (slot == kNone || !ExpandAncestors(slot)) return FALSE;
      SetTopRow(m_items.RowInView(m_items.Resolve(item)));
      return TRUE;
    }
    default:
      return FALSE;
  }
}

// TVN_SELCHANGING (nonzero vetoes), the change, scrolling the new caret into
// view, TVN_SELCHANGED. The old item of the notifications is empty when that
// item no longer exists.
BOOL CTreeCtrl::SelectCaret(Slot slot, UINT action) {
  if (slot == m_caret) return TRUE;
  HTREEITEM newHandle = m_items.Handle(slot);
  HTREEITEM oldHandle = m_items.Handle(m_caret);
  if (NotifyTree(TVN_SELCHANGING, action, m_caret, slot) != 0) return FALSE;
  Slot newSlot = m_items.Resolve(newHandle);
  if (newHandle && newSlot == kNone) return FALSE;  // the handler deleted it
  MoveMarker(m_caret, newSlot, TVIS_SELECTED);
  if (newSlot != kNone) EnsureVisible(newHandle);
  HTREEITEM now = m_items.Handle(m_caret);
  Tell([&](TreeCtrlObserver& o) { o.TreeSelectionChanged(*this, now); });
  NotifyTree(TVN_SELCHANGED, action, m_items.Resolve(oldHandle), m_items.Resolve(newHandle));
  return TRUE;
}

void CTreeCtrl::SetDropHilite(Slot slot) { MoveMarker(m_dropHilite, slot, TVIS_DROPHILITED); }

// Moves a one-item state bit (caret, drop target) from the item marker names to slot.
void CTreeCtrl::MoveMarker(Slot& marker, Slot slot, UINT bit) {
  if (slot == marker) return;
  auto mark = [&](Slot item, bool on) {
    if (item == kNone) return;
    m_items[item].state = on ? (m_items[item].state | bit) : (m_items[item].state & ~bit);
    HTREEITEM handle = m_items.Handle(item);
    Tell([&](TreeCtrlObserver& o) { o.TreeItemChanged(*this, handle); });
  };
  Slot previous = marker;
  marker = slot;
  mark(previous, false);
  mark(slot, true);
}

// ---------------------------------------------------------------- expansion

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) {
  Slot slot = m_items.Resolve(item);
  return slot == kNone ? FALSE : ExpandSlot(slot, code);
}

// Every expansion and collapse is reported, also repeated programmatic ones,
// so an owner that follows the notifications always knows the item's state.
BOOL CTreeCtrl::ExpandSlot(Slot slot, UINT code) {
  bool expanded = m_items.IsExpanded(slot);
  bool expand;
  switch (code) {
    case TVE_EXPAND: expand = true; break;
    case TVE_COLLAPSE: expand = false; break;
    case TVE_TOGGLE: expand = !expanded; break;
    default: return FALSE;
  }
  if (expand == expanded) return TRUE;
  if (expand && !HasChildren(slot)) return FALSE;
  HTREEITEM handle = m_items.Handle(slot);
  UINT action = expand ? TVE_EXPAND : TVE_COLLAPSE;
  if (NotifyTree(TVN_ITEMEXPANDING, action, kNone, slot) != 0) return FALSE;
  slot = m_items.Resolve(handle);
  if (slot == kNone) return FALSE;
  if (m_items.IsExpanded(slot) == expand) return TRUE;  // the handler did it (and it was reported)
  if (expand && !HasChildren(slot)) return FALSE;       // the handler took every child away
  m_items.SetExpanded(slot, expand);
  if (expand) m_items[slot].state |= TVIS_EXPANDEDONCE;
  ClampScroll();
  Tell([&](TreeCtrlObserver& o) { o.TreeExpansionChanged(*this, handle, expand); });
  NotifyTree(TVN_ITEMEXPANDED, action, kNone, slot);
  // A caret hidden by the collapse moves up to the collapsed item.
  slot = m_items.Resolve(handle);
  if (!expand && slot != kNone && m_caret != kNone && m_caret != slot && m_items.IsAncestor(slot, m_caret)) {
    SelectCaret(slot, TVC_UNKNOWN);
  }
  return TRUE;
}

bool CTreeCtrl::ExpandAncestors(Slot slot) {
  HTREEITEM handle = m_items.Handle(slot);
  std::vector<HTREEITEM> collapsed;
  for (Slot p = m_items[slot].parent; p != TreeItemStore::kRoot && p != kNone; p = m_items[p].parent) {
    if (!m_items.IsExpanded(p)) collapsed.push_back(m_items.Handle(p));
  }
  for (auto it = collapsed.rbegin(); it != collapsed.rend(); ++it) {
    Slot p = m_items.Resolve(*it);
    if (p != kNone) ExpandSlot(p, TVE_EXPAND);
  }
  return m_items.IsShown(m_items.Resolve(handle));
}

void CTreeCtrl::ExpandAll(HTREEITEM item) {
  std::vector<HTREEITEM> pending{item};
  while (!pending.empty()) {
    HTREEITEM handle = pending.back();
    pending.pop_back();
    Slot slot = m_items.Resolve(handle);
    if (slot == kNone || !HasChildren(slot)) continue;
    ExpandSlot(slot, TVE_EXPAND);
    slot = m_items.Resolve(handle);
    if (slot == kNone) continue;
    for (Slot child = m_items[slot].lastChild; child != kNone; child = m_items[child].prev) {
      pending.push_back(m_items.Handle(child));
    }
  }
}

// ---------------------------------------------------------------- sorting

BOOL CTreeCtrl::SortChildren(HTREEITEM item) {
  Slot parent = ParentSlot(item);
  if (parent == kNone) return FALSE;
  // Sorted by keys made once per child: most comparisons then read neither item.
  struct Entry {
    CaselessSortKey key;
    Slot slot;
  };
  std::vector<Entry> entries;
  entries.reserve(m_items[parent].childCount);
  for (Slot s = m_items[parent].firstChild; s != kNone; s = m_items[s].next)
    entries.push_back({CaselessSortKey::Of(m_items[s].text), s});
  std::stable_sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
    if (!(a.key == b.key)) return a.key < b.key;
    return CompareNoCase(m_items[a.slot].text, m_items[b.slot].text) < 0;
  });
  std::vector<Slot> order;
  order.reserve(entries.size());
  for (const Entry& entry : entries) order.push_back(entry.slot);
  SortSlots(parent, order);
  return TRUE;
}

BOOL CTreeCtrl::SortChildrenCB(const TVSORTCB* sort) {
  if (!sort || !sort->lpfnCompare) return FALSE;
  Slot parent = ParentSlot(sort->hParent);
  if (parent == kNone) return FALSE;
  struct Entry {
    HTREEITEM handle = nullptr;
    LPARAM data = 0;
  };
  std::vector<Entry> entries;
  entries.reserve(m_items[parent].childCount);
  for (Slot s = m_items[parent].firstChild; s != kNone; s = m_items[s].next) {
    entries.push_back({m_items.Handle(s), m_items[s].data});
  }
  std::uint32_t count = m_items[parent].childCount;
  PFNTVCOMPARE compare = sort->lpfnCompare;
  LPARAM sortData = sort->lParam;
  StableMergeSort(entries, [&](const Entry& a, const Entry& b) { return compare(a.data, b.data, sortData) < 0; });
  // The comparison may have changed the tree; reorder only the very same children.
  parent = ParentSlot(sort->hParent);
  if (parent == kNone || m_items[parent].childCount != count) return FALSE;
  std::vector<Slot> order;
  order.reserve(entries.size());
  for (const Entry& entry : entries) {
    Slot s = m_items.Resolve(entry.handle);
    if (s == kNone || m_items[s].parent != parent) return FALSE;
    order.push_back(s);
  }
  SortSlots(parent, order);
  return TRUE;
}

void CTreeCtrl::SortSlots(Slot parent, const std::vector<Slot>& order) {
  m_items.Reorder(parent, order);
  Tell([&](TreeCtrlObserver& o) { o.TreeStructureChanged(*this); });
}

// ---------------------------------------------------------------- label editing

CWnd* CTreeCtrl::EditLabel(HTREEITEM item) {
  Slot slot = m_items.Resolve(item);
  if (slot == kNone) return nullptr;
  if (IsEditingLabel()) {
    if (m_editItem == slot) return &m_edit;
    EndEditLabelNow(FALSE);
  }
  slot = m_items.Resolve(item);
  if (slot == kNone) return nullptr;
  NMTVDISPINFO info;
  FillItem(info.item, slot);
  std::string text = m_items[slot].text;
  info.item.mask |= TVIF_TEXT;
  info.item.pszText = text.c_str();
  if (Notify(info.hdr, TVN_BEGINLABELEDIT) != 0) return nullptr;
  if (IsEditingLabel()) return &m_edit;  // the handler started one itself
  if (!EnsureVisible(item)) return nullptr;
  slot = m_items.Resolve(item);
  if (slot == kNone) return nullptr;
  CRect rect = TextRect(slot, m_items.RowInView(slot));
  m_editItem = slot;
  if (!m_edit.Open(m_items[slot].text, rect)) {
    m_editItem = kNone;
    return nullptr;
  }
  Tell([&](TreeCtrlObserver& o) { o.TreeLabelEditStarted(*this, item, m_edit); });
  UI().LabelEditStarted(m_edit);
  return IsEditingLabel() ? &m_edit : nullptr;
}

CWnd* CTreeCtrl::GetEditControl() { return IsEditingLabel() ? &m_edit : nullptr; }

ILabelEdit* CTreeCtrl::GetLabelEdit() { return IsEditingLabel() ? &m_edit : nullptr; }

BOOL CTreeCtrl::EndEditLabelNow(BOOL cancel) {
  if (!IsEditingLabel() || m_editEnding) return FALSE;
  m_editEnding = true;
  HTREEITEM handle = m_items.Handle(m_editItem);
  std::string text = m_edit.Text();
  Slot slot = m_items.Resolve(handle);
  if (slot != kNone) {
    // The editor stays open during the notification, so the owner may read it.
    NMTVDISPINFO info;
    FillItem(info.item, slot);
    info.item.mask |= TVIF_TEXT;
    info.item.pszText = cancel ? nullptr : text.c_str();
    LRESULT accepted = Notify(info.hdr, TVN_ENDLABELEDIT);
    if (!cancel && accepted != 0) SetItemText(handle, text);
  }
  m_editEnding = false;
  CloseEdit();
  return TRUE;
}

// Closes the editor without asking the owner (its item is going away, or the edit has been answered).
void CTreeCtrl::CloseEdit() {
  if (!IsEditingLabel() && m_editItem == kNone) return;
  m_editEnding = true;
  m_edit.Close();
  m_editItem = kNone;
  m_editEnding = false;
  Tell([&](TreeCtrlObserver& o) { o.TreeLabelEditEnded(*this); });
}
