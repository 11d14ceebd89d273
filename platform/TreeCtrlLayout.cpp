// Layout of the tree control: rows of equal height, one level of indent per
// depth, a 16 px icon, a gap and the label. Row r of the view (top-level
// items, then the children of expanded items, depth first) is drawn at
// y = (r - first visible row) * item height. A control that was never given
// a size shows every row and never scrolls, so headless code that does not
// lay out its windows still finds items where it aims.
#include <algorithm>

#include "platform/TreeCtrl.h"

namespace {

// Characters of UTF-8 text (continuation bytes do not count).
int CharacterCount(const std::string& text) {
  int count = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

CSize CTreeCtrl::ViewSize() const {
  CRect client;
  GetClientRect(&client);
  return CSize(std::max(client.Width(), 0), std::max(client.Height(), 0));
}

int CTreeCtrl::PageRows() const {
  int height = ViewSize().cy;
  return height == 0 ? static_cast<int>(m_items.TotalRows()) : height / kItemHeight;
}

UINT CTreeCtrl::GetVisibleCount() const { return static_cast<UINT>(PageRows()); }

int CTreeCtrl::MaxTopRow() const { return std::max(static_cast<int>(m_items.TotalRows()) - PageRows(), 0); }

int CTreeCtrl::TopRow() const { return std::clamp(m_topRow, 0, MaxTopRow()); }

void CTreeCtrl::ClampScroll() { SetTopRow(m_topRow); }

void CTreeCtrl::SetTopRow(int row) {
  int clamped = std::clamp(row, 0, MaxTopRow());
  if (clamped == m_topRow) return;
  m_topRow = clamped;
  Tell([&](TreeCtrlObserver& o) { o.TreeScrolled(*this); });
}

void CTreeCtrl::SetHorzPos(int pos) {
  pos = std::max(pos, 0);
  if (pos == m_horzPos) return;
  m_horzPos = pos;
  Tell([&](TreeCtrlObserver& o) { o.TreeScrolled(*this); });
}

// Left edge of a top-level item's icon, unscrolled: one column further in when top-level items have buttons.
int CTreeCtrl::LevelZeroLeft() const {
  DWORD style = GetStyle();
  bool rootButtons = (style & TVS_LINESATROOT) && (style & (TVS_HASLINES | TVS_HASBUTTONS));
  return rootButtons ? kIndent : 0;
}

int CTreeCtrl::ItemLeft(Slot slot) const { return LevelZeroLeft() + m_items.Level(slot) * kIndent - m_horzPos; }

int CTreeCtrl::TextWidth(Slot slot) const { return CharacterCount(m_items[slot].text) * kCharWidth + 2 * kTextMargin; }

CRect CTreeCtrl::TextRect(Slot slot, int row) const {
  int left = ItemLeft(slot) + kIconWidth + kIconGap;
  int top = (row - TopRow()) * kItemHeight;
  return CRect(left, top, left + TextWidth(slot), top + kItemHeight);
}

// The right end of the widest shown label, unscrolled. Walks the shown rows once.
int CTreeCtrl::ContentWidth() const {
  const Slot root = TreeItemStore::kRoot;
  int widest = 0;
  int origin = LevelZeroLeft();
  int level = 0;
  Slot s = m_items[root].firstChild;
  while (s != kNone) {
    widest = std::max(widest, origin + level * kIndent + kIconWidth + kIconGap + TextWidth(s));
    if (m_items.IsExpanded(s) && m_items[s].firstChild != kNone) {
      s = m_items[s].firstChild;
      ++level;
      continue;
    }
    while (s != root && m_items[s].next == kNone) {
      s = m_items[s].parent;
      --level;
    }
    s = s == root ? kNone : m_items[s].next;
  }
  return widest;
}

int CTreeCtrl::GetScrollPos(int bar) const { return bar == SB_HORZ ? m_horzPos : TopRow(); }

int CTreeCtrl::GetScrollLimit(int bar) const {
  if (bar == SB_HORZ) {
    int width = ViewSize().cx;
    return width == 0 ? 0 : std::max(ContentWidth() - width, 0);
  }
  return MaxTopRow();
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item) {
  Slot slot = m_items.Resolve(item);
  if (slot == kNone || !ExpandAncestors(slot)) return FALSE;
  slot = m_items.Resolve(item);
  if (slot == kNone) return FALSE;
  int row = m_items.RowInView(slot);
  CSize view = ViewSize();
  if (view.cy > 0) {
    int top = TopRow();
    int page = std::max(PageRows(), 1);
    if (row < top) {
      SetTopRow(row);
    } else if (row >= top + page) {
      SetTopRow(row - page + 1);
    }
  }
  if (view.cx > 0) {
    // Bring the label into view, its left end first when it is wider than the view.
    int left = ItemLeft(slot) + m_horzPos;
    int right = left + kIconWidth + kIconGap + TextWidth(slot);
    int pos = m_horzPos;
    if (right - pos > view.cx) pos = right - view.cx;
    if (left - pos < 0) pos = left;
    SetHorzPos(pos);
  }
  return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const {
  UINT where = 0;
  HTREEITEM hit = nullptr;
  CSize view = ViewSize();
  if (point.y < 0) where |= TVHT_ABOVE;
  if (view.cy > 0 && point.y >= view.cy) where |= TVHT_BELOW;
  if (point.x < 0) where |= TVHT_TOLEFT;
  if (view.cx > 0 && point.x >= view.cx) where |= TVHT_TORIGHT;
  if (where == 0) {
    Slot slot = m_items.AtRowInView(static_cast<std::uint32_t>(TopRow() + point.y / kItemHeight));
    if (slot == kNone) {
      where = TVHT_NOWHERE;
    } else {
      hit = m_items.Handle(slot);
      int left = ItemLeft(slot);
      int textLeft = left + kIconWidth + kIconGap;
      bool button = (GetStyle() & TVS_HASBUTTONS) && HasChildren(slot);
      if (point.x < left - kIndent) {
        where = TVHT_ONITEMINDENT;
      } else if (point.x < left) {
        where = button ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
      } else if (point.x < textLeft) {
        where = TVHT_ONITEMICON;
      } else if (point.x < textLeft + TextWidth(slot)) {
        where = TVHT_ONITEMLABEL;
      } else {
        where = TVHT_ONITEMRIGHT;
      }
    }
  }
  if (flags) *flags = where;
  return hit;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* info) const {
  if (!info) return nullptr;
  info->hItem = HitTest(info->pt, &info->flags);
  return info->hItem;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM item, CRect* rect, BOOL textOnly) const {
  Slot slot = m_items.Resolve(item);
  if (!rect || slot == kNone) return FALSE;
  int row = m_items.RowInView(slot);
  if (row < 0) return FALSE;
  CRect text = TextRect(slot, row);
  if (textOnly) {
    *rect = text;
  } else {
    int width = ViewSize().cx;
    *rect = CRect(0, text.top, width > 0 ? width : text.right, text.bottom);
  }
  return TRUE;
}

void CTreeCtrl::OnSize(UINT, int, int) {
  ClampScroll();
  SetHorzPos(std::min(m_horzPos, GetScrollLimit(SB_HORZ)));
}

void CTreeCtrl::OnVScroll(UINT code, int position) {
  int top = TopRow();
  int page = std::max(PageRows(), 1);
  switch (code) {
    case SB_LINEUP: SetTopRow(top - 1); break;
    case SB_LINEDOWN: SetTopRow(top + 1); break;
    case SB_PAGEUP: SetTopRow(top - page); break;
    case SB_PAGEDOWN: SetTopRow(top + page); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: SetTopRow(position); break;
    case SB_TOP: SetTopRow(0); break;
    case SB_BOTTOM: SetTopRow(GetScrollLimit(SB_VERT)); break;
    default: break;
  }
}

void CTreeCtrl::OnHScroll(UINT code, int position) {
  int limit = GetScrollLimit(SB_HORZ);
  int page = std::max(ViewSize().cx, 1);
  int pos = m_horzPos;
  switch (code) {
    case SB_LINELEFT: pos -= kCharWidth; break;
    case SB_LINERIGHT: pos += kCharWidth; break;
    case SB_PAGELEFT: pos -= page; break;
    case SB_PAGERIGHT: pos += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = position; break;
    case SB_LEFT: pos = 0; break;
    case SB_RIGHT: pos = limit; break;
    default: return;
  }
  SetHorzPos(std::clamp(pos, 0, limit));
}

LRESULT CTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
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
