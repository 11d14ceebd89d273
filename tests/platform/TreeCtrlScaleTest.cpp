// Many children under one parent go in, get counted, sorted, expanded and
// felled one by one with their rows right throughout (how the time grows with
// their number is the tree benchmark's measure). And a randomized run that
// checks the kept row counts against a plain walk.
#include <gtest/gtest.h>

#include <random>

#include "tests/platform/TreeTestOwner.h"

namespace {

using TreeCtrlScaleTest = TreeFixture;

constexpr int kChildren = 5000;

TEST_F(TreeCtrlScaleTest, ManyChildrenInsertSortExpandAndFellWithTheirRowsRight) {
  HTREEITEM parent = Add("Palette");
  std::vector<HTREEITEM> children;
  children.reserve(kChildren);
  for (int i = 0; i < kChildren; ++i) {
    // Texts in descending order, so sorting has all the work to do.
    children.push_back(Add("Model " + std::to_string(kChildren - i + 100000), parent, i));
    ASSERT_EQ(tree.GetItemRow(children.back()), i);  // a model asks for each new row
  }
  ASSERT_EQ(tree.GetChildCount(parent), kChildren);
  for (int row = 0; row < kChildren; row += 97) ASSERT_EQ(tree.GetChildItemAt(parent, row), children[row]);

  ASSERT_TRUE(tree.Expand(parent, TVE_EXPAND));
  EXPECT_EQ(tree.GetScrollLimit(SB_VERT), kChildren + 1 - 10);
  ASSERT_TRUE(tree.SortChildren(parent));
  EXPECT_EQ(tree.GetChildItem(parent), children.back());
  EXPECT_EQ(tree.GetItemRow(children.front()), kChildren - 1);
  TVSORTCB byData{parent, [](LPARAM a, LPARAM b, LPARAM) { return a < b ? -1 : 1; }, 0};
  ASSERT_TRUE(tree.SortChildrenCB(&byData));
  EXPECT_EQ(tree.GetChildItem(parent), children.front());

  ASSERT_TRUE(tree.SelectItem(children[kChildren / 2]));
  CRect rect;
  ASSERT_TRUE(tree.GetItemRect(children[kChildren / 2], &rect, TRUE));
  EXPECT_EQ(tree.HitTest(CPoint(rect.left + 3, rect.top + 3)), children[kChildren / 2]);

  // Fell them as the pane does: repeatedly the first child, checking the model's view of rows.
  owner.events.clear();
  int felled = 0;
  while (HTREEITEM first = tree.GetChildItem(parent)) {
    ASSERT_EQ(tree.GetItemRow(first), 0);
    ASSERT_TRUE(tree.DeleteItem(first));
    ++felled;
  }
  EXPECT_EQ(felled, kChildren);
  EXPECT_EQ(owner.Count(TVN_DELETEITEM), kChildren);
  EXPECT_EQ(tree.GetCount(), 1u);
  EXPECT_EQ(tree.GetSelectedItem(), parent) << "the caret fell back to the parent";
}

// Every shown item, in order, by walking children of expanded items.
void WalkShown(CTreeCtrl& tree, HTREEITEM parent, std::vector<HTREEITEM>& out) {
  for (HTREEITEM c = tree.GetChildItem(parent); c; c = tree.GetNextSiblingItem(c)) {
    out.push_back(c);
    if (tree.GetItemState(c, TVIS_EXPANDED)) WalkShown(tree, c, out);
  }
}

TEST_F(TreeCtrlScaleTest, KeptRowCountsMatchAPlainWalkThroughRandomChanges) {
  std::mt19937 random(20240611);
  std::vector<HTREEITEM> items;
  auto pick = [&]() -> HTREEITEM {
    if (items.empty()) return TVI_ROOT;
    return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)];
  };
  for (int step = 0; step < 3000; ++step) {
    int op = std::uniform_int_distribution<int>(0, 9)(random);
    HTREEITEM target = pick();
    if (op < 5 || items.size() < 5) {
      HTREEITEM after = op == 0 ? TVI_FIRST : TVI_LAST;
      HTREEITEM parent = op == 4 ? TVI_ROOT : target;
      if (HTREEITEM added = tree.InsertItem("i" + std::to_string(step), parent, after)) items.push_back(added);
    } else if (op < 8) {
      tree.Expand(target, TVE_TOGGLE);
    } else if (op == 8) {
      tree.DeleteItem(target);
      std::erase_if(items, [&](HTREEITEM h) { return !tree.IsValidItem(h); });
    } else {
      tree.SortChildren(target);
    }

    std::vector<HTREEITEM> shown;
    WalkShown(tree, TVI_ROOT, shown);
    ASSERT_EQ(tree.GetScrollLimit(SB_VERT), std::max(static_cast<int>(shown.size()) - 10, 0)) << "step " << step;
    if (step % 50 != 0) continue;
    std::vector<HTREEITEM> viaNext;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextVisibleItem(h)) viaNext.push_back(h);
    ASSERT_EQ(viaNext, shown);
    int top = tree.GetScrollPos(SB_VERT);
    for (std::size_t row = 0; row < shown.size(); ++row) {
      CRect rect;
      ASSERT_TRUE(tree.GetItemRect(shown[row], &rect, FALSE));
      ASSERT_EQ(rect.top, (static_cast<int>(row) - top) * 16);
      int siblingsBefore = 0;
      for (HTREEITEM s = tree.GetPrevSiblingItem(shown[row]); s; s = tree.GetPrevSiblingItem(s)) ++siblingsBefore;
      ASSERT_EQ(tree.GetItemRow(shown[row]), siblingsBefore);
    }
    if (!shown.empty()) {
      EXPECT_EQ(tree.GetPrevVisibleItem(shown.back()), shown.size() > 1 ? shown[shown.size() - 2] : nullptr);
    }
  }
}

}  // namespace
