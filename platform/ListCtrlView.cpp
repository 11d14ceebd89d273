// The list control's geometry, scrolling and custom draw.
#include <algorithm>
#include <climits>

#include "platform/Draw.h"
#include "platform/ListCtrl.h"

namespace {

bool PartOfArea(UINT area, ListPart* part) {
  switch (area) {
    case LVIR_BOUNDS: *part = ListPart::Bounds; return true;
    case LVIR_ICON: *part = ListPart::Icon; return true;
    case LVIR_LABEL: *part = ListPart::Label; return true;
    default: return false;
  }
}

CRect Union(const CRect& a, const CRect& b) {
  return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
               std::max(a.bottom, b.bottom));
}

}  // namespace

ListLayout CListCtrl::Layout() const {
  ListLayout::Input input;
  input.view = ViewKind();
  CRect client;
  GetClientRect(&client);
  input.client = CSize(client.Width(), client.Height());
  input.count = GetItemCount();
  input.columnWidths.reserve(m_columns.size());
  for (const Column& c : m_columns) input.columnWidths.push_back(c.width);
  input.header = (GetStyle() & LVS_NOCOLUMNHEADER) == 0;
  input.smallIcons = m_smallImages != nullptr;
  input.scroll = m_scroll;
  return ListLayout(std::move(input));
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
  LVHITTESTINFO info;
  info.pt = point;
  int row = SubItemHitTest(&info);
  if (flags) *flags = info.flags;
  return row;
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const { return SubItemHitTest(info); }

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info) const {
  if (!info) return -1;
  ListLayoutHit hit = Layout().HitTest(info->pt);
  UINT flags = 0;
  if (hit.above) flags |= LVHT_ABOVE;
  if (hit.below) flags |= LVHT_BELOW;
  if (hit.toLeft) flags |= LVHT_TOLEFT;
  if (hit.toRight) flags |= LVHT_TORIGHT;
  if (hit.row >= 0) flags = hit.part == ListPart::Icon ? LVHT_ONITEMICON : LVHT_ONITEMLABEL;
  if (flags == 0) flags = LVHT_NOWHERE;
  info->flags = flags;
  info->iItem = hit.row;
  info->iSubItem = hit.row >= 0 ? hit.subItem : -1;
  return hit.row;
}

BOOL CListCtrl::GetItemRect(int row, CRect* rect, UINT code) const {
  if (!rect || !IsRow(row)) return FALSE;
  ListLayout layout = Layout();
  if (code == LVIR_SELECTBOUNDS) {
    *rect = Union(layout.ItemRect(row, ListPart::Icon), layout.ItemRect(row, ListPart::Label));
    return TRUE;
  }
  ListPart part;
  if (!PartOfArea(code, &part)) return FALSE;
  *rect = layout.ItemRect(row, part);
  return TRUE;
}

BOOL CListCtrl::GetSubItemRect(int row, int subItem, int area, CRect& rect) const {
  ListPart part;
  if (!PartOfArea(static_cast<UINT>(area), &part)) return FALSE;
  return Layout().SubItemRect(row, subItem, part, &rect) ? TRUE : FALSE;
}

BOOL CListCtrl::GetViewRect(CRect* rect) const {
  if (!rect) return FALSE;
  *rect = Layout().ViewRect();
  return TRUE;
}

CPoint CListCtrl::GetScrollPosition() const { return Layout().Scroll(); }
int CListCtrl::GetTopIndex() const { return Layout().TopIndex(); }
int CListCtrl::GetCountPerPage() const { return Layout().CountPerPage(); }

void CListCtrl::SetScroll(CPoint scroll) {
  ListLayout layout = Layout();
  CPoint before = layout.Scroll();
  m_scroll = layout.ClampScroll(scroll);
  if (m_scroll != before) Tell([&](ListCtrlObserver& o) { o.ListScrolled(*this); }, false);
}

BOOL CListCtrl::EnsureVisible(int row, BOOL partialOk) {
  if (!IsRow(row)) return FALSE;
  SetScroll(Layout().ScrollToShow(row, partialOk != FALSE));
  return TRUE;
}

BOOL CListCtrl::Scroll(CSize size) {
  CPoint now = GetScrollPosition();
  SetScroll(CPoint(now.x + size.cx, now.y + size.cy));
  return TRUE;
}

void CListCtrl::OnVScroll(UINT code, int position) { ScrollLines(SB_VERT, code, position); }
void CListCtrl::OnHScroll(UINT code, int position) { ScrollLines(SB_HORZ, code, position); }

// Scroll-bar requests. Thumb positions count rows in the report view's
// vertical bar, columns in the list view's horizontal bar, pixels elsewhere.
void CListCtrl::ScrollLines(int bar, UINT code, int position) {
  ListViewKind view = ViewKind();
  bool vertical = bar == SB_VERT;
  int line = kListRowHeight;
  if (vertical && view == ListViewKind::LargeIcon) line = kLargeIconCellHeight;
  if (!vertical && view == ListViewKind::List) line = kSmallIconCellWidth;
  bool thumbInLines = (vertical && view == ListViewKind::Report) || (!vertical && view == ListViewKind::List);
  CRect client;
  GetClientRect(&client);
  int page = vertical ? client.Height() - (view == ListViewKind::Report ? kListHeaderHeight : 0) : client.Width();
  page = std::max(line, page);
  CPoint scroll = GetScrollPosition();
  int& axis = vertical ? scroll.y : scroll.x;
  switch (code) {
    case SB_LINEUP: axis -= line; break;
    case SB_LINEDOWN: axis += line; break;
    case SB_PAGEUP: axis -= page; break;
    case SB_PAGEDOWN: axis += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: axis = thumbInLines ? position * line : position; break;
    case SB_TOP: axis = 0; break;
    case SB_BOTTOM: axis = INT_MAX / 2; break;
    default: return;
  }
  SetScroll(scroll);
}

BOOL CListCtrl::RedrawItems(int first, int last) {
  if (first > last || last < 0 || first >= GetItemCount()) return FALSE;
  TellRowsChanged(std::max(first, 0), std::min(last, GetItemCount() - 1));
  return TRUE;
}

// ---------------------------------------------------------------- custom draw

ListCellAttributes CListCtrl::CellAttributes(int row, int subItem) {
  ListCellAttributes cell{GetSysColor(COLOR_WINDOWTEXT), false};
  if (!IsRow(row) || subItem < 0 || (subItem > 0 && subItem >= GetColumnCount())) return cell;
  auto alive = m_alive;
  std::uint32_t id = m_rows[row].id;

  NMLVCUSTOMDRAW paint;
  paint.nmcd.dwDrawStage = CDDS_PREPAINT;
  GetClientRect(&paint.nmcd.rc);
  paint.clrText = cell.textColour;
  paint.clrTextBk = GetSysColor(COLOR_WINDOW);
  LRESULT answer = Notify(paint.nmcd.hdr, NM_CUSTOMDRAW);
  if (!*alive || !(answer & CDRF_NOTIFYITEMDRAW)) return cell;

  // The item stage, then (when asked for) the sub-item stage; each starts from
  // what the stage before it decided.
  for (DWORD stage : {CDDS_ITEMPREPAINT, CDDS_ITEMPREPAINT | CDDS_SUBITEM}) {
    row = RowOfId(id, row);
    if (row < 0) return cell;
    bool subStage = (stage & CDDS_SUBITEM) != 0;
    NMLVCUSTOMDRAW draw;
    draw.nmcd.dwDrawStage = stage;
    draw.nmcd.dwItemSpec = static_cast<std::uintptr_t>(row);
    draw.nmcd.lItemlParam = m_rows[row].lParam;
    UINT state = m_rows[row].state;
    draw.nmcd.uItemState = ((state & LVIS_SELECTED) ? CDIS_SELECTED : 0) | ((state & LVIS_FOCUSED) ? CDIS_FOCUS : 0);
    GetSubItemRect(row, subStage ? subItem : 0, LVIR_BOUNDS, draw.nmcd.rc);
    draw.clrText = cell.textColour;
    draw.clrTextBk = paint.clrTextBk;
    draw.iSubItem = subStage ? subItem : 0;
    draw.underline = cell.underline;
    answer = Notify(draw.nmcd.hdr, NM_CUSTOMDRAW);
    if (!*alive) return cell;
    cell.textColour = draw.clrText;
    if (answer & CDRF_NEWFONT) cell.underline = draw.underline;
    if (!subStage && !(answer & CDRF_NOTIFYSUBITEMDRAW)) break;
  }
  return cell;
}
