#include <gtest/gtest.h>

#include "tests/platform/ListTestOwner.h"

namespace {

using ListViewTest = ListFixture;

// ---------------------------------------------------------------- hit tests and rectangles agree

struct ViewCase {
  DWORD view;
  bool scrolled;
};

std::string ViewCaseName(const ::testing::TestParamInfo<ViewCase>& info) {
  static const char* const names[] = {"LargeIcons", "Report", "SmallIcons", "List"};
  return std::string(names[info.param.view & LVS_TYPEMASK]) + (info.param.scrolled ? "Scrolled" : "AtTop");
}

class ListHitTest : public ListFixture, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(ListHitTest, EveryPointHitsTheRowWhoseRectangleHoldsIt) {
  CImageList small;
  small.Create(16, 16, ILC_MASK, 0, 10);
  list.SetImageList(&small, LVSIL_SMALL);
  list.ModifyStyle(LVS_TYPEMASK, GetParam().view);
  Fill(60, 3);
  if (GetParam().scrolled) {
    ASSERT_TRUE(list.EnsureVisible(59, FALSE));
    ASSERT_NE(list.GetScrollPosition(), CPoint()) << "60 rows do not fit: the list must scroll";
    CRect last;
    list.GetItemRect(59, &last, LVIR_BOUNDS);
    CRect client;
    list.GetClientRect(&client);
    EXPECT_TRUE(client.PtInRect(last.TopLeft())) << "the row scrolled into view";
  }
  const bool report = GetParam().view == LVS_REPORT;
  const int headerBottom = report ? kListHeaderHeight : 0;
  CRect client;
  list.GetClientRect(&client);
  int hits = 0, iconHits = 0, subItemHits = 0;
  for (int y = 0; y < client.bottom; y += 4) {
    for (int x = 0; x < client.right; x += 4) {
      CPoint p(x, y);
      LVHITTESTINFO hit;
      hit.pt = p;
      int row = list.SubItemHitTest(&hit);
      ASSERT_EQ(row, hit.iItem);
      ASSERT_EQ(list.HitTest(p), row);
      if (row >= 0) {
        ++hits;
        CRect bounds, icon, label, cell;
        list.GetItemRect(row, &bounds, LVIR_BOUNDS);
        list.GetItemRect(row, &icon, LVIR_ICON);
        list.GetItemRect(row, &label, LVIR_LABEL);
        ASSERT_TRUE(bounds.PtInRect(p)) << "row " << row << " at " << x << "," << y;
        if (hit.iSubItem == 0) {
          ASSERT_EQ(hit.flags == LVHT_ONITEMICON, icon.PtInRect(p)) << x << "," << y;
          ASSERT_EQ(hit.flags == LVHT_ONITEMLABEL, label.PtInRect(p)) << x << "," << y;
          if (hit.flags == LVHT_ONITEMICON) ++iconHits;
        } else {
          ++subItemHits;
          ASSERT_TRUE(report);
          ASSERT_TRUE(list.GetSubItemRect(row, hit.iSubItem, LVIR_BOUNDS, cell));
          ASSERT_TRUE(cell.PtInRect(p));
          ASSERT_EQ(hit.flags, LVHT_ONITEMLABEL);
        }
      } else {
        ASSERT_EQ(hit.flags, LVHT_NOWHERE);
        if (y < headerBottom) continue;  // the header covers rows scrolled under it
        for (int r = 0; r < list.GetItemCount(); ++r) {
          CRect bounds;
          list.GetItemRect(r, &bounds, LVIR_BOUNDS);
          ASSERT_FALSE(bounds.PtInRect(p)) << "row " << r << " holds " << x << "," << y << " but nothing was hit";
        }
      }
    }
  }
  EXPECT_GT(hits, 100);
  EXPECT_GT(iconHits, 0);
  if (report) {
    EXPECT_GT(subItemHits, 0);
  }
  list.SetImageList(nullptr, LVSIL_SMALL);
}

INSTANTIATE_TEST_SUITE_P(AllViews, ListHitTest,
                         ::testing::Values(ViewCase{LVS_ICON, false}, ViewCase{LVS_ICON, true},
                                           ViewCase{LVS_REPORT, false}, ViewCase{LVS_REPORT, true},
                                           ViewCase{LVS_SMALLICON, false}, ViewCase{LVS_SMALLICON, true},
                                           ViewCase{LVS_LIST, false}, ViewCase{LVS_LIST, true}),
                         ViewCaseName);

// ---------------------------------------------------------------- the report view

TEST_F(ListViewTest, ReportRowsAreSixteenPixelsBelowATwentyPixelHeader) {
  Fill(100);  // three columns of 80 pixels
  CRect rect;
  ASSERT_TRUE(list.GetItemRect(0, &rect, LVIR_BOUNDS));
  EXPECT_EQ(rect, CRect(0, 20, 240, 36));
  ASSERT_TRUE(list.GetItemRect(2, &rect, LVIR_LABEL));
  EXPECT_EQ(rect, CRect(0, 52, 80, 68)) << "no small image list: no room for an icon";
  ASSERT_TRUE(list.GetSubItemRect(1, 2, LVIR_BOUNDS, rect));
  EXPECT_EQ(rect, CRect(160, 36, 240, 52));
  ASSERT_TRUE(list.GetSubItemRect(1, 0, LVIR_BOUNDS, rect));
  EXPECT_EQ(rect, CRect(0, 36, 240, 52)) << "sub-item 0 bounds are the whole row";
  EXPECT_FALSE(list.GetSubItemRect(1, 3, LVIR_BOUNDS, rect));
  ASSERT_TRUE(list.GetHeaderCtrl()->GetItemRect(1, &rect));
  EXPECT_EQ(rect, CRect(80, 0, 160, 20));
  EXPECT_EQ(list.GetCountPerPage(), 11);  // (200 - 20) / 16
  UINT flags = 0;
  EXPECT_EQ(list.HitTest(CPoint(100, 10), &flags), -1) << "the column header is no row";
  EXPECT_EQ(flags, LVHT_NOWHERE);
  EXPECT_EQ(list.HitTest(CPoint(400, -3), &flags), -1);
  EXPECT_EQ(flags, LVHT_ABOVE | LVHT_TORIGHT) << "outside the client area";

  CImageList small;
  small.Create(16, 16, ILC_MASK, 0, 10);
  list.SetImageList(&small, LVSIL_SMALL);
  ASSERT_TRUE(list.GetItemRect(2, &rect, LVIR_ICON));
  EXPECT_EQ(rect, CRect(0, 52, 16, 68));
  ASSERT_TRUE(list.GetItemRect(2, &rect, LVIR_LABEL));
  EXPECT_EQ(rect, CRect(16, 52, 80, 68));
  list.SetImageList(nullptr, LVSIL_SMALL);

  // Vertical scrolling goes by whole rows.
  list.Scroll(CSize(0, 35));
  EXPECT_EQ(list.GetTopIndex(), 2);
  ASSERT_TRUE(list.GetItemRect(2, &rect, LVIR_BOUNDS));
  EXPECT_EQ(rect.top, 20);
  list.Scroll(CSize(0, 100000));
  EXPECT_EQ(list.GetTopIndex(), 89) << "the last row ends at the bottom";
  list.Scroll(CSize(0, -100000));
  EXPECT_EQ(list.GetTopIndex(), 0);
}

TEST_F(ListViewTest, EnsureVisibleScrollsJustEnough) {
  Fill(100);
  ASSERT_TRUE(list.EnsureVisible(50, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 40) << "row 50 becomes the last whole row";
  ASSERT_TRUE(list.EnsureVisible(45, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 40) << "a shown row does not scroll";
  ASSERT_TRUE(list.EnsureVisible(10, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 10);
  // Row 21 is partly shown below the 11 whole rows.
  ASSERT_TRUE(list.EnsureVisible(21, TRUE));
  EXPECT_EQ(list.GetTopIndex(), 10);
  ASSERT_TRUE(list.EnsureVisible(21, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 11);
}

TEST_F(ListViewTest, ScrollBarRequestsMoveTheRows) {
  Fill(100);
  list.SendMessage(WM_VSCROLL, SB_LINEDOWN);
  EXPECT_EQ(list.GetTopIndex(), 1);
  list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 20));
  EXPECT_EQ(list.GetTopIndex(), 20);
  list.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  EXPECT_EQ(list.GetTopIndex(), 31);
  list.SendMessage(WM_VSCROLL, SB_BOTTOM);
  EXPECT_EQ(list.GetTopIndex(), 89);
  list.SendMessage(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(list.GetTopIndex(), 0);
  list.SendMessage(WM_HSCROLL, SB_LINERIGHT);
  EXPECT_EQ(list.GetScrollPosition().x, 0) << "240 pixels of columns fit in 300";
  list.SetColumnWidth(2, 200);
  list.SendMessage(WM_HSCROLL, SB_PAGERIGHT);
  EXPECT_EQ(list.GetScrollPosition().x, 60);
  CRect header;
  list.GetHeaderCtrl()->GetItemRect(0, &header);
  EXPECT_EQ(header.left, -60) << "the header scrolls sideways with the rows";
}

// ---------------------------------------------------------------- the icon and list views

TEST_F(ListViewTest, IconAndListViewsLayRowsOnAGrid) {
  Fill(30);
  CRect rect;
  list.ModifyStyle(LVS_TYPEMASK, LVS_ICON);  // four 75-pixel cells to a line
  ASSERT_TRUE(list.GetItemRect(5, &rect, LVIR_BOUNDS));
  EXPECT_EQ(rect, CRect(75, 70, 150, 140));
  ASSERT_TRUE(list.GetItemRect(5, &rect, LVIR_ICON));
  EXPECT_EQ(rect.Height(), kLargeIconAreaHeight);
  EXPECT_EQ(list.GetTopIndex(), 0);
  EXPECT_EQ(list.GetCountPerPage(), 30) << "every row in the icon views";

  list.ModifyStyle(LVS_TYPEMASK, LVS_SMALLICON);  // two 150-pixel cells to a line
  ASSERT_TRUE(list.GetItemRect(3, &rect, LVIR_BOUNDS));
  EXPECT_EQ(rect, CRect(150, 16, 300, 32));

  list.ModifyStyle(LVS_TYPEMASK, LVS_LIST);  // columns of twelve rows
  ASSERT_TRUE(list.GetItemRect(13, &rect, LVIR_BOUNDS));
  EXPECT_EQ(rect, CRect(150, 16, 300, 32));
  EXPECT_EQ(list.GetCountPerPage(), 24);
  ASSERT_TRUE(list.EnsureVisible(29, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 12) << "the list view scrolls by whole columns";
  ASSERT_TRUE(list.GetItemRect(13, &rect, LVIR_BOUNDS));
  EXPECT_EQ(rect.left, 0);

  list.ModifyStyle(LVS_TYPEMASK, LVS_REPORT);
  EXPECT_EQ(list.GetScrollPosition(), CPoint()) << "a new view starts at the top";
  CRect view;
  ASSERT_TRUE(list.GetViewRect(&view));
  EXPECT_EQ(view, CRect(0, 20, 240, 20 + 30 * 16));
}

}  // namespace
