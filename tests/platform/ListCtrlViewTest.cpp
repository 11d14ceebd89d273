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
  const int headerBottom = GetParam().view == LVS_REPORT ? kListHeaderHeight : 0;
  CRect client;
  list.GetClientRect(&client);
  int hits = 0;
  for (int y = 0; y < client.bottom; y += 4) {
    for (int x = 0; x < client.right; x += 4) {
      CPoint p(x, y);
      const int row = list.HitTest(p);
      if (row >= 0) {
        ++hits;
        CRect bounds;
        list.GetItemRect(row, &bounds, LVIR_BOUNDS);
        ASSERT_TRUE(bounds.PtInRect(p)) << "row " << row << " at " << x << "," << y;
      } else {
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
  list.SetImageList(nullptr, LVSIL_SMALL);
}

INSTANTIATE_TEST_SUITE_P(AllViews, ListHitTest,
                         ::testing::Values(ViewCase{LVS_ICON, false}, ViewCase{LVS_ICON, true},
                                           ViewCase{LVS_REPORT, false}, ViewCase{LVS_REPORT, true},
                                           ViewCase{LVS_SMALLICON, false}, ViewCase{LVS_SMALLICON, true},
                                           ViewCase{LVS_LIST, false}, ViewCase{LVS_LIST, true}),
                         ViewCaseName);

// ---------------------------------------------------------------- the report view

TEST_F(ListViewTest, EnsureVisibleScrollsJustEnough) {
  Fill(100);
  ASSERT_TRUE(list.EnsureVisible(50, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 40) << "row 50 becomes the last whole row";
  ASSERT_TRUE(list.EnsureVisible(45, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 40) << "a shown row does not scroll";
  ASSERT_TRUE(list.EnsureVisible(10, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 10);
  // Row 21 is partly shown below the 11 whole rows: it scrolls into view.
  ASSERT_TRUE(list.EnsureVisible(21, FALSE));
  EXPECT_EQ(list.GetTopIndex(), 11);
}

}  // namespace
