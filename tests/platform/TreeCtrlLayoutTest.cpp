// Where items are drawn, what is under a point, scrolling, and what a person's
// clicks, drags and keys do.
#include <gtest/gtest.h>

#include "tests/platform/TreeTestOwner.h"

namespace {

using TreeCtrlLayoutTest = TreeFixture;

CPoint Centre(const CRect& r) { return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

TEST_F(TreeCtrlLayoutTest, HitTestAndItemRectanglesAgreeAfterScrollingAndExpanding) {
  std::vector<HTREEITEM> top;
  for (int i = 0; i < 30; ++i) top.push_back(Add("Item " + std::to_string(i)));
  for (int i = 0; i < 5; ++i) Add("Child " + std::to_string(i), top[2]);
  ASSERT_TRUE(tree.Expand(top[2], TVE_EXPAND));
  for (int i = 0; i < 4; ++i) tree.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
  EXPECT_EQ(tree.GetScrollPos(SB_VERT), 4);
  EXPECT_EQ(tree.GetItemText(tree.GetFirstVisibleItem()), "Child 1") << "rows: Item 0-2, Child 0-4, Item 3 ...";

  int row = 0;
  for (HTREEITEM item = tree.GetFirstVisibleItem(); item && row < static_cast<int>(tree.GetVisibleCount());
       item = tree.GetNextVisibleItem(item), ++row) {
    CRect text;
    ASSERT_TRUE(tree.GetItemRect(item, &text, TRUE));
    EXPECT_EQ(tree.HitTest(Centre(text)), item) << tree.GetItemText(item);
    EXPECT_EQ(tree.HitTest(CPoint(text.right + 2, text.top + 1)), item) << "right of the label";
    EXPECT_EQ(tree.HitTest(CPoint(text.left - 5, text.top + 1)), item) << "on the icon";
  }
  EXPECT_EQ(row, 10);

  // Children sit one indent further in.
  CRect parentText, childText;
  tree.GetItemRect(top[2], &parentText, TRUE);
  tree.GetItemRect(tree.GetChildItem(top[2]), &childText, TRUE);
  EXPECT_GT(childText.left, parentText.left);
  EXPECT_LT(parentText.top, 0) << "scrolled above the view";
  EXPECT_EQ(tree.HitTest(CPoint(5, -1)), nullptr) << "above the view";
  EXPECT_EQ(tree.HitTest(CPoint(5, 160)), nullptr) << "below it";

  // Collapsing hides the children: every item below moves up five rows.
  CRect before, after;
  tree.GetItemRect(top[5], &before, TRUE);
  tree.Expand(top[2], TVE_COLLAPSE);
  tree.GetItemRect(top[5], &after, TRUE);
  EXPECT_EQ(before.top - after.top, 5 * 16);
  EXPECT_FALSE(tree.GetItemRect(tree.GetChildItem(top[2]), &after, TRUE)) << "a hidden item has no rectangle";
}

TEST_F(TreeCtrlLayoutTest, ScrollingStaysInRangeAndFollowsTheContent) {
  std::vector<HTREEITEM> top;
  for (int i = 0; i < 12; ++i) top.push_back(Add("Row " + std::to_string(i)));
  for (int i = 0; i < 8; ++i) Add("Sub", top[11]);
  EXPECT_EQ(tree.GetScrollLimit(SB_VERT), 2);
  for (int i = 0; i < 5; ++i) tree.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
  EXPECT_EQ(tree.GetScrollPos(SB_VERT), 2);
  tree.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0));
  EXPECT_EQ(tree.GetScrollPos(SB_VERT), 1);

  ASSERT_TRUE(tree.EnsureVisible(tree.GetChildItem(top[11])));
  EXPECT_EQ(tree.GetScrollLimit(SB_VERT), 10);
  CRect rect;
  tree.GetItemRect(tree.GetChildItem(top[11]), &rect, TRUE);
  EXPECT_GE(rect.top, 0);
  EXPECT_LE(rect.bottom, 160);
  tree.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
  EXPECT_EQ(tree.GetScrollPos(SB_VERT), 10);
  tree.Expand(top[11], TVE_COLLAPSE);
  EXPECT_EQ(tree.GetScrollPos(SB_VERT), 2) << "collapsing pulls the view back into range";
  ASSERT_TRUE(tree.EnsureVisible(top[0]));
  EXPECT_EQ(tree.GetScrollPos(SB_VERT), 0);
  tree.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1));
  EXPECT_EQ(tree.GetItemText(tree.GetFirstVisibleItem()), "Row 1");
  tree.SelectSetFirstVisible(top[2]);
  EXPECT_EQ(tree.GetFirstVisibleItem(), top[2]);

  // A label wider than the view scrolls sideways, within range.
  HTREEITEM wide = Add(std::string(60, 'W'));
  EXPECT_GT(tree.GetScrollLimit(SB_HORZ), 0);
  tree.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0));
  EXPECT_EQ(tree.GetScrollPos(SB_HORZ), tree.GetScrollLimit(SB_HORZ));
  tree.GetItemRect(wide, &rect, TRUE);
  EXPECT_LE(rect.right, 200);
  tree.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0));
  EXPECT_LT(tree.GetScrollPos(SB_HORZ), tree.GetScrollLimit(SB_HORZ));
}

// What a drag carries is the Explorer's drag tests' case; here what it does to
// the selection and the drop highlight.
TEST_F(TreeCtrlLayoutTest, DraggingLeavesTheSelectionAndHighlightsTheDropTarget) {
  HTREEITEM a = Add("A", TVI_ROOT, 1);
  HTREEITEM b = Add("B", TVI_ROOT, 2);
  tree.SelectItem(a);
  ASSERT_TRUE(tree.UserBeginDrag(b, false));
  EXPECT_EQ(tree.GetSelectedItem(), a) << "starting a drag does not select";

  tree.SelectDropTarget(b);
  EXPECT_EQ(tree.GetDropHilightItem(), b);
  EXPECT_TRUE(tree.GetItemState(b, TVIS_DROPHILITED));
  tree.SelectDropTarget(nullptr);
  EXPECT_FALSE(tree.GetItemState(b, TVIS_DROPHILITED));
  EXPECT_EQ(tree.GetDropHilightItem(), nullptr);
}

TEST_F(TreeCtrlLayoutTest, KeysMoveTheCaretAndExpand) {
  HTREEITEM a = Add("A");
  HTREEITEM a1 = Add("A1", a);
  Add("A1x", a1);
  HTREEITEM b = Add("B");
  tree.UserKeyDown(VK_DOWN);
  EXPECT_EQ(tree.GetSelectedItem(), a);
  ASSERT_GE(owner.events.size(), 2u);
  EXPECT_EQ(owner.events[0].code, TVN_KEYDOWN);
  EXPECT_EQ(owner.events[0].action, VK_DOWN);
  EXPECT_EQ(owner.Last(TVN_SELCHANGED)->action, TVC_BYKEYBOARD);

  tree.UserKeyDown(VK_DOWN);
  EXPECT_EQ(tree.GetSelectedItem(), b) << "A is collapsed";
  tree.UserKeyDown(VK_UP);
  tree.UserKeyDown(VK_RIGHT);
  EXPECT_TRUE(tree.GetItemState(a, TVIS_EXPANDED));
  tree.UserKeyDown(VK_RIGHT);
  EXPECT_EQ(tree.GetSelectedItem(), a1);
  tree.UserKeyDown(VK_LEFT);
  EXPECT_EQ(tree.GetSelectedItem(), a);
  tree.UserKeyDown(VK_LEFT);
  EXPECT_FALSE(tree.GetItemState(a, TVIS_EXPANDED));
  tree.UserKeyDown(VK_MULTIPLY);
  EXPECT_TRUE(tree.GetItemState(a1, TVIS_EXPANDED)) << "the whole subtree opens";
  tree.UserKeyDown(VK_RETURN);
  EXPECT_EQ(owner.Count(NM_RETURN), 1);
}

}  // namespace
