#include "platform/ListCtrl.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "platform/StableSort.h"
#include "platform/TextCompare.h"
#include "platform/Utf8.h"

namespace {

// Copies text into a caller's buffer of size bytes as the system does: at most
// size - 1 bytes and a terminating zero. A UTF-8 character is never cut in two.
int CopyToBuffer(const std::string& text, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
  while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

// Width a text needs in a column: an average character width and the cell's padding.
constexpr int kAverageCharWidth = 7;
constexpr int kCellPadding = 12;
int TextWidth(const std::string& text) {
  return static_cast<int>(Utf8::Length(text)) * kAverageCharWidth + kCellPadding;
}

// SetItemCount is a hint; a larger request is not worth reserving up front.
constexpr int kMostRowsReserved = 1 << 20;

}  // namespace

// ---------------------------------------------------------------- header

int CHeaderCtrl::GetItemCount() const { return m_list.GetColumnCount(); }

BOOL CHeaderCtrl::GetItemRect(int index, CRect* rect) const {
  return m_list.Layout().HeaderItemRect(index, rect) ? TRUE : FALSE;
}

// ---------------------------------------------------------------- life

CListCtrl::CListCtrl() : m_header(*this), m_edit(*this, [this](bool cancel) { EndEdit(cancel); }) {}

CListCtrl::~CListCtrl() {
  *m_alive = false;
  std::vector<ListCtrlObserver*> observers = m_observers;
  for (ListCtrlObserver* o : observers) {
    if (o) o->ListDestroyed(*this);
  }
}

bool CListCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT id) {
  return CreateEx(0, "SysListView32", "", style, rect, parent, id);
}

void CListCtrl::OnDestroy() {
  auto alive = m_alive;
  if (IsEditingLabel()) EndEditLabelNow(TRUE);
  if (!*alive) return;
  DeleteAllItems();
  if (!*alive) return;
  CWnd::OnDestroy();
}

LRESULT CListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
      return 0;
    case WM_HSCROLL:
      OnHScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
      return 0;
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

// ---------------------------------------------------------------- notifications

LRESULT CListCtrl::Notify(NMHDR& header, int code) {
  header.code = code;
  header.hwndFrom = m_hWnd;
  header.idFrom = GetDlgCtrlID();
  auto alive = m_alive;
  LRESULT result = 0;
  if (OnReflectedNotify(&header, &result)) return result;
  if (!*alive) return 0;
  return SendNotifyToParent(*this, header);
}

LRESULT CListCtrl::NotifyListView(int code, int row, int subItem, CPoint point) {
  NMLISTVIEW nm;
  nm.iItem = row;
  nm.iSubItem = subItem;
  nm.ptAction = point;
  nm.lParam = IsRow(row) ? m_rows[row].lParam : 0;
  return Notify(nm.hdr, code);
}

LRESULT CListCtrl::NotifyStateChange(int code, int row, UINT oldState, UINT newState) {
  NMLISTVIEW nm;
  nm.iItem = row;
  nm.uOldState = oldState;
  nm.uNewState = newState;
  nm.uChanged = LVIF_STATE;
  nm.lParam = m_rows[row].lParam;
  return Notify(nm.hdr, code);
}

LRESULT CListCtrl::NotifyItemActivate(int code, const LVHITTESTINFO& hit) {
  NMITEMACTIVATE nm;
  nm.iItem = hit.iItem;
  nm.iSubItem = std::max(0, hit.iSubItem);
  nm.ptAction = hit.pt;
  nm.lParam = IsRow(hit.iItem) ? m_rows[hit.iItem].lParam : 0;
  if (Keyboard::IsDown(VK_MENU)) nm.uKeyFlags |= LVKF_ALT;
  if (Keyboard::IsDown(VK_CONTROL)) nm.uKeyFlags |= LVKF_CONTROL;
  if (Keyboard::IsDown(VK_SHIFT)) nm.uKeyFlags |= LVKF_SHIFT;
  return Notify(nm.hdr, code);
}

// ---------------------------------------------------------------- observers

void CListCtrl::AddObserver(ListCtrlObserver* observer) {
  if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
    m_observers.push_back(observer);
}

void CListCtrl::RemoveObserver(ListCtrlObserver* observer) {
  auto it = std::find(m_observers.begin(), m_observers.end(), observer);
  if (it == m_observers.end()) return;
  if (m_telling > 0) {
    *it = nullptr;  // the walk in progress skips it; the slot goes when the walk ends
  } else {
    m_observers.erase(it);
  }
}

void CListCtrl::TellRowsChanged(int first, int last) {
  Tell([&](ListCtrlObserver& o) { o.ListRowsChanged(*this, first, last); }, true);
}

void CListCtrl::SetRedraw(BOOL redraw) {
  m_redraw = redraw != FALSE;
  if (m_redraw && m_heldBack) {
    m_heldBack = false;
    Tell([&](ListCtrlObserver& o) { o.ListRowsReset(*this); }, true);
  }
}

// ---------------------------------------------------------------- columns

int CListCtrl::InsertColumn(int col, const LVCOLUMN* column) {
  if (!column || col < 0) return -1;
  col = std::min(col, GetColumnCount());
  Column c;
  if ((column->mask & LVCF_TEXT) && column->pszText) c.heading = column->pszText;
  if (column->mask & LVCF_FMT) c.format = column->fmt & LVCFMT_JUSTIFYMASK;
  c.width = (column->mask & LVCF_WIDTH) && column->cx >= 0 ? column->cx : TextWidth(c.heading);
  m_columns.insert(m_columns.begin() + col, std::move(c));
  m_sortMarkColumn = -1;
  // Row labels stay in column 0; sub-item texts from this column on move one to the right.
  std::size_t at = static_cast<std::size_t>(std::max(col, 1));
  for (Row& row : m_rows) {
    if (row.texts.size() > at) row.texts.insert(at, std::string());
  }
  Tell([&](ListCtrlObserver& o) { o.ListColumnsChanged(*this); }, false);
  return col;
}

int CListCtrl::InsertColumn(int col, const std::string& heading, int format, int width, int /*subItem*/) {
  LVCOLUMN column;
  column.mask = LVCF_TEXT | LVCF_FMT | (width >= 0 ? LVCF_WIDTH : 0);
  column.pszText = const_cast<char*>(heading.c_str());
  column.fmt = format;
  column.cx = width;
  return InsertColumn(col, &column);
}

BOOL CListCtrl::DeleteColumn(int col) {
  if (col < 0 || col >= GetColumnCount()) return FALSE;
  m_columns.erase(m_columns.begin() + col);
  m_sortMarkColumn = -1;
  std::size_t at = static_cast<std::size_t>(std::max(col, 1));
  for (Row& row : m_rows) {
    if (row.texts.size() > at) row.texts.erase(at);
  }
  Tell([&](ListCtrlObserver& o) { o.ListColumnsChanged(*this); }, false);
  return TRUE;
}

void CListCtrl::SetSortMark(int col, bool ascending) {
  if (col < -1 || col >= GetColumnCount()) col = -1;
  if (col == m_sortMarkColumn && (col < 0 || ascending == m_sortMarkAscending)) return;
  m_sortMarkColumn = col;
  m_sortMarkAscending = ascending;
  Tell([&](ListCtrlObserver& o) { o.ListColumnsChanged(*this); }, false);
}

BOOL CListCtrl::GetColumn(int col, LVCOLUMN* column) const {
  if (!column || col < 0 || col >= GetColumnCount()) return FALSE;
  const Column& c = m_columns[col];
  if (column->mask & LVCF_FMT) column->fmt = c.format;
  if (column->mask & LVCF_WIDTH) column->cx = c.width;
  if (column->mask & LVCF_TEXT) CopyToBuffer(c.heading, column->pszText, column->cchTextMax);
  if (column->mask & LVCF_SUBITEM) column->iSubItem = col;
  return TRUE;
}

BOOL CListCtrl::SetColumn(int col, const LVCOLUMN* column) {
  if (!column || col < 0 || col >= GetColumnCount()) return FALSE;
  Column& c = m_columns[col];
  if (column->mask & LVCF_FMT) c.format = column->fmt & LVCFMT_JUSTIFYMASK;
  if ((column->mask & LVCF_WIDTH) && column->cx >= 0) c.width = column->cx;
  if (column->mask & LVCF_TEXT) c.heading = column->pszText ? column->pszText : "";
  Tell([&](ListCtrlObserver& o) { o.ListColumnsChanged(*this); }, false);
  return TRUE;
}

int CListCtrl::GetColumnWidth(int col) const {
  return col >= 0 && col < GetColumnCount() ? m_columns[col].width : 0;
}

BOOL CListCtrl::SetColumnWidth(int col, int cx) {
  if (col < 0 || col >= GetColumnCount()) return FALSE;
  if (cx == LVSCW_AUTOSIZE || cx == LVSCW_AUTOSIZE_USEHEADER) {
    cx = EstimatedColumnWidth(col, cx == LVSCW_AUTOSIZE_USEHEADER);
  } else if (cx < 0) {
    return FALSE;
  }
  m_columns[col].width = cx;
  Tell([&](ListCtrlObserver& o) { o.ListColumnsChanged(*this); }, false);
  return TRUE;
}

int CListCtrl::EstimatedColumnWidth(int col, bool withHeading) const {
  int width = withHeading ? TextWidth(m_columns[col].heading) : 0;
  int icon = col == 0 && m_smallImages ? kSmallIconWidth : 0;
  for (const Row& row : m_rows) {
    if (static_cast<std::size_t>(col) < row.texts.size()) width = std::max(width, icon + TextWidth(row.texts[col]));
  }
  return width;
}

// ---------------------------------------------------------------- rows

int CListCtrl::RowOfId(std::uint32_t id, int hint) const {
  if (id == 0) return -1;
  if (IsRow(hint) && m_rows[hint].id == id) return hint;
  for (int i = 0; i < GetItemCount(); ++i) {
    if (m_rows[i].id == id) return i;
  }
  return -1;
}

int CListCtrl::InsertItem(const LVITEM* item) {
  if (!item || item->iItem < 0 || item->iSubItem != 0) return -1;
  int row = std::min(item->iItem, GetItemCount());
  Row r;
  r.id = m_nextId++;
  if (m_nextId == 0) m_nextId = 1;
  r.texts.push_back((item->mask & LVIF_TEXT) && item->pszText ? item->pszText : "");
  if (item->mask & LVIF_IMAGE) r.image = item->iImage;
  if (item->mask & LVIF_PARAM) r.lParam = item->lParam;
  UINT requested = (item->mask & LVIF_STATE) ? (item->state & item->stateMask) : 0;
  r.state = requested & ~(LVIS_FOCUSED | LVIS_SELECTED);
  std::uint32_t id = r.id;
  m_rows.insert(m_rows.begin() + row, std::move(r));
  ++m_generation;
  Tell([&](ListCtrlObserver& o) { o.ListRowsInserted(*this, row, 1); }, true);

  auto alive = m_alive;
  NotifyListView(LVN_INSERTITEM, row, 0);
  if (!*alive) return -1;
  row = RowOfId(id, row);
  UINT selection = requested & (LVIS_FOCUSED | LVIS_SELECTED);
  if (row >= 0 && selection) {
    SetItemState(row, selection, selection);
    if (!*alive) return -1;
    row = RowOfId(id, row);
  }
  return row;
}

LVITEM CListCtrl::MakeItem(UINT mask, int row, int subItem, const std::string& text, int image, UINT state,
                          UINT stateMask, LPARAM lParam) {
  LVITEM item;
  item.mask = mask;
  item.iItem = row;
  item.iSubItem = subItem;
  item.pszText = const_cast<char*>(text.c_str());  // read only, never written through
  item.iImage = image;
  item.state = state;
  item.stateMask = stateMask;
  item.lParam = lParam;
  return item;
}

int CListCtrl::InsertItem(int row, const std::string& text) {
  return InsertItem(LVIF_TEXT, row, text, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int row, const std::string& text, int image) {
  return InsertItem(LVIF_TEXT | LVIF_IMAGE, row, text, 0, 0, image, 0);
}

int CListCtrl::InsertItem(UINT mask, int row, const std::string& text, UINT state, UINT stateMask, int image,
                          LPARAM lParam) {
  LVITEM item = MakeItem(mask, row, 0, text, image, state, stateMask, lParam);
  return InsertItem(&item);
}

void CListCtrl::RemoveRow(int row) {
  Row& r = m_rows[row];
  if (r.state & LVIS_SELECTED) --m_selectedCount;
  if (r.id == m_focusId) m_focusId = 0;
  if (r.id == m_anchorId) m_anchorId = 0;
  if (r.id == m_selectedId) m_selectedId = 0;
  m_rows.erase(m_rows.begin() + row);
  ++m_generation;
  Tell([&](ListCtrlObserver& o) { o.ListRowsRemoved(*this, row, 1); }, true);
}

BOOL CListCtrl::DeleteItem(int row) {
  if (!IsRow(row)) return FALSE;
  auto alive = m_alive;
  std::uint32_t id = m_rows[row].id;
  if (IsEditingLabel() && m_editId == id) {
    EndEditLabelNow(TRUE);
    if (!*alive) return FALSE;
    row = RowOfId(id, row);
    if (row < 0) return TRUE;
  }
  if (!m_rows[row].deleting) {
    m_rows[row].deleting = true;
    NotifyListView(LVN_DELETEITEM, row, 0);
    if (!*alive) return FALSE;
    row = RowOfId(id, row);
  }
  if (row >= 0) RemoveRow(row);  // else the owner deleted it while told
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
  auto alive = m_alive;
  if (IsEditingLabel()) {
    EndEditLabelNow(TRUE);
    if (!*alive) return FALSE;
  }
  LRESULT quiet = NotifyListView(LVN_DELETEALLITEMS, -1, 0);
  if (!*alive) return FALSE;
  std::vector<Row> removed;
  removed.swap(m_rows);
  m_selectedCount = 0;
  m_focusId = 0;
  m_anchorId = 0;
  m_selectedId = 0;
  m_scroll = CPoint();
  ++m_generation;
  Tell([&](ListCtrlObserver& o) { o.ListRowsReset(*this); }, true);
  if (quiet) return TRUE;
  for (std::size_t i = 0; i < removed.size(); ++i) {
    NMLISTVIEW nm;
    nm.iItem = static_cast<int>(i);
    nm.lParam = removed[i].lParam;
    Notify(nm.hdr, LVN_DELETEITEM);
    if (!*alive) return FALSE;
  }
  return TRUE;
}

void CListCtrl::SetItemCount(int count) {
  count = std::min(count, kMostRowsReserved);
  if (count <= GetItemCount()) return;
  try {
    m_rows.reserve(static_cast<std::size_t>(count));
  } catch (const std::exception&) {
    // Only a hint: the rows still grow one by one.
  }
}

BOOL CListCtrl::GetItem(LVITEM* item) const {
  if (!item || !IsRow(item->iItem)) return FALSE;
  const Row& r = m_rows[item->iItem];
  if (item->mask & LVIF_TEXT) {
    if (item->iSubItem < 0 || (item->iSubItem > 0 && item->iSubItem >= GetColumnCount())) return FALSE;
    CopyToBuffer(GetItemText(item->iItem, item->iSubItem), item->pszText, item->cchTextMax);
  }
  if (item->mask & LVIF_IMAGE) item->iImage = r.image;
  if (item->mask & LVIF_PARAM) item->lParam = r.lParam;
  if (item->mask & LVIF_STATE) item->state = r.state & item->stateMask;
  return TRUE;
}

BOOL CListCtrl::SetItem(const LVITEM* item) {
  if (!item || !IsRow(item->iItem)) return FALSE;
  int row = item->iItem;
  if ((item->mask & LVIF_TEXT) && !SetItemText(row, item->iSubItem, item->pszText ? item->pszText : "")) return FALSE;
  if (item->iSubItem == 0 && (item->mask & (LVIF_IMAGE | LVIF_PARAM))) {
    if (item->mask & LVIF_IMAGE) m_rows[row].image = item->iImage;
    if (item->mask & LVIF_PARAM) m_rows[row].lParam = item->lParam;
    TellRowsChanged(row, row);
  }
  if (item->mask & LVIF_STATE) return SetItemState(row, item->state, item->stateMask);
  return TRUE;
}

BOOL CListCtrl::SetItem(int row, int subItem, UINT mask, const std::string& text, int image, UINT state,
                        UINT stateMask, LPARAM lParam) {
  LVITEM item = MakeItem(mask, row, subItem, text, image, state, stateMask, lParam);
  return SetItem(&item);
}

std::string CListCtrl::GetItemText(int row, int subItem) const {
  if (!IsRow(row) || subItem < 0) return {};
  const auto& texts = m_rows[row].texts;
  return static_cast<std::size_t>(subItem) < texts.size() ? texts[subItem] : std::string();
}

int CListCtrl::GetItemText(int row, int subItem, char* buffer, int length) const {
  return CopyToBuffer(GetItemText(row, subItem), buffer, length);
}

BOOL CListCtrl::SetItemText(int row, int subItem, const std::string& text) {
  if (!IsRow(row) || subItem < 0 || (subItem > 0 && subItem >= GetColumnCount())) return FALSE;
  auto& texts = m_rows[row].texts;
  if (texts.size() <= static_cast<std::size_t>(subItem)) texts.resize(subItem + 1);
  texts[subItem] = text;
  TellRowsChanged(row, row);
  return TRUE;
}

LPARAM CListCtrl::GetItemData(int row) const { return IsRow(row) ? m_rows[row].lParam : 0; }

BOOL CListCtrl::SetItemData(int row, LPARAM data) {
  if (!IsRow(row)) return FALSE;
  m_rows[row].lParam = data;
  TellRowsChanged(row, row);
  return TRUE;
}

int CListCtrl::GetDisplayImage(int row) {
  if (!IsRow(row)) return I_IMAGENONE;
  if (m_rows[row].image != I_IMAGECALLBACK) return m_rows[row].image;
  auto alive = m_alive;
  std::uint32_t id = m_rows[row].id;
  NMLVDISPINFO info;
  info.item.mask = LVIF_IMAGE;
  info.item.iItem = row;
  info.item.iImage = I_IMAGENONE;
  info.item.lParam = m_rows[row].lParam;
  info.item.state = m_rows[row].state;
  Notify(info.hdr, LVN_GETDISPINFO);
  if (!*alive) return I_IMAGENONE;
  if (info.item.mask & LVIF_DI_SETITEM) {
    row = RowOfId(id, row);
    if (row >= 0) m_rows[row].image = info.item.iImage;
  }
  return info.item.iImage;
}

// ---------------------------------------------------------------- state

UINT CListCtrl::GetItemState(int row, UINT mask) const { return IsRow(row) ? m_rows[row].state & mask : 0; }

int CListCtrl::FocusedRow() const {
  if (m_focusId == 0) return -1;
  m_focusHint = RowOfId(m_focusId, m_focusHint);
  return m_focusHint;
}

void CListCtrl::StoreState(int row, UINT state) {
  Row& r = m_rows[row];
  if ((r.state ^ state) & LVIS_SELECTED) {
    if (state & LVIS_SELECTED) {
      ++m_selectedCount;
      m_selectedId = r.id;
      m_selectedHint = row;
    } else {
      --m_selectedCount;
    }
  }
  if (state & LVIS_FOCUSED) {
    // One row has the focus, whatever the owner answered about the one that had it.
    int previous = FocusedRow();
    if (previous >= 0 && previous != row) {
      m_rows[previous].state &= ~LVIS_FOCUSED;
      TellRowsChanged(previous, previous);
    }
    m_focusId = r.id;
    m_focusHint = row;
  } else if (r.id == m_focusId) {
    m_focusId = 0;
  }
  r.state = state;
}

bool CListCtrl::ChangeState(int row, UINT state, UINT mask) {
  if (!IsRow(row)) return false;
  UINT old = m_rows[row].state;
  UINT now = (old & ~mask) | (state & mask);
  if (now == old) return true;
  auto alive = m_alive;
  std::uint32_t id = m_rows[row].id;
  if (NotifyStateChange(LVN_ITEMCHANGING, row, old, now) != 0) return false;
  if (!*alive) return false;
  row = RowOfId(id, row);
  if (row < 0) return false;
  old = m_rows[row].state;  // the owner may have changed it while asked
  now = (old & ~mask) | (state & mask);
  if (now == old) return true;
  StoreState(row, now);
  TellRowsChanged(row, row);
  if (!*alive) return false;
  NotifyStateChange(LVN_ITEMCHANGED, row, old, now);
  return true;
}

BOOL CListCtrl::SetItemState(int row, UINT state, UINT mask) {
  auto alive = m_alive;
  bool single = (GetStyle() & LVS_SINGLESEL) != 0;
  if (row == -1) {
    UINT everyRow = mask;
    if (state & LVIS_FOCUSED) everyRow &= ~LVIS_FOCUSED;
    if (single && (state & LVIS_SELECTED)) everyRow &= ~LVIS_SELECTED;
    for (int i = 0; everyRow && i < GetItemCount(); ++i) {
      ChangeState(i, state, everyRow);
      if (!*alive) return FALSE;
    }
    return TRUE;
  }
  if (!IsRow(row)) return FALSE;
  std::uint32_t id = m_rows[row].id;
  if (single && (mask & state & LVIS_SELECTED)) {
    DeselectAllBut(row);
    if (!*alive) return FALSE;
    row = RowOfId(id, row);
  }
  if (row >= 0 && (mask & state & LVIS_FOCUSED)) {
    int focused = FocusedRow();
    if (focused >= 0 && focused != row) {
      ChangeState(focused, 0, LVIS_FOCUSED);
      if (!*alive) return FALSE;
    }
    row = RowOfId(id, row);
  }
  return row >= 0 && ChangeState(row, state, mask) ? TRUE : FALSE;
}

BOOL CListCtrl::SetItemState(int row, const LVITEM* item) {
  return item ? SetItemState(row, item->state, item->stateMask) : FALSE;
}

void CListCtrl::DeselectAllBut(int keepRow) {
  auto alive = m_alive;
  std::uint32_t keepId = IsRow(keepRow) ? m_rows[keepRow].id : 0;
  // The row selected last is usually the only one: let go of it without a walk.
  int last = m_selectedId != keepId ? RowOfId(m_selectedId, m_selectedHint) : -1;
  if (last >= 0) m_selectedHint = last;
  if (last >= 0 && (m_rows[last].state & LVIS_SELECTED)) {
    ChangeState(last, 0, LVIS_SELECTED);
    if (!*alive) return;
  }
  for (int i = 0; i < GetItemCount(); ++i) {
    keepRow = RowOfId(keepId, keepRow);
    bool keepSelected = keepRow >= 0 && (m_rows[keepRow].state & LVIS_SELECTED);
    if (m_selectedCount == (keepSelected ? 1u : 0u)) return;  // nothing else is selected
    if (m_rows[i].id != keepId && (m_rows[i].state & LVIS_SELECTED)) {
      ChangeState(i, 0, LVIS_SELECTED);
      if (!*alive) return;
    }
  }
}

bool CListCtrl::SelectOnly(int row) {
  if (!IsRow(row)) return false;
  auto alive = m_alive;
  std::uint32_t id = m_rows[row].id;
  DeselectAllBut(row);
  if (!*alive) return false;
  row = RowOfId(id, row);
  if (row < 0) return false;
  m_anchorId = id;
  return SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED) != FALSE;
}

// ---------------------------------------------------------------- finding

int CListCtrl::GetNextItem(int start, int flags) const {
  int count = GetItemCount();
  UINT wanted = static_cast<UINT>(flags) & (LVNI_FOCUSED | LVNI_SELECTED | LVNI_CUT | LVNI_DROPHILITED);
  bool backwards = (flags & (LVNI_ABOVE | LVNI_TOLEFT)) != 0;
  start = std::max(start, -1);
  if ((wanted & LVNI_SELECTED) && m_selectedCount == 0) return -1;
  if (wanted & LVNI_FOCUSED) {
    int focused = FocusedRow();
    if (focused < 0 || (m_rows[focused].state & wanted) != wanted) return -1;
    return (backwards ? focused < start : focused > start) ? focused : -1;
  }
  if (backwards) {
    for (int i = std::min(start, count) - 1; i >= 0; --i) {
      if ((m_rows[i].state & wanted) == wanted) return i;
    }
    return -1;
  }
  for (int i = start + 1; i < count; ++i) {
    if ((m_rows[i].state & wanted) == wanted) return i;
  }
  return -1;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  int first = GetNextItem(-1, LVNI_SELECTED);
  return first < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(first) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const {
  int row = static_cast<int>(reinterpret_cast<std::uintptr_t>(position)) - 1;
  if (!position || !IsRow(row)) {
    position = nullptr;
    return -1;
  }
  int next = GetNextItem(row, LVNI_SELECTED);
  position = next < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(next) + 1);
  return row;
}

int CListCtrl::FindItem(const LVFINDINFO* find, int start) const {
  if (!find) return -1;
  bool byText = (find->flags & (LVFI_STRING | LVFI_PARTIAL)) != 0;
  if (!(find->flags & LVFI_PARAM) && !(byText && find->psz)) return -1;
  const std::string wanted = byText && find->psz ? find->psz : "";
  const bool prefixOnly = (find->flags & LVFI_PARTIAL) != 0;
  auto matches = [&](const Row& row) {
    if (find->flags & LVFI_PARAM) return row.lParam == find->lParam;
    const std::string& label = row.texts[0];
    if (!prefixOnly) return CompareNoCase(label, wanted) == 0;
    return label.size() >= wanted.size() && CompareNoCase(label.substr(0, wanted.size()), wanted) == 0;
  };
  int count = GetItemCount();
  int from = std::clamp(start + 1, 0, count);
  for (int i = from; i < count; ++i) {
    if (matches(m_rows[i])) return i;
  }
  if (find->flags & LVFI_WRAP) {
    for (int i = 0; i < from; ++i) {
      if (matches(m_rows[i])) return i;
    }
  }
  return -1;
}

// ---------------------------------------------------------------- sorting

BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, LPARAM data) {
  if (!compare) return FALSE;
  std::size_t count = m_rows.size();
  if (count < 2) return TRUE;
  auto alive = m_alive;
  std::uint64_t generation = m_generation;
  std::vector<LPARAM> params(count);
  for (std::size_t i = 0; i < count; ++i) params[i] = m_rows[i].lParam;
  std::vector<std::uint32_t> order(count);
  std::iota(order.begin(), order.end(), 0u);
  // A later row moves ahead only when the comparison puts it first and does
  // not also put the earlier row first: a pair each answer calls "less" (a
  // negated "greater" for ties) is a tie and keeps its order.
  StableMergeSort(order, [&](std::uint32_t later, std::uint32_t earlier) {
    if (!*alive || m_generation != generation) return false;
    if (compare(params[later], params[earlier], data) >= 0) return false;
    return compare(params[earlier], params[later], data) >= 0;
  });
  if (!*alive || m_generation != generation) return FALSE;  // the rows changed under the comparison
  MoveRowsInto(order);
  return TRUE;
}

BOOL CListCtrl::ArrangeItems(const std::vector<std::uint32_t>& order) {
  if (order.size() != m_rows.size()) return FALSE;
  std::vector<bool> seen(order.size(), false);
  for (std::uint32_t from : order) {
    if (from >= order.size() || seen[from]) return FALSE;
    seen[from] = true;
  }
  MoveRowsInto(order);
  return TRUE;
}

void CListCtrl::MoveRowsInto(const std::vector<std::uint32_t>& order) {
  std::vector<Row> arranged;
  arranged.reserve(order.size());
  for (std::uint32_t from : order) arranged.push_back(std::move(m_rows[from]));
  m_rows.swap(arranged);
  ++m_generation;
  m_focusHint = -1;
  Tell([&](ListCtrlObserver& o) { o.ListRowsReset(*this); }, true);
}

// ---------------------------------------------------------------- views and images

ListViewKind CListCtrl::ViewKind() const {
  switch (GetStyle() & LVS_TYPEMASK) {
    case LVS_REPORT: return ListViewKind::Report;
    case LVS_SMALLICON: return ListViewKind::SmallIcon;
    case LVS_LIST: return ListViewKind::List;
    default: return ListViewKind::LargeIcon;
  }
}

bool CListCtrl::ModifyStyle(DWORD remove, DWORD add) {
  DWORD before = GetStyle();
  bool changed = CWnd::ModifyStyle(remove, add);
  if ((before ^ GetStyle()) & (LVS_TYPEMASK | LVS_NOCOLUMNHEADER)) {
    m_scroll = CPoint();
    Tell([&](ListCtrlObserver& o) { o.ListViewStyleChanged(*this); }, false);
  }
  return changed;
}

CImageList* CListCtrl::SetImageList(CImageList* list, int kind) {
  CImageList** slot = kind == LVSIL_NORMAL  ? &m_normalImages
                      : kind == LVSIL_SMALL ? &m_smallImages
                      : kind == LVSIL_STATE ? &m_stateImages
                                            : nullptr;
  if (!slot) return nullptr;
  CImageList* previous = *slot;
  *slot = list;
  if (previous != list) Tell([&](ListCtrlObserver& o) { o.ListViewStyleChanged(*this); }, false);
  return previous;
}

CImageList* CListCtrl::GetImageList(int kind) const {
  switch (kind) {
    case LVSIL_NORMAL: return m_normalImages;
    case LVSIL_SMALL: return m_smallImages;
    case LVSIL_STATE: return m_stateImages;
    default: return nullptr;
  }
}
