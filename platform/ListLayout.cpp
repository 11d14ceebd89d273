#include "platform/ListLayout.h"

#include <algorithm>

namespace {

int CeilDiv(int a, int b) { return b > 0 ? (a + b - 1) / b : 0; }

// Nearest whole step of size step at or above 0.
int NearestStep(int pixels, int step) { return pixels <= 0 ? 0 : (pixels + step / 2) / step; }

bool Intersects(const CRect& a, const CRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

}  // namespace

ListLayout::ListLayout(Input input)
    : m_view(input.view),
      m_client(std::max(0, input.client.cx), std::max(0, input.client.cy)),
      m_count(std::max(0, input.count)),
      m_header(input.header && input.view == ListViewKind::Report),
      m_smallIcons(input.smallIcons) {
  m_columnLefts.reserve(input.columnWidths.size() + 1);
  int left = 0;
  for (int width : input.columnWidths) {
    m_columnLefts.push_back(left);
    left += std::max(0, width);
  }
  m_columnLefts.push_back(left);
  m_scroll = ClampScroll(input.scroll);
}

int ListLayout::VisibleHeight() const { return std::max(0, m_client.cy - VisibleTop()); }

int ListLayout::ItemsPerLine() const {
  switch (m_view) {
    case ListViewKind::LargeIcon: return std::max(1, m_client.cx / kLargeIconCellWidth);
    case ListViewKind::SmallIcon: return std::max(1, m_client.cx / kSmallIconCellWidth);
    case ListViewKind::List: return std::max(1, m_client.cy / kListRowHeight);
    case ListViewKind::Report: break;
  }
  return 1;
}

CRect ListLayout::CellInView(int row) const {
  int per = ItemsPerLine();
  switch (m_view) {
    case ListViewKind::Report:
      return CRect(0, row * kListRowHeight, TotalWidth(), (row + 1) * kListRowHeight);
    case ListViewKind::LargeIcon: {
      int x = (row % per) * kLargeIconCellWidth, y = (row / per) * kLargeIconCellHeight;
      return CRect(x, y, x + kLargeIconCellWidth, y + kLargeIconCellHeight);
    }
    case ListViewKind::SmallIcon: {
      int x = (row % per) * kSmallIconCellWidth, y = (row / per) * kListRowHeight;
      return CRect(x, y, x + kSmallIconCellWidth, y + kListRowHeight);
    }
    case ListViewKind::List: {
      int x = (row / per) * kSmallIconCellWidth, y = (row % per) * kListRowHeight;
      return CRect(x, y, x + kSmallIconCellWidth, y + kListRowHeight);
    }
  }
  return CRect();
}

CPoint ListLayout::ToClient(CPoint view) const {
  return CPoint(view.x - m_scroll.x, view.y - m_scroll.y + VisibleTop());
}

CRect ListLayout::ItemRect(int row, ListPart part) const {
  if (row < 0 || row >= m_count || part == ListPart::None) return CRect();
  CRect cell = CellInView(row);
  CPoint topLeft = ToClient(cell.TopLeft());
  cell.OffsetRect(topLeft.x - cell.left, topLeft.y - cell.top);
  if (part == ListPart::Bounds) return cell;
  switch (m_view) {
    case ListViewKind::LargeIcon: {
      int split = cell.top + kLargeIconAreaHeight;
      return part == ListPart::Icon ? CRect(cell.left, cell.top, cell.right, split)
                                    : CRect(cell.left, split, cell.right, cell.bottom);
    }
    case ListViewKind::Report: {
      int firstWidth = m_columnLefts.size() > 1 ? m_columnLefts[1] : 0;
      int split = cell.left + std::min(IconWidth(), firstWidth);
      return part == ListPart::Icon ? CRect(cell.left, cell.top, split, cell.bottom)
                                    : CRect(split, cell.top, cell.left + firstWidth, cell.bottom);
    }
    case ListViewKind::SmallIcon:
    case ListViewKind::List: {
      int split = cell.left + IconWidth();
      return part == ListPart::Icon ? CRect(cell.left, cell.top, split, cell.bottom)
                                    : CRect(split, cell.top, cell.right, cell.bottom);
    }
  }
  return CRect();
}

bool ListLayout::SubItemRect(int row, int subItem, ListPart part, CRect* rect) const {
  if (!rect || row < 0 || row >= m_count || subItem < 0 || part == ListPart::None) return false;
  if (subItem == 0) {
    *rect = ItemRect(row, part);
    return true;
  }
  int columns = static_cast<int>(m_columnLefts.size()) - 1;
  if (m_view != ListViewKind::Report || subItem >= columns) return false;
  CRect bounds = ItemRect(row, ListPart::Bounds);
  int left = bounds.left + m_columnLefts[subItem];
  int right = part == ListPart::Icon ? left : bounds.left + m_columnLefts[subItem + 1];
  *rect = CRect(left, bounds.top, right, bounds.bottom);
  return true;
}

ListLayoutHit ListLayout::HitTest(CPoint point) const {
  ListLayoutHit hit;
  hit.above = point.y < 0;
  hit.below = point.y >= m_client.cy;
  hit.toLeft = point.x < 0;
  hit.toRight = point.x >= m_client.cx;
  if (hit.above || hit.below || hit.toLeft || hit.toRight) return hit;
  if (point.y < VisibleTop()) return hit;  // on the column header
  int vx = point.x + m_scroll.x;
  int vy = point.y - VisibleTop() + m_scroll.y;
  int per = ItemsPerLine();
  int row = -1;
  int subItem = 0;
  switch (m_view) {
    case ListViewKind::Report: {
      if (vx >= TotalWidth()) return hit;
      row = vy / kListRowHeight;
      // The last column whose left edge is at or before vx (zero-width columns are passed over).
      auto next = std::upper_bound(m_columnLefts.begin(), m_columnLefts.end() - 1, vx);
      subItem = static_cast<int>(next - m_columnLefts.begin()) - 1;
      break;
    }
    case ListViewKind::LargeIcon:
    case ListViewKind::SmallIcon: {
      int width = m_view == ListViewKind::LargeIcon ? kLargeIconCellWidth : kSmallIconCellWidth;
      int height = m_view == ListViewKind::LargeIcon ? kLargeIconCellHeight : kListRowHeight;
      int col = vx / width;
      if (col >= per) return hit;
      row = (vy / height) * per + col;
      break;
    }
    case ListViewKind::List: {
      int line = vy / kListRowHeight;
      if (line >= per) return hit;
      row = (vx / kSmallIconCellWidth) * per + line;
      break;
    }
  }
  if (row < 0 || row >= m_count) return hit;
  hit.row = row;
  hit.subItem = subItem;
  hit.part = subItem == 0 && ItemRect(row, ListPart::Icon).PtInRect(point) ? ListPart::Icon : ListPart::Label;
  return hit;
}

bool ListLayout::HeaderItemRect(int col, CRect* rect) const {
  int columns = static_cast<int>(m_columnLefts.size()) - 1;
  if (!rect || !m_header || col < 0 || col >= columns) return false;
  *rect = CRect(m_columnLefts[col] - m_scroll.x, 0, m_columnLefts[col + 1] - m_scroll.x, kListHeaderHeight);
  return true;
}

CSize ListLayout::ContentSize() const {
  int per = ItemsPerLine();
  switch (m_view) {
    case ListViewKind::Report:
      return CSize(TotalWidth(), m_count * kListRowHeight);
    case ListViewKind::LargeIcon:
      return CSize(std::min(m_count, per) * kLargeIconCellWidth, CeilDiv(m_count, per) * kLargeIconCellHeight);
    case ListViewKind::SmallIcon:
      return CSize(std::min(m_count, per) * kSmallIconCellWidth, CeilDiv(m_count, per) * kListRowHeight);
    case ListViewKind::List:
      return CSize(CeilDiv(m_count, per) * kSmallIconCellWidth, std::min(m_count, per) * kListRowHeight);
  }
  return CSize();
}

CPoint ListLayout::ClampScroll(CPoint scroll) const {
  CSize content = ContentSize();
  int maxX = std::max(0, content.cx - m_client.cx);
  int maxY = std::max(0, content.cy - VisibleHeight());
  switch (m_view) {
    case ListViewKind::Report: {
      int visibleRows = std::max(1, VisibleHeight() / kListRowHeight);
      int maxTop = std::max(0, m_count - visibleRows);
      int top = std::clamp(NearestStep(scroll.y, kListRowHeight), 0, maxTop);
      return CPoint(std::clamp(scroll.x, 0, maxX), top * kListRowHeight);
    }
    case ListViewKind::List: {
      int visibleColumns = std::max(1, m_client.cx / kSmallIconCellWidth);
      int maxFirst = std::max(0, CeilDiv(m_count, ItemsPerLine()) - visibleColumns);
      int first = std::clamp(NearestStep(scroll.x, kSmallIconCellWidth), 0, maxFirst);
      return CPoint(first * kSmallIconCellWidth, 0);
    }
    case ListViewKind::LargeIcon:
    case ListViewKind::SmallIcon:
      break;
  }
  return CPoint(std::clamp(scroll.x, 0, maxX), std::clamp(scroll.y, 0, maxY));
}

CPoint ListLayout::ScrollToShow(int row, bool partialOk) const {
  if (row < 0 || row >= m_count) return m_scroll;
  CRect cell = CellInView(row);
  CRect visible(m_scroll.x, m_scroll.y, m_scroll.x + m_client.cx, m_scroll.y + VisibleHeight());
  if (partialOk && Intersects(cell, visible)) return m_scroll;
  CPoint scroll = m_scroll;
  switch (m_view) {
    case ListViewKind::Report: {
      int top = m_scroll.y / kListRowHeight;
      int visibleRows = std::max(1, VisibleHeight() / kListRowHeight);
      if (row < top) top = row;
      else if (row >= top + visibleRows) top = row - visibleRows + 1;
      scroll.y = top * kListRowHeight;
      break;
    }
    case ListViewKind::List: {
      int col = row / ItemsPerLine();
      int first = m_scroll.x / kSmallIconCellWidth;
      int visibleColumns = std::max(1, m_client.cx / kSmallIconCellWidth);
      if (col < first) first = col;
      else if (col >= first + visibleColumns) first = col - visibleColumns + 1;
      scroll.x = first * kSmallIconCellWidth;
      break;
    }
    case ListViewKind::LargeIcon:
    case ListViewKind::SmallIcon: {
      if (cell.top < visible.top || cell.Height() > visible.Height()) scroll.y = cell.top;
      else if (cell.bottom > visible.bottom) scroll.y = cell.bottom - visible.Height();
      if (cell.left < visible.left || cell.Width() > visible.Width()) scroll.x = cell.left;
      else if (cell.right > visible.right) scroll.x = cell.right - visible.Width();
      break;
    }
  }
  return ClampScroll(scroll);
}

int ListLayout::TopIndex() const {
  switch (m_view) {
    case ListViewKind::Report: return m_scroll.y / kListRowHeight;
    case ListViewKind::List: return (m_scroll.x / kSmallIconCellWidth) * ItemsPerLine();
    case ListViewKind::LargeIcon:
    case ListViewKind::SmallIcon: break;
  }
  return 0;
}

int ListLayout::CountPerPage() const {
  switch (m_view) {
    case ListViewKind::Report: return VisibleHeight() / kListRowHeight;
    case ListViewKind::List: return ItemsPerLine() * (m_client.cx / kSmallIconCellWidth);
    case ListViewKind::LargeIcon:
    case ListViewKind::SmallIcon: break;
  }
  return m_count;
}

CRect ListLayout::ViewRect() const {
  CSize content = ContentSize();
  CPoint origin = ToClient(CPoint(0, 0));
  return CRect(origin.x, origin.y, origin.x + content.cx, origin.y + content.cy);
}
