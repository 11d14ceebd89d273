// A randomized run of insertions, expansions, deletions and sorts that checks
// the kept row counts against a plain walk (how the time grows with the number
// of items is the tree benchmark's measure).
#include <gtest/gtest.h>

#include <random>

#include "tests/platform/TreeTestOwner.h"

namespace {

using TreeCtrlScaleTest = TreeFixture;

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
    int top = tree.GetScrollPos(SB_VERT);
    for (std::size_t row = 0; row < shown.size(); ++row) {
      CRect rect;
      ASSERT_TRUE(tree.GetItemRect(shown[row], &rect, FALSE));
      ASSERT_EQ(rect.top, (static_cast<int>(row) - top) * 16);
      int siblingsBefore = 0;
      for (HTREEITEM s = tree.GetPrevSiblingItem(shown[row]); s; s = tree.GetPrevSiblingItem(s)) ++siblingsBefore;
      ASSERT_EQ(tree.GetItemRow(shown[row]), siblingsBefore);
    }
  }
}

}  // namespace
