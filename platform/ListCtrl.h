// The list-view control. It keeps its rows (texts per column, item data,
// state, image), its columns, selection, focus, scroll position and label
// edit, and shows them in one of four views chosen by the window style
// (LVS_ICON, LVS_REPORT, LVS_SMALLICON, LVS_LIST). It tells its owner what
// happens through notifications: first to its own OnReflectedNotify (a view
// derived from the control handles them there), otherwise as WM_NOTIFY to the
// parent window. The User... methods are what a person does with the mouse or
// keyboard; the desktop program's peer, the headless command line and tests
// call them.
//
// Rows are named by index, as in the system control. Every operation given an
// index out of range fails (FALSE, -1, empty) without touching any other row.
// Handlers may change the list while a notification is out: the control finds
// its row again afterwards (or gives up when the row is gone).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/CustomDraw.h"
#include "platform/ImageList.h"
#include "platform/LabelEditWnd.h"
#include "platform/ListLayout.h"
#include "platform/ListRowTexts.h"
#include "platform/Notify.h"
#include "platform/Scroll.h"
#include "platform/Window.h"

// Styles. The view is the LVS_TYPEMASK part.
constexpr DWORD LVS_ICON = 0x0000;
constexpr DWORD LVS_REPORT = 0x0001;
constexpr DWORD LVS_SMALLICON = 0x0002;
constexpr DWORD LVS_LIST = 0x0003;
constexpr DWORD LVS_TYPEMASK = 0x0003;
constexpr DWORD LVS_SINGLESEL = 0x0004;
constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
constexpr DWORD LVS_SHAREIMAGELISTS = 0x0040;
constexpr DWORD LVS_AUTOARRANGE = 0x0100;
constexpr DWORD LVS_EDITLABELS = 0x0200;
constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;
constexpr DWORD LVS_NOSORTHEADER = 0x8000;

// Columns.
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;
constexpr int LVCFMT_JUSTIFYMASK = 0x0003;
constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
constexpr UINT LVCF_SUBITEM = 0x0008;
constexpr int LVSCW_AUTOSIZE = -1;             // as wide as the widest text in the column
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;   // the same, counting the heading

// Item fields (LVITEM::mask).
constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_IMAGE = 0x0002;
constexpr UINT LVIF_PARAM = 0x0004;
constexpr UINT LVIF_STATE = 0x0008;
constexpr UINT LVIF_DI_SETITEM = 0x1000;  // display info: keep the answer in the item

// Item state (LVIS_OVERLAYMASK and INDEXTOOVERLAYMASK come from ImageList.h).
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr UINT LVIS_CUT = 0x0004;
constexpr UINT LVIS_DROPHILITED = 0x0008;
constexpr UINT LVIS_STATEIMAGEMASK = 0xF000;

// GetNextItem flags. The state flags match the LVIS_ bits.
constexpr int LVNI_ALL = 0x0000;
constexpr int LVNI_FOCUSED = 0x0001;
constexpr int LVNI_SELECTED = 0x0002;
constexpr int LVNI_CUT = 0x0004;
constexpr int LVNI_DROPHILITED = 0x0008;
constexpr int LVNI_ABOVE = 0x0100;    // searches towards the first row
constexpr int LVNI_BELOW = 0x0200;    // searches towards the last row (the default)
constexpr int LVNI_TOLEFT = 0x0400;   // as LVNI_ABOVE
constexpr int LVNI_TORIGHT = 0x0800;  // as LVNI_BELOW

// FindItem flags.
constexpr UINT LVFI_PARAM = 0x0001;
constexpr UINT LVFI_STRING = 0x0002;
constexpr UINT LVFI_PARTIAL = 0x0008;  // with LVFI_STRING: the label begins with the text
constexpr UINT LVFI_WRAP = 0x0020;     // continue from the first row

// Hit-test results.
constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEMICON = 0x0002;
constexpr UINT LVHT_ONITEMLABEL = 0x0004;
constexpr UINT LVHT_ONITEMSTATEICON = 0x0008;
constexpr UINT LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON;
constexpr UINT LVHT_ABOVE = 0x0008;
constexpr UINT LVHT_BELOW = 0x0010;
constexpr UINT LVHT_TORIGHT = 0x0020;
constexpr UINT LVHT_TOLEFT = 0x0040;

// GetItemRect parts.
constexpr UINT LVIR_BOUNDS = 0;
constexpr UINT LVIR_ICON = 1;
constexpr UINT LVIR_LABEL = 2;
constexpr UINT LVIR_SELECTBOUNDS = 3;

// Image lists.
constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;
constexpr int LVSIL_STATE = 2;

// Key flags of NMITEMACTIVATE::uKeyFlags.
constexpr UINT LVKF_ALT = 0x0001;
constexpr UINT LVKF_CONTROL = 0x0002;
constexpr UINT LVKF_SHIFT = 0x0004;

// Notification codes.
constexpr int LVN_FIRST = -100;
constexpr int LVN_ITEMCHANGING = LVN_FIRST - 0;
constexpr int LVN_ITEMCHANGED = LVN_FIRST - 1;
constexpr int LVN_INSERTITEM = LVN_FIRST - 2;
constexpr int LVN_DELETEITEM = LVN_FIRST - 3;
constexpr int LVN_DELETEALLITEMS = LVN_FIRST - 4;
constexpr int LVN_BEGINLABELEDIT = LVN_FIRST - 5;
constexpr int LVN_ENDLABELEDIT = LVN_FIRST - 6;
constexpr int LVN_COLUMNCLICK = LVN_FIRST - 8;
constexpr int LVN_BEGINDRAG = LVN_FIRST - 9;
constexpr int LVN_BEGINRDRAG = LVN_FIRST - 11;
constexpr int LVN_GETDISPINFO = LVN_FIRST - 50;
constexpr int LVN_KEYDOWN = LVN_FIRST - 55;

// Columns as the caller describes or reads them. GetColumn copies the heading
// into pszText, at most cchTextMax - 1 bytes and a terminating zero.
struct LVCOLUMN {
  UINT mask = 0;
  int fmt = LVCFMT_LEFT;
  int cx = 0;
  char* pszText = nullptr;
  int cchTextMax = 0;
  int iSubItem = 0;
};
using LV_COLUMN = LVCOLUMN;

// A row's fields, as far as mask says. pszText is read on insertion and
// setting (null reads as empty); GetItem copies into it, at most cchTextMax - 1
// bytes and a terminating zero. iImage may be I_IMAGECALLBACK: the image is
// then asked of the owner (LVN_GETDISPINFO) when it is drawn.
struct LVITEM {
  UINT mask = 0;
  int iItem = 0;
  int iSubItem = 0;
  UINT state = 0;
  UINT stateMask = 0;
  char* pszText = nullptr;
  int cchTextMax = 0;
  int iImage = 0;
  LPARAM lParam = 0;
};
using LV_ITEM = LVITEM;

struct LVFINDINFO {
  UINT flags = 0;
  const char* psz = nullptr;
  LPARAM lParam = 0;
};

struct LVHITTESTINFO {
  CPoint pt;        // client coordinates
  UINT flags = 0;   // LVHT_
  int iItem = -1;
  int iSubItem = -1;
};

// Comparison for SortItems: negative when lParam1 goes first.
using PFNLVCOMPARE = int (*)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

// Row notifications: state changes (uChanged = LVIF_STATE, with the whole old
// and new state), insertion, deletion, column clicks (iItem -1, iSubItem the
// column) and drags (ptAction the client point).
struct NMLISTVIEW {
  NMHDR hdr;
  int iItem = -1;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  UINT uChanged = 0;
  CPoint ptAction;
  LPARAM lParam = 0;
};
using NM_LISTVIEW = NMLISTVIEW;
using LPNMLISTVIEW = NMLISTVIEW*;

// Clicks (NM_CLICK, NM_DBLCLK, NM_RCLICK): the row and cell under the pointer
// (iItem -1 on empty space) and the client point.
struct NMITEMACTIVATE {
  NMHDR hdr;
  int iItem = -1;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  UINT uChanged = 0;
  CPoint ptAction;
  LPARAM lParam = 0;
  UINT uKeyFlags = 0;  // LVKF_
};
using LPNMITEMACTIVATE = NMITEMACTIVATE*;

// Display information and label edits. LVN_ENDLABELEDIT: item.pszText is the
// edited text, or null when the edit was cancelled.
struct NMLVDISPINFO {
  NMHDR hdr;
  LVITEM item;
};
using LV_DISPINFO = NMLVDISPINFO;

struct NMLVKEYDOWN {
  NMHDR hdr;
  WORD wVKey = 0;
  UINT flags = 0;
};
using LV_KEYDOWN = NMLVKEYDOWN;

// Custom draw of a list. At the sub-item stage the owner may set clrText and
// choose the underlined font (underline = true); both are kept when it
// answers CDRF_NEWFONT.
struct NMLVCUSTOMDRAW {
  NMCUSTOMDRAW nmcd;
  COLORREF clrText = 0;
  COLORREF clrTextBk = 0;
  int iSubItem = 0;
  bool underline = false;
};
using LPNMLVCUSTOMDRAW = NMLVCUSTOMDRAW*;

// How a cell is to be drawn, as the owner decided through custom draw.
struct ListCellAttributes {
  COLORREF textColour = 0;
  bool underline = false;
};

// Selected rows, walked with GetFirstSelectedItemPosition / GetNextSelectedItem.
struct ListPosition__;
using POSITION = ListPosition__*;

class CListCtrl;

// What the desktop program's model of a list needs to hear (no widget per
// row). Each call comes after the change. While redrawing is switched off
// (SetRedraw(FALSE)) row calls are held back and one ListRowsReset follows
// when it is switched on again.
class ListCtrlObserver {
 public:
  virtual ~ListCtrlObserver() = default;
  virtual void ListRowsReset(CListCtrl& /*list*/) {}  // every row may have changed (delete all, sort)
  virtual void ListRowsInserted(CListCtrl& /*list*/, int /*first*/, int /*count*/) {}
  virtual void ListRowsRemoved(CListCtrl& /*list*/, int /*first*/, int /*count*/) {}
  virtual void ListRowsChanged(CListCtrl& /*list*/, int /*first*/, int /*last*/) {}  // texts, state, image
  virtual void ListColumnsChanged(CListCtrl& /*list*/) {}  // added, removed, headings, widths
  virtual void ListViewStyleChanged(CListCtrl& /*list*/) {}  // view style or image lists: a new layout
  virtual void ListScrolled(CListCtrl& /*list*/) {}
  virtual void ListLabelEditStarted(CListCtrl& /*list*/, int /*row*/, ILabelEdit& /*edit*/) {}
  virtual void ListLabelEditEnded(CListCtrl& /*list*/) {}
  virtual void ListDestroyed(CListCtrl& /*list*/) {}  // the control object goes away; forget it
};

// The column header of the report view, seen through its list control.
class CHeaderCtrl {
 public:
  int GetItemCount() const;
  // Header item index in the list's client coordinates; FALSE outside the report view.
  BOOL GetItemRect(int index, CRect* rect) const;

 private:
  friend class CListCtrl;
  explicit CHeaderCtrl(const CListCtrl& list) : m_list(list) {}
  const CListCtrl& m_list;
};

class CListCtrl : public CWnd {
 public:
  CListCtrl();
  ~CListCtrl() override;

  using CWnd::Create;
  // Creates the control window ("SysListView32") as a child of parent.
  bool Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

  // ---- columns
  // Inserts a column at col (appended when col is past the end); returns its
  // index or -1. Without a width the column is as wide as its heading.
  int InsertColumn(int col, const LVCOLUMN* column);
  int InsertColumn(int col, const std::string& heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
  // Removes the column and every row's text in it (column 0 always shows the row labels).
  BOOL DeleteColumn(int col);
  BOOL GetColumn(int col, LVCOLUMN* column) const;
  BOOL SetColumn(int col, const LVCOLUMN* column);
  int GetColumnWidth(int col) const;  // 0 for no such column
  BOOL SetColumnWidth(int col, int cx);  // cx may be LVSCW_AUTOSIZE or LVSCW_AUTOSIZE_USEHEADER
  int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
  CHeaderCtrl* GetHeaderCtrl() { return &m_header; }
  const CHeaderCtrl* GetHeaderCtrl() const { return &m_header; }
  // The header's sort arrow: the column the rows are sorted by and the
  // direction, shown in the report view (the header's up and down marks).
  // Column -1 shows none; inserting or deleting a column removes it.
  void SetSortMark(int col, bool ascending);
  int GetSortMarkColumn() const { return m_sortMarkColumn; }
  bool IsSortMarkAscending() const { return m_sortMarkAscending; }

  // ---- rows
  // Inserts a row at iItem (appended when past the end); returns its index or
  // -1. Selected and focused states arrive through LVN_ITEMCHANGED after LVN_INSERTITEM.
  int InsertItem(const LVITEM* item);
  int InsertItem(int row, const std::string& text);
  int InsertItem(int row, const std::string& text, int image);
  int InsertItem(UINT mask, int row, const std::string& text, UINT state, UINT stateMask, int image, LPARAM lParam);
  // LVN_DELETEITEM (the row is still there), then the row goes.
  BOOL DeleteItem(int row);
  // LVN_DELETEALLITEMS; unless the owner answers nonzero, LVN_DELETEITEM for
  // every row (carrying its index and item data; the rows are already gone).
  BOOL DeleteAllItems();
  int GetItemCount() const { return static_cast<int>(m_rows.size()); }
  // Reserves room for count rows (a hint; the row count does not change).
  void SetItemCount(int count);

  BOOL GetItem(LVITEM* item) const;  // iImage as stored (I_IMAGECALLBACK stays so)
  BOOL SetItem(const LVITEM* item);
  BOOL SetItem(int row, int subItem, UINT mask, const std::string& text, int image, UINT state, UINT stateMask,
               LPARAM lParam);
  std::string GetItemText(int row, int subItem) const;
  int GetItemText(int row, int subItem, char* buffer, int length) const;  // bytes copied
  BOOL SetItemText(int row, int subItem, const std::string& text);
  LPARAM GetItemData(int row) const;  // 0 for a row out of range
  BOOL SetItemData(int row, LPARAM data);
  UINT GetItemState(int row, UINT mask) const;
  // Changes the state bits in mask: LVN_ITEMCHANGING (nonzero refuses), then
  // LVN_ITEMCHANGED with the old and new state. Focusing a row takes the focus
  // from the row that had it; with LVS_SINGLESEL, selecting a row deselects
  // the others (each with its own notifications). Row -1: every row (focus
  // and single selection cannot be given to every row and are left out).
  BOOL SetItemState(int row, UINT state, UINT mask);
  BOOL SetItemState(int row, const LVITEM* item);
  // The image to draw: the stored image, or the owner's answer to LVN_GETDISPINFO
  // for I_IMAGECALLBACK (I_IMAGENONE when it does not answer).
  int GetDisplayImage(int row);

  // ---- selection and finding
  // The next row after start (-1: from the first) in the direction and with
  // the state the flags name; -1 when there is none.
  int GetNextItem(int start, int flags) const;
  UINT GetSelectedCount() const { return m_selectedCount; }
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& position) const;
  // LVFI_PARAM: the row whose item data is lParam; LVFI_STRING: the row whose
  // label is psz, ignoring case (LVFI_PARTIAL: begins with it). From the row
  // after start; -1 when none.
  int FindItem(const LVFINDINFO* find, int start = -1) const;

  // ---- views and images
  // Changes the window style; a new view style (or header choice) gives a new
  // layout. Call it on the list (not through CWnd) so observers hear of it.
  bool ModifyStyle(DWORD remove, DWORD add);
  DWORD GetViewStyle() const { return GetStyle() & LVS_TYPEMASK; }
  CImageList* SetImageList(CImageList* list, int kind);  // returns the previous list
  CImageList* GetImageList(int kind) const;

  // ---- sorting
  // Orders the rows by compare(itemData1, itemData2, data): negative puts the
  // first before the second. The sort is stable and safe with any answers: a
  // pair that each answer puts first (or that answers 0) keeps its order.
  BOOL SortItems(PFNLVCOMPARE compare, LPARAM data);
  // Puts the rows in the order given: row i becomes the row that was at
  // order[i]. Refused (FALSE, nothing moved) unless order names every row once.
  BOOL ArrangeItems(const std::vector<std::uint32_t>& order);

  // ---- geometry (client coordinates)
  int HitTest(CPoint point, UINT* flags = nullptr) const;
  int HitTest(LVHITTESTINFO* info) const;
  // Also fills iSubItem (the column under the point in the report view).
  int SubItemHitTest(LVHITTESTINFO* info) const;
  BOOL GetItemRect(int row, CRect* rect, UINT code) const;
  // Sub-item 0 with LVIR_BOUNDS is the whole row, as the system control answers.
  BOOL GetSubItemRect(int row, int subItem, int area, CRect& rect) const;
  BOOL GetViewRect(CRect* rect) const;  // around every row
  BOOL EnsureVisible(int row, BOOL partialOk);
  // Scrolls by size pixels (the report view by whole rows, the list view by whole columns).
  BOOL Scroll(CSize size);
  CPoint GetScrollPosition() const;
  int GetTopIndex() const;
  int GetCountPerPage() const;
  BOOL RedrawItems(int first, int last);
  BOOL Update(int row) { return RedrawItems(row, row); }
  // Switched off, observers hear of row changes only once it is switched on again.
  void SetRedraw(BOOL redraw = TRUE);

  // ---- custom draw
  // Runs the custom-draw conversation for one cell (prepaint, item, sub-item)
  // and returns what the owner chose; the window-text colour and no underline
  // when it chose nothing.
  ListCellAttributes CellAttributes(int row, int subItem);

  // ---- label editing
  // Starts editing row's label: LVN_BEGINLABELEDIT (nonzero refuses), then an
  // editor window over the label and UI().LabelEditStarted. Returns the edit
  // while it is open, null when refused or already ended. An open edit on
  // another row is committed first.
  ILabelEdit* EditLabel(int row);
  CWnd* GetEditControl() const;  // the editor window, null when no edit is open
  ILabelEdit* GetLabelEdit();   // null when no edit is open
  bool IsEditingLabel() const { return m_edit.IsActive(); }
  int GetEditItem() const;  // the row being edited, -1 when none
  // Ends the open edit: LVN_ENDLABELEDIT with the text (null when cancel); a
  // nonzero answer to a commit sets the row's label.
  BOOL EndEditLabelNow(BOOL cancel);

  // ---- what a person does
  // Each scrolls the target into view and puts the cursor on it (screen
  // coordinates) before notifying, so handlers that hit-test at the cursor
  // find it. They answer false when the target does not exist or cannot be
  // shown (a control without size).
  // Selects and focuses the row (Ctrl toggles it, Shift extends from the
  // focused row; LVN_ITEMCHANGED), then NM_CLICK on the cell.
  bool UserClick(int row, int subItem = 0);
  // A click on empty space (false when point is on a row): deselects unless
  // Ctrl is held, then NM_CLICK with iItem -1.
  bool UserClickEmpty(CPoint clientPoint);
  // Selects the row unless it is already selected, focuses it, then NM_RCLICK;
  // unless that is answered nonzero, WM_CONTEXTMENU to the control.
  bool UserRightClick(int row);
  bool UserRightClick(CPoint clientPoint);  // on a row or on empty space
  bool UserDoubleClick(int row, int subItem = 0);  // the click, then NM_DBLCLK
  bool UserClickColumn(int col);  // LVN_COLUMNCLICK (report view with a header)
  // Selects the row as a button press does, then LVN_BEGINDRAG / LVN_BEGINRDRAG.
  bool UserBeginDrag(int row, bool rightButton);
  // Needs LVS_EDITLABELS; selects the row first. Returns the edit as EditLabel does.
  ILabelEdit* UserBeginLabelEdit(int row);
  // A key pressed while the list (or its label editor) has the focus.
  void UserKeyDown(UINT virtualKey);

  // ---- observers (not owned)
  void AddObserver(ListCtrlObserver* observer);
  void RemoveObserver(ListCtrlObserver* observer);

  // A derived view handles the control's notifications here; answering true
  // keeps them from the parent, *result being the answer.
  virtual bool OnReflectedNotify(NMHDR* /*header*/, LRESULT* /*result*/) { return false; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Ends an open edit (cancelled) and deletes every row with its notifications.
  void OnDestroy() override;
  // The default key handling: LVN_KEYDOWN, then moving the focus and
  // selection (arrows, Home, End, Page Up, Page Down), NM_RETURN, F2 to rename.
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnVScroll(UINT code, int position);
  void OnHScroll(UINT code, int position);

 private:
  friend class CHeaderCtrl;

  struct Row {
    CListRowTexts texts;  // [0] the label, then one per further column (trailing ones may be absent)
    LPARAM lParam = 0;
    UINT state = 0;
    int image = 0;
    std::uint32_t id = 0;  // names the row across moves while a notification is out
    bool deleting = false;  // its LVN_DELETEITEM is out: deleting it again is not announced again
  };
  // Its label and first detail text included: 100 000 rows must fit easily.
  static_assert(sizeof(Row) <= 128, "a row record stays small");
  struct Column {
    std::string heading;
    int format = LVCFMT_LEFT;
    int width = 0;
  };

  bool IsRow(int row) const { return row >= 0 && row < GetItemCount(); }
  // order is a permutation of the rows: row i becomes the one at order[i].
  void MoveRowsInto(const std::vector<std::uint32_t>& order);
  // Where the row with id is now (hint first); -1 when it is gone.
  int RowOfId(std::uint32_t id, int hint) const;
  int FocusedRow() const;
  // Sends a notification the reflected way, then to the parent.
  LRESULT Notify(NMHDR& header, int code);
  LRESULT NotifyListView(int code, int row, int subItem, CPoint point = {});
  LRESULT NotifyStateChange(int code, int row, UINT oldState, UINT newState);
  LRESULT NotifyItemActivate(int code, const LVHITTESTINFO& hit);
  static LVITEM MakeItem(UINT mask, int row, int subItem, const std::string& text, int image, UINT state,
                         UINT stateMask, LPARAM lParam);

  // State changes.
  bool ChangeState(int row, UINT state, UINT mask);  // one row, one notification pair
  void StoreState(int row, UINT state);
  void DeselectAllBut(int keepRow);  // keepRow -1: every row
  bool SelectOnly(int row);
  void ClickSelect(int row);
  void RemoveRow(int row);

  // Geometry.
  ListLayout Layout() const;
  ListViewKind ViewKind() const;
  void SetScroll(CPoint scroll);
  void ScrollLines(int bar, UINT code, int position);
  int EstimatedColumnWidth(int col, bool withHeading) const;

  // What a person does.
  bool TakeFocus();  // false when the control did not survive it
  CRect RowArea() const;  // the client area below the column header
  bool IsEmptySpace(CPoint clientPoint) const;
  // The centre of the visible part of a cell, scrolling it into view; false when it cannot be shown.
  bool PointAtCell(int row, int subItem, CPoint* point);
  void PutCursor(CPoint clientPoint) const;
  void PressRow(int row, bool leftButton);
  bool PressAt(CPoint clientPoint, bool leftButton, LVHITTESTINFO* hit);
  bool ClickAt(CPoint clientPoint);
  bool RightClickAt(CPoint clientPoint);
  void MoveFocusByKey(UINT key);

  void EndEdit(bool cancel);

  // Observers. Row events wait while redrawing is off.
  template <typename Call>
  void Tell(Call call, bool rowEvent);
  void TellRowsChanged(int first, int last);

  std::vector<Row> m_rows;
  std::vector<Column> m_columns;
  int m_sortMarkColumn = -1;
  bool m_sortMarkAscending = true;
  std::uint32_t m_nextId = 1;
  std::uint64_t m_generation = 0;  // changes whenever rows are inserted, removed or reordered
  UINT m_selectedCount = 0;
  std::uint32_t m_focusId = 0;     // 0: no row has the focus
  mutable int m_focusHint = -1;
  std::uint32_t m_anchorId = 0;    // where Shift-clicks extend from
  std::uint32_t m_selectedId = 0;  // the row selected last (it may have been deselected since)
  int m_selectedHint = -1;
  CPoint m_scroll;
  CImageList* m_normalImages = nullptr;
  CImageList* m_smallImages = nullptr;
  CImageList* m_stateImages = nullptr;
  CHeaderCtrl m_header;
  mutable CLabelEditWnd m_edit;
  std::uint32_t m_editId = 0;
  mutable int m_editHint = -1;
  bool m_editEnding = false;
  bool m_redraw = true;
  bool m_heldBack = false;  // row changes waiting for redraw
  std::vector<ListCtrlObserver*> m_observers;
  int m_telling = 0;        // depth of observer calls; removals then leave a null behind
  // Cleared when the object is destroyed, so code that sent a notification
  // can tell whether its control survived the handler.
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

template <typename Call>
void CListCtrl::Tell(Call call, bool rowEvent) {
  if (rowEvent && !m_redraw) {
    m_heldBack = true;
    return;
  }
  if (m_observers.empty()) return;
  auto alive = m_alive;
  ++m_telling;
  for (std::size_t i = 0; i < m_observers.size(); ++i) {
    if (ListCtrlObserver* o = m_observers[i]) {
      call(*o);
      if (!*alive) return;
    }
  }
  if (--m_telling == 0) std::erase(m_observers, nullptr);
}

