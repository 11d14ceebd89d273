// Where the rows of a list control stand in each of its four views. Rectangles
// and hit tests come from the same arithmetic, so a point inside a row's
// rectangle always hits that row and a point outside every row hits nothing.
// All coordinates are the control's client coordinates after scrolling.
#pragma once

#include <vector>

#include "platform/Types.h"

// Cell sizes, in pixels.
constexpr int kListHeaderHeight = 20;        // column header of the report view
constexpr int kListRowHeight = 16;           // rows of the report, small-icon and list views
constexpr int kLargeIconCellWidth = 90;      // one cell of the large-icon grid: room for a long word of a label
constexpr int kLargeIconCellHeight = 70;
constexpr int kLargeIconAreaHeight = 38;     // upper part of a large-icon cell; the label lies below
constexpr int kSmallIconCellWidth = 150;     // one cell of the small-icon grid and of the list columns
constexpr int kSmallIconWidth = 16;          // room for a small icon (when there is a small image list)

enum class ListViewKind { LargeIcon, Report, SmallIcon, List };
enum class ListPart { None, Bounds, Icon, Label };

struct ListLayoutHit {
  int row = -1;
  int subItem = -1;
  ListPart part = ListPart::None;  // Icon or Label when a row was hit
  // Set for a point outside the client area.
  bool above = false;
  bool below = false;
  bool toLeft = false;
  bool toRight = false;
};

class ListLayout {
 public:
  struct Input {
    ListViewKind view = ListViewKind::LargeIcon;
    CSize client;
    int count = 0;
    std::vector<int> columnWidths;  // report view
    bool header = true;             // report view shows its column header
    bool smallIcons = false;        // a small image list is attached
    CPoint scroll;                  // as requested; the layout keeps it in range
  };
  explicit ListLayout(Input input);

  // A row's rectangle for part Bounds, Icon or Label; empty for a row out of range.
  CRect ItemRect(int row, ListPart part) const;
  // A cell's rectangle. In the report view, sub-item 0 with Bounds is the whole
  // row (as the system list view answers); other views have only sub-item 0.
  // Returns false for a cell that does not exist.
  bool SubItemRect(int row, int subItem, ListPart part, CRect* rect) const;
  ListLayoutHit HitTest(CPoint point) const;
  // Header item col of the report view; false when there is no such column or no header.
  bool HeaderItemRect(int col, CRect* rect) const;

  // The scroll position in use (always in range).
  CPoint Scroll() const { return m_scroll; }
  // Brings a requested scroll position into range (whole rows in the report
  // view, whole columns in the list view).
  CPoint ClampScroll(CPoint scroll) const;
  // The scroll position that shows row (unchanged when it is already shown).
  CPoint ScrollToShow(int row, bool partialOk) const;
  // First visible row of the report and list views; 0 in the icon views.
  int TopIndex() const;
  // Rows that fit fully in the report and list views; every row in the icon views.
  int CountPerPage() const;
  // The rectangle around every row.
  CRect ViewRect() const;
  int ItemsPerLine() const;  // grid columns of the icon views, rows per column of the list view

 private:
  CRect CellInView(int row) const;  // the row's cell before scrolling
  CPoint ToClient(CPoint view) const;
  int VisibleTop() const { return m_header ? kListHeaderHeight : 0; }
  int VisibleHeight() const;
  int TotalWidth() const { return m_columnLefts.back(); }
  int IconWidth() const { return m_smallIcons ? kSmallIconWidth : 0; }
  CSize ContentSize() const;

  ListViewKind m_view;
  CSize m_client;
  int m_count;
  std::vector<int> m_columnLefts;  // report view: left edge of each column, then the total width
  bool m_header;
  bool m_smallIcons;
  CPoint m_scroll;
};
