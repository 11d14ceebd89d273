// The tree-view control. It keeps its items (text, images, item data, state,
// children in order), its selection, expansion, scroll position and label
// edit, and tells its owner what happens through notifications: first to its
// own OnReflectedNotify (a view derived from the control handles them there),
// otherwise as WM_NOTIFY to the parent window. The User... methods are what a
// person does with a mouse or keyboard; the desktop program's peer, the
// headless command line and tests call them.
//
// Item handles name items through a table with generations: a handle of a
// deleted item resolves to nothing, and every operation given a null or stale
// handle fails (FALSE / null) without touching any other item.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/ImageList.h"
#include "platform/LabelEditWnd.h"
#include "platform/Notify.h"
#include "platform/Scroll.h"
#include "platform/TreeItemStore.h"
#include "platform/Window.h"

// Styles.
constexpr DWORD TVS_HASBUTTONS = 0x0001;
constexpr DWORD TVS_HASLINES = 0x0002;
constexpr DWORD TVS_LINESATROOT = 0x0004;
constexpr DWORD TVS_EDITLABELS = 0x0008;
constexpr DWORD TVS_DISABLEDRAGDROP = 0x0010;
constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;

// Insertion places and the top level.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFE));
inline const HTREEITEM TVI_SORT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFD));

// TVITEM mask.
constexpr UINT TVIF_TEXT = 0x0001;
constexpr UINT TVIF_IMAGE = 0x0002;
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_STATE = 0x0008;
constexpr UINT TVIF_HANDLE = 0x0010;
constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
constexpr UINT TVIF_CHILDREN = 0x0040;
constexpr UINT TVIF_DI_SETITEM = 0x1000;  // display info: keep the answer in the item

// Item state (TVIS_OVERLAYMASK and INDEXTOOVERLAYMASK come from ImageList.h).
constexpr UINT TVIS_SELECTED = 0x0002;
constexpr UINT TVIS_CUT = 0x0004;
constexpr UINT TVIS_DROPHILITED = 0x0008;
constexpr UINT TVIS_BOLD = 0x0010;
constexpr UINT TVIS_EXPANDED = 0x0020;
constexpr UINT TVIS_EXPANDEDONCE = 0x0040;
constexpr UINT TVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT TVIS_USERMASK = 0xF000;

constexpr int I_CHILDRENCALLBACK = -1;

// GetNextItem / Select codes.
constexpr UINT TVGN_ROOT = 0x0000;
constexpr UINT TVGN_NEXT = 0x0001;
constexpr UINT TVGN_PREVIOUS = 0x0002;
constexpr UINT TVGN_PARENT = 0x0003;
constexpr UINT TVGN_CHILD = 0x0004;
constexpr UINT TVGN_FIRSTVISIBLE = 0x0005;
constexpr UINT TVGN_NEXTVISIBLE = 0x0006;
constexpr UINT TVGN_PREVIOUSVISIBLE = 0x0007;
constexpr UINT TVGN_DROPHILITE = 0x0008;
constexpr UINT TVGN_CARET = 0x0009;
constexpr UINT TVGN_LASTVISIBLE = 0x000A;

// Expand codes.
constexpr UINT TVE_COLLAPSE = 0x0001;
constexpr UINT TVE_EXPAND = 0x0002;
constexpr UINT TVE_TOGGLE = 0x0003;

// How a selection changed (NMTREEVIEW::action of the selection notifications).
constexpr UINT TVC_UNKNOWN = 0x0000;
constexpr UINT TVC_BYMOUSE = 0x0001;
constexpr UINT TVC_BYKEYBOARD = 0x0002;

// Image lists.
constexpr int TVSIL_NORMAL = 0;
constexpr int TVSIL_STATE = 2;

// Hit-test results.
constexpr UINT TVHT_NOWHERE = 0x0001;
constexpr UINT TVHT_ONITEMICON = 0x0002;
constexpr UINT TVHT_ONITEMLABEL = 0x0004;
constexpr UINT TVHT_ONITEMINDENT = 0x0008;
constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
constexpr UINT TVHT_ONITEMRIGHT = 0x0020;
constexpr UINT TVHT_ONITEMSTATEICON = 0x0040;
constexpr UINT TVHT_ONITEM = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
constexpr UINT TVHT_ABOVE = 0x0100;
constexpr UINT TVHT_BELOW = 0x0200;
constexpr UINT TVHT_TORIGHT = 0x0400;
constexpr UINT TVHT_TOLEFT = 0x0800;

// Notification codes.
constexpr int TVN_FIRST = -400;
constexpr int TVN_SELCHANGING = TVN_FIRST - 1;
constexpr int TVN_SELCHANGED = TVN_FIRST - 2;
constexpr int TVN_GETDISPINFO = TVN_FIRST - 3;
constexpr int TVN_SETDISPINFO = TVN_FIRST - 4;
constexpr int TVN_ITEMEXPANDING = TVN_FIRST - 5;
constexpr int TVN_ITEMEXPANDED = TVN_FIRST - 6;
constexpr int TVN_BEGINDRAG = TVN_FIRST - 7;
constexpr int TVN_BEGINRDRAG = TVN_FIRST - 8;
constexpr int TVN_DELETEITEM = TVN_FIRST - 9;
constexpr int TVN_BEGINLABELEDIT = TVN_FIRST - 10;
constexpr int TVN_ENDLABELEDIT = TVN_FIRST - 11;
constexpr int TVN_KEYDOWN = TVN_FIRST - 12;

// An item's fields, as far as mask says. pszText is read on insertion and
// setting (null reads as empty); on reading it points into the control's own
// copy, valid until the item's text changes or the item is deleted.
struct TVITEM {
  UINT mask = 0;
  HTREEITEM hItem = nullptr;
  UINT state = 0;
  UINT stateMask = 0;
  const char* pszText = nullptr;
  int cchTextMax = 0;
  int iImage = 0;
  int iSelectedImage = 0;
  int cChildren = 0;  // TVIF_CHILDREN: nonzero shows an expand button before children exist
  LPARAM lParam = 0;
};
using TV_ITEM = TVITEM;

struct TVINSERTSTRUCT {
  HTREEITEM hParent = nullptr;      // null or TVI_ROOT: top level
  HTREEITEM hInsertAfter = nullptr;  // TVI_FIRST, TVI_LAST, TVI_SORT or a child of hParent
  TVITEM item;
};
using TV_INSERTSTRUCT = TVINSERTSTRUCT;

// Selection, expansion, deletion and drag notifications.
struct NMTREEVIEW {
  NMHDR hdr;
  UINT action = 0;  // TVC_ for selections, TVE_EXPAND / TVE_COLLAPSE for expansions
  TVITEM itemOld;
  TVITEM itemNew;
  CPoint ptDrag;    // client coordinates (drags)
};
using NM_TREEVIEW = NMTREEVIEW;
using LPNMTREEVIEW = NMTREEVIEW*;

// Display information and label edits. TVN_ENDLABELEDIT: item.pszText is the
// edited text, or null when the edit was cancelled.
struct NMTVDISPINFO {
  NMHDR hdr;
  TVITEM item;
};
using TV_DISPINFO = NMTVDISPINFO;
using LPNMTVDISPINFO = NMTVDISPINFO*;

struct NMTVKEYDOWN {
  NMHDR hdr;
  WORD wVKey = 0;
  UINT flags = 0;
};
using TV_KEYDOWN = NMTVKEYDOWN;

struct TVHITTESTINFO {
  CPoint pt;
  UINT flags = 0;
  HTREEITEM hItem = nullptr;
};

// Comparison for SortChildrenCB: negative when lParam1 goes first.
using PFNTVCOMPARE = int (*)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
struct TVSORTCB {
  HTREEITEM hParent = nullptr;
  PFNTVCOMPARE lpfnCompare = nullptr;
  LPARAM lParam = 0;
};

class CTreeCtrl;

// What the desktop program's model of a tree needs to hear (no widget per row).
// Structure changes come once per operation; a peer may batch them.
class TreeCtrlObserver {
 public:
  virtual ~TreeCtrlObserver() = default;
  virtual void TreeStructureChanged(CTreeCtrl& /*tree*/) {}  // items inserted, deleted or reordered
  virtual void TreeItemChanged(CTreeCtrl& /*tree*/, HTREEITEM /*item*/) {}  // text, images, state, data
  virtual void TreeExpansionChanged(CTreeCtrl& /*tree*/, HTREEITEM /*item*/, bool /*expanded*/) {}
  virtual void TreeSelectionChanged(CTreeCtrl& /*tree*/, HTREEITEM /*selected*/) {}
  virtual void TreeLabelEditStarted(CTreeCtrl& /*tree*/, HTREEITEM /*item*/, ILabelEdit& /*edit*/) {}
  virtual void TreeLabelEditEnded(CTreeCtrl& /*tree*/) {}
  virtual void TreeScrolled(CTreeCtrl& /*tree*/) {}
};

class CTreeCtrl : public CWnd {
 public:
  // Geometry: every row is this high; each level is indented this far.
  static constexpr int kItemHeight = 16;
  static constexpr int kIndent = 19;
  static constexpr int kIconWidth = 16;
  static constexpr int kIconGap = 3;
  static constexpr int kCharWidth = 7;
  static constexpr int kTextMargin = 2;  // each side of the label text

  CTreeCtrl();
  ~CTreeCtrl() override;

  using CWnd::Create;
  // Creates the control window ("SysTreeView32") as a child of parent.
  bool Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

  // ---- items
  HTREEITEM InsertItem(const TVINSERTSTRUCT* insert);
  HTREEITEM InsertItem(UINT mask, const std::string& text, int image, int selectedImage, UINT state, UINT stateMask,
                       LPARAM lParam, HTREEITEM parent, HTREEITEM after);
  HTREEITEM InsertItem(const std::string& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
  HTREEITEM InsertItem(const std::string& text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                       HTREEITEM after = TVI_LAST);
  // Deletes item and its subtree, TVN_DELETEITEM for every one of them (children
  // before their parent). TVI_ROOT deletes everything.
  BOOL DeleteItem(HTREEITEM item);
  BOOL DeleteAllItems();

  // ---- navigation
  HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
  HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
  HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
  HTREEITEM GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
  HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
  HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
  HTREEITEM GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
  HTREEITEM GetNextVisibleItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXTVISIBLE); }
  HTREEITEM GetPrevVisibleItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUSVISIBLE); }
  HTREEITEM GetLastVisibleItem() const { return GetNextItem(nullptr, TVGN_LASTVISIBLE); }
  HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
  HTREEITEM GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
  // Children with a child item or marked with TVIF_CHILDREN show an expand button.
  BOOL ItemHasChildren(HTREEITEM item) const;
  bool IsValidItem(HTREEITEM item) const { return m_items.Resolve(item) != TreeItemStore::kNone; }
  UINT GetCount() const { return static_cast<UINT>(m_items.Count()); }
  // Rows that fit wholly in the client area (every shown row when the control has no size).
  UINT GetVisibleCount() const;

  // Rows for a model of the tree: O(1) amortised. parent null or TVI_ROOT: top level.
  int GetChildCount(HTREEITEM parent) const;
  HTREEITEM GetChildItemAt(HTREEITEM parent, int row);
  int GetItemRow(HTREEITEM item);  // -1 for a bad handle
  int GetItemLevel(HTREEITEM item) const;  // 0 for top-level items, -1 for a bad handle

  // ---- item fields
  BOOL GetItem(TVITEM* item) const;
  BOOL SetItem(const TVITEM* item);
  std::string GetItemText(HTREEITEM item) const;
  BOOL SetItemText(HTREEITEM item, const std::string& text);
  LPARAM GetItemData(HTREEITEM item) const;
  BOOL SetItemData(HTREEITEM item, LPARAM data);
  UINT GetItemState(HTREEITEM item, UINT stateMask) const;
  // Sets the bits of state within stateMask. TVIS_EXPANDED changes the layout
  // without notifications; TVIS_SELECTED and TVIS_DROPHILITED change only the bits.
  BOOL SetItemState(HTREEITEM item, UINT state, UINT stateMask);
  BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;  // as stored
  BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
  // The images to draw: stored values, callbacks answered through TVN_GETDISPINFO.
  BOOL GetItemDisplayImages(HTREEITEM item, int& image, int& selectedImage);

  // ---- selection and expansion
  BOOL SelectItem(HTREEITEM item) { return Select(item, TVGN_CARET); }
  // TVGN_CARET selects (notifying, expanding ancestors and scrolling it into
  // view); TVGN_DROPHILITE shows a drop target; TVGN_FIRSTVISIBLE scrolls.
  BOOL Select(HTREEITEM item, UINT code);
  BOOL SelectDropTarget(HTREEITEM item) { return Select(item, TVGN_DROPHILITE); }
  BOOL SelectSetFirstVisible(HTREEITEM item) { return Select(item, TVGN_FIRSTVISIBLE); }
  // TVN_ITEMEXPANDING before anything changes (the owner may insert or delete
  // children there; nonzero vetoes), then TVN_ITEMEXPANDED. An item without
  // children does not expand and nothing is sent.
  BOOL Expand(HTREEITEM item, UINT code);
  BOOL EnsureVisible(HTREEITEM item);
  // Orders the children of item (null / TVI_ROOT: the top level) by text,
  // without regard to case; equal texts keep their order.
  BOOL SortChildren(HTREEITEM item);
  // Orders children by the caller's comparison; any comparison is safe, ties
  // (and answers that are not an ordering) keep the existing order.
  BOOL SortChildrenCB(const TVSORTCB* sort);

  // ---- geometry
  HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
  HTREEITEM HitTest(TVHITTESTINFO* info) const;
  BOOL GetItemRect(HTREEITEM item, CRect* rect, BOOL textOnly) const;
  int GetItemHeight() const { return kItemHeight; }
  UINT GetIndent() const { return kIndent; }
  CImageList* SetImageList(CImageList* list, int kind);
  CImageList* GetImageList(int kind) const;
  // Scroll positions: SB_VERT in rows, SB_HORZ in pixels.
  int GetScrollPos(int bar) const;
  int GetScrollLimit(int bar) const;

  // ---- label editing
  // Starts editing item's label: TVN_BEGINLABELEDIT (nonzero refuses), then an
  // editor window over the label and UI().LabelEditStarted. Returns the editor
  // window while the edit is open, null when refused or already ended.
  CWnd* EditLabel(HTREEITEM item);
  CWnd* GetEditControl();
  ILabelEdit* GetLabelEdit();  // null when no edit is open
  bool IsEditingLabel() const { return m_edit.IsActive(); }
  HTREEITEM GetEditItem() const { return IsEditingLabel() ? m_items.Handle(m_editItem) : nullptr; }
  // Ends the open edit: TVN_ENDLABELEDIT with the text (null when cancel);
  // a nonzero answer to a commit sets the item's text.
  BOOL EndEditLabelNow(BOOL cancel);

  // ---- what a person does
  // Each puts the cursor on the item's label (screen coordinates) first, so
  // handlers that hit-test at the cursor find the item; items are scrolled into view.
  bool UserClick(HTREEITEM item);  // selects by mouse, then NM_CLICK
  bool UserRightClick(HTREEITEM item);  // NM_RCLICK, then WM_CONTEXTMENU unless handled
  bool UserRightClick(CPoint clientPoint);
  bool UserDoubleClick(HTREEITEM item);  // click, NM_DBLCLK, and unless handled toggles expansion
  bool UserToggleExpand(HTREEITEM item);  // the expand button
  bool UserBeginDrag(HTREEITEM item, bool rightButton);  // TVN_BEGINDRAG / TVN_BEGINRDRAG
  CWnd* UserBeginLabelEdit(HTREEITEM item);  // needs TVS_EDITLABELS; selects the item first
  // A key pressed while the tree (or its label editor) has the focus.
  void UserKeyDown(UINT virtualKey);

  // ---- observers (not owned)
  void AddObserver(TreeCtrlObserver* observer);
  void RemoveObserver(TreeCtrlObserver* observer);

  // A derived view handles the control's notifications here; answering true
  // keeps them from the parent, *result being the answer.
  virtual bool OnReflectedNotify(NMHDR* /*header*/, LRESULT* /*result*/) { return false; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;
  void OnSize(UINT type, int cx, int cy) override;
  // The default key handling: TVN_KEYDOWN, then moving the caret, expanding,
  // collapsing, NM_RETURN, F2 to rename.
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnVScroll(UINT code, int position);
  void OnHScroll(UINT code, int position);

 private:
  using Slot = TreeItemStore::Slot;
  static constexpr Slot kNone = TreeItemStore::kNone;

  // Sends a notification the reflected way, then to the parent.
  LRESULT Notify(NMHDR& header, int code);
  LRESULT NotifyTree(int code, UINT action, Slot oldItem, Slot newItem, CPoint drag = {});
  void FillItem(TVITEM& item, Slot slot) const;
  Slot ParentSlot(HTREEITEM parent) const;  // kNone for a bad handle
  Slot InsertAfterSlot(Slot parent, HTREEITEM after, const std::string& text);

  bool HasChildren(Slot slot) const;
  BOOL SelectCaret(Slot slot, UINT action);
  void SetDropHilite(Slot slot);
  void MoveMarker(Slot& marker, Slot slot, UINT bit);
  BOOL ExpandSlot(Slot slot, UINT code);
  bool ExpandAncestors(Slot slot);
  void DeleteSubtree(Slot top);
  void ReleaseSlot(Slot slot);
  void ExpandAll(HTREEITEM item);
  void SortSlots(Slot parent, const std::vector<Slot>& order);
  void CloseEdit();

  // Layout.
  CSize ViewSize() const;  // 0 in a dimension the control has no size in
  int PageRows() const;
  int TopRow() const;
  int MaxTopRow() const;
  void ClampScroll();
  void SetTopRow(int row);
  void SetHorzPos(int pos);
  int LevelZeroLeft() const;
  int ItemLeft(Slot slot) const;  // the icon's left edge, client coordinates
  int TextWidth(Slot slot) const;
  CRect TextRect(Slot slot, int row) const;
  int ContentWidth() const;

  // Input.
  CPoint LabelPoint(Slot slot) const;  // the client point a person aims at
  CPoint ButtonPoint(Slot slot) const;
  // Scrolls item into view, takes the focus and puts the cursor on it; false when it cannot be reached.
  bool PrepareUserAction(HTREEITEM item, bool onButton = false);
  void TakeFocus();
  void RightClickAtCursor();

  // Observers.
  template <typename Call>
  void Tell(Call call);

  TreeItemStore m_items;
  Slot m_caret = kNone;
  Slot m_dropHilite = kNone;
  Slot m_editItem = kNone;
  bool m_editEnding = false;
  int m_topRow = 0;
  int m_horzPos = 0;
  CImageList* m_normalImages = nullptr;
  CImageList* m_stateImages = nullptr;
  CLabelEditWnd m_edit;
  std::vector<TreeCtrlObserver*> m_observers;
  int m_telling = 0;  // depth of observer calls in progress
};

template <typename Call>
void CTreeCtrl::Tell(Call call) {
  if (m_observers.empty()) return;
  ++m_telling;
  // By index: observers may add or remove observers while being told.
  for (std::size_t i = 0; i < m_observers.size(); ++i) {
    if (TreeCtrlObserver* observer = m_observers[i]) call(*observer);
  }
  if (--m_telling == 0) std::erase(m_observers, nullptr);
}
