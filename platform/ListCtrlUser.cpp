// What a person does with a list control: clicks, drags, keys and label edits.
#include <algorithm>

#include "platform/ListCtrl.h"

namespace {

constexpr UINT kVkPageUp = 0x21;
constexpr UINT kVkPageDown = 0x22;
constexpr UINT kVkEnd = 0x23;
constexpr UINT kVkHome = 0x24;

CRect Intersection(const CRect& a, const CRect& b) {
  return CRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom));
}

CPoint Centre(const CRect& r) { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

}  // namespace

// ---------------------------------------------------------------- aiming

bool CListCtrl::TakeFocus() {
  auto alive = m_alive;
  if (m_hWnd && !HasFocus()) SetFocus();  // an open label edit commits as it loses the focus
  return *alive;
}

CRect CListCtrl::RowArea() const {
  CRect client;
  GetClientRect(&client);
  if (ViewKind() == ListViewKind::Report && !(GetStyle() & LVS_NOCOLUMNHEADER))
    client.top = std::min(client.bottom, kListHeaderHeight);
  return client;
}

bool CListCtrl::PointAtCell(int row, int subItem, CPoint* point) {
  if (!IsRow(row) || subItem < 0) return false;
  if (subItem > 0 && (ViewKind() != ListViewKind::Report || subItem >= GetColumnCount())) return false;
  EnsureVisible(row, FALSE);
  CRect cell;
  GetSubItemRect(row, subItem, subItem == 0 ? LVIR_LABEL : LVIR_BOUNDS, cell);
  if (cell.IsRectEmpty()) GetSubItemRect(row, subItem, LVIR_ICON, cell);
  if (cell.IsRectEmpty()) return false;
  CRect area = RowArea();
  if (cell.left < area.left || cell.right > area.right) {
    Scroll(CSize(cell.left - area.left, 0));  // a person scrolls sideways to the cell
    GetSubItemRect(row, subItem, subItem == 0 ? LVIR_LABEL : LVIR_BOUNDS, cell);
    if (cell.IsRectEmpty()) GetSubItemRect(row, subItem, LVIR_ICON, cell);
  }
  CRect visible = Intersection(cell, area);
  if (visible.IsRectEmpty()) return false;
  *point = Centre(visible);
  LVHITTESTINFO hit;
  hit.pt = *point;
  SubItemHitTest(&hit);
  return hit.iItem == row && (subItem == 0 || hit.iSubItem == subItem);
}

void CListCtrl::PutCursor(CPoint clientPoint) const {
  ClientToScreen(&clientPoint);
  SetCursorPos(clientPoint);
}

// ---------------------------------------------------------------- clicks

void CListCtrl::ClickSelect(int row) {
  auto alive = m_alive;
  bool control = Keyboard::IsDown(VK_CONTROL);
  bool shift = Keyboard::IsDown(VK_SHIFT);
  if ((GetStyle() & LVS_SINGLESEL) || (!control && !shift)) {
    SelectOnly(row);
    return;
  }
  std::uint32_t id = m_rows[row].id;
  if (!shift) {
    m_anchorId = id;
    UINT selected = GetItemState(row, LVIS_SELECTED) ^ LVIS_SELECTED;
    SetItemState(row, selected | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return;
  }
  // Shift: the rows from the anchor to this one; without Ctrl only those.
  int anchor = RowOfId(m_anchorId, -1);
  if (anchor < 0) anchor = row;
  int low = std::min(anchor, row), high = std::max(anchor, row);
  for (int i = 0; i < GetItemCount(); ++i) {
    bool inside = i >= low && i <= high;
    if (inside || !control) ChangeState(i, inside ? LVIS_SELECTED : 0, LVIS_SELECTED);
    if (!*alive) return;
  }
  row = RowOfId(id, row);
  if (row >= 0) SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
}

// A button press on a row selects it: the left button as ClickSelect says,
// the right button (and a drag) keep a selected row's selection and focus it.
void CListCtrl::PressRow(int row, bool leftButton) {
  if (leftButton) ClickSelect(row);
  else if (GetItemState(row, LVIS_SELECTED)) SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
  else SelectOnly(row);
}

// The press at a client point: the cursor goes there, then the selection
// changes. hit names what is under the point afterwards; false when the
// control did not survive.
bool CListCtrl::PressAt(CPoint clientPoint, bool leftButton, LVHITTESTINFO* hit) {
  auto alive = m_alive;
  hit->pt = clientPoint;
  SubItemHitTest(hit);
  PutCursor(clientPoint);
  if (hit->iItem >= 0) {
    std::uint32_t id = m_rows[hit->iItem].id;
    PressRow(hit->iItem, leftButton);
    if (!*alive) return false;
    hit->iItem = RowOfId(id, hit->iItem);
  } else if (leftButton && !Keyboard::IsDown(VK_CONTROL)) {
    DeselectAllBut(-1);
    if (!*alive) return false;
  }
  return true;
}

bool CListCtrl::ClickAt(CPoint clientPoint) {
  LVHITTESTINFO hit;
  if (!PressAt(clientPoint, true, &hit)) return false;
  NotifyItemActivate(NM_CLICK, hit);
  return true;
}

bool CListCtrl::RightClickAt(CPoint clientPoint) {
  auto alive = m_alive;
  LVHITTESTINFO hit;
  if (!PressAt(clientPoint, false, &hit)) return false;
  if (NotifyItemActivate(NM_RCLICK, hit) != 0 || !*alive) return true;
  CPoint screen = clientPoint;
  ClientToScreen(&screen);
  SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd),
              static_cast<LPARAM>((screen.x & 0xFFFF) | ((screen.y & 0xFFFF) << 16)));
  return true;
}

bool CListCtrl::IsEmptySpace(CPoint clientPoint) const {
  return RowArea().PtInRect(clientPoint) && HitTest(clientPoint) < 0;
}

bool CListCtrl::UserClick(int row, int subItem) {
  CPoint point;
  return TakeFocus() && PointAtCell(row, subItem, &point) && ClickAt(point);
}

bool CListCtrl::UserClickEmpty(CPoint clientPoint) {
  return TakeFocus() && IsEmptySpace(clientPoint) && ClickAt(clientPoint);
}

bool CListCtrl::UserRightClick(int row) {
  CPoint point;
  return TakeFocus() && PointAtCell(row, 0, &point) && RightClickAt(point);
}

bool CListCtrl::UserRightClick(CPoint clientPoint) {
  return TakeFocus() && RowArea().PtInRect(clientPoint) && RightClickAt(clientPoint);
}

bool CListCtrl::UserDoubleClick(int row, int subItem) {
  auto alive = m_alive;
  CPoint point;
  if (!TakeFocus() || !PointAtCell(row, subItem, &point) || !ClickAt(point) || !*alive) return false;
  LVHITTESTINFO hit;
  hit.pt = point;
  SubItemHitTest(&hit);
  PutCursor(point);
  NotifyItemActivate(NM_DBLCLK, hit);
  return true;
}

bool CListCtrl::UserClickColumn(int col) {
  if (!TakeFocus() || ViewKind() != ListViewKind::Report || (GetStyle() & LVS_NOCOLUMNHEADER)) return false;
  CRect header;
  if (!m_header.GetItemRect(col, &header) || header.IsRectEmpty()) return false;
  CRect client;
  GetClientRect(&client);
  if (header.left < 0 || header.right > client.right) {
    Scroll(CSize(header.left, 0));
    m_header.GetItemRect(col, &header);
  }
  CRect visible = Intersection(header, client);
  if (visible.IsRectEmpty()) return false;
  CPoint point = Centre(visible);
  PutCursor(point);
  NotifyListView(LVN_COLUMNCLICK, -1, col, point);
  return true;
}

bool CListCtrl::UserBeginDrag(int row, bool rightButton) {
  CPoint point;
  LVHITTESTINFO hit;
  if (!TakeFocus() || !PointAtCell(row, 0, &point) || !PressAt(point, false, &hit) || hit.iItem < 0) return false;
  NotifyListView(rightButton ? LVN_BEGINRDRAG : LVN_BEGINDRAG, hit.iItem, 0, point);
  return true;
}

// ---------------------------------------------------------------- keys

void CListCtrl::UserKeyDown(UINT virtualKey) {
  CWnd* target = IsEditingLabel() ? static_cast<CWnd*>(&m_edit) : this;
  if (!target->m_hWnd) return;
  if (!target->HasFocus()) target->SetFocus();
  if (target->m_hWnd) DispatchKeyDown(target->m_hWnd, virtualKey);
}

void CListCtrl::OnKeyDown(UINT key, UINT, UINT) {
  if (IsEditingLabel()) {
    m_edit.SendMessage(WM_KEYDOWN, key);
    return;
  }
  auto alive = m_alive;
  NMLVKEYDOWN down;
  down.wVKey = static_cast<WORD>(key);
  Notify(down.hdr, LVN_KEYDOWN);
  if (!*alive) return;
  if (key == VK_RETURN) {
    NMHDR header;
    Notify(header, NM_RETURN);
  } else if (key == VK_F2) {
    int focused = FocusedRow();
    if ((GetStyle() & LVS_EDITLABELS) && focused >= 0) EditLabel(focused);
  } else {
    MoveFocusByKey(key);
  }
}

// Arrows move along the layout: rows in the report view, columns of rows in
// the list view, the grid in the icon views. Ctrl moves the focus alone.
void CListCtrl::MoveFocusByKey(UINT key) {
  int count = GetItemCount();
  if (count == 0) return;
  ListLayout layout = Layout();
  ListViewKind view = ViewKind();
  bool grid = view == ListViewKind::LargeIcon || view == ListViewKind::SmallIcon;
  int perLine = layout.ItemsPerLine();
  int vertical = grid ? perLine : 1;
  int horizontal = view == ListViewKind::List ? perLine : (grid ? 1 : 0);
  int page = std::max(1, layout.CountPerPage() - 1);
  if (grid) {
    CRect area = RowArea();
    int cellHeight = view == ListViewKind::LargeIcon ? kLargeIconCellHeight : kListRowHeight;
    page = perLine * std::max(1, area.Height() / cellHeight);
  }
  int focused = FocusedRow();
  int target;
  switch (key) {
    case VK_UP: target = focused - vertical; break;
    case VK_DOWN: target = focused + vertical; break;
    case VK_LEFT: target = focused - horizontal; break;
    case VK_RIGHT: target = focused + horizontal; break;
    case kVkPageUp: target = focused - page; break;
    case kVkPageDown: target = focused + page; break;
    case kVkHome: target = 0; break;
    case kVkEnd: target = count - 1; break;
    default: return;
  }
  if (focused < 0) target = 0;
  target = std::clamp(target, 0, count - 1);
  auto alive = m_alive;
  std::uint32_t id = m_rows[target].id;
  if (Keyboard::IsDown(VK_CONTROL)) SetItemState(target, LVIS_FOCUSED, LVIS_FOCUSED);
  else SelectOnly(target);
  if (!*alive) return;
  target = RowOfId(id, target);
  if (target >= 0) EnsureVisible(target, FALSE);
}

// ---------------------------------------------------------------- label editing

ILabelEdit* CListCtrl::EditLabel(int row) {
  if (!IsRow(row) || m_editEnding) return nullptr;
  auto alive = m_alive;
  std::uint32_t id = m_rows[row].id;
  if (IsEditingLabel()) {
    EndEditLabelNow(FALSE);
    if (!*alive || IsEditingLabel()) return nullptr;
    row = RowOfId(id, row);
    if (row < 0) return nullptr;
  }
  std::string label = m_rows[row].texts[0];
  NMLVDISPINFO begin;
  begin.item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_STATE;
  begin.item.iItem = row;
  begin.item.pszText = label.data();
  begin.item.cchTextMax = static_cast<int>(label.size()) + 1;
  begin.item.lParam = m_rows[row].lParam;
  begin.item.state = m_rows[row].state;
  if (Notify(begin.hdr, LVN_BEGINLABELEDIT) != 0 || !*alive) return nullptr;
  row = RowOfId(id, row);
  if (row < 0 || IsEditingLabel()) return nullptr;
  CRect rect;
  GetItemRect(row, &rect, LVIR_LABEL);
  if (rect.IsRectEmpty()) GetItemRect(row, &rect, LVIR_BOUNDS);
  if (!m_edit.Open(m_rows[row].texts[0], rect)) return nullptr;
  m_editId = id;
  m_editHint = row;
  Tell([&](ListCtrlObserver& o) { o.ListLabelEditStarted(*this, row, m_edit); }, false);
  if (!*alive) return nullptr;
  if (m_edit.IsActive()) UI().LabelEditStarted(m_edit);
  if (!*alive) return nullptr;
  return m_edit.IsActive() ? &m_edit : nullptr;
}

CWnd* CListCtrl::GetEditControl() const { return IsEditingLabel() ? &m_edit : nullptr; }

ILabelEdit* CListCtrl::GetLabelEdit() { return IsEditingLabel() ? &m_edit : nullptr; }

int CListCtrl::GetEditItem() const {
  if (!IsEditingLabel()) return -1;
  m_editHint = RowOfId(m_editId, m_editHint);
  return m_editHint;
}

BOOL CListCtrl::EndEditLabelNow(BOOL cancel) {
  if (!IsEditingLabel() || m_editEnding) return FALSE;
  m_edit.End(cancel != FALSE);
  return TRUE;
}

// The editor's end request: the owner hears the text (none when cancelled)
// while the editor is still open; a nonzero answer to a commit sets the label.
void CListCtrl::EndEdit(bool cancel) {
  if (m_editEnding || !m_edit.IsActive()) return;
  m_editEnding = true;
  auto alive = m_alive;
  std::uint32_t id = m_editId;
  std::string text = m_edit.Text();
  int row = GetEditItem();
  LRESULT accepted = 0;
  if (row >= 0) {
    std::string buffer = text;
    NMLVDISPINFO end;
    end.item.mask = LVIF_TEXT | LVIF_PARAM;
    end.item.iItem = row;
    end.item.lParam = m_rows[row].lParam;
    end.item.pszText = cancel ? nullptr : buffer.data();
    end.item.cchTextMax = cancel ? 0 : static_cast<int>(buffer.size()) + 1;
    accepted = Notify(end.hdr, LVN_ENDLABELEDIT);
    if (!*alive) return;
  }
  m_editEnding = false;
  m_editId = 0;
  m_edit.Close();
  if (!cancel && accepted) {
    row = RowOfId(id, row);
    if (row >= 0) SetItemText(row, 0, text);
  }
  Tell([&](ListCtrlObserver& o) { o.ListLabelEditEnded(*this); }, false);
}

ILabelEdit* CListCtrl::UserBeginLabelEdit(int row) {
  if (!(GetStyle() & LVS_EDITLABELS) || !IsRow(row)) return nullptr;
  auto alive = m_alive;
  std::uint32_t id = m_rows[row].id;
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  if (GetItemState(row, both) != both && !UserClick(row)) return nullptr;
  if (!*alive) return nullptr;
  row = RowOfId(id, row);
  return row >= 0 ? EditLabel(row) : nullptr;
}
