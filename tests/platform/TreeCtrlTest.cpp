// Items, notifications, selection, expansion and deletion of the tree control,
// as the tree pane relies on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "tests/platform/TreeTestOwner.h"

namespace {

using TreeCtrlTest = TreeFixture;

// The fields an item carries are the Explorer panes' tests' case (node data, status overlays)
// and the desktop tree model's (pictures).
TEST_F(TreeCtrlTest, ItemsGoWhereTheyAreInsertedAndAStraySiblingPutsThemLast) {
  HTREEITEM a = Add("Alpha");
  HTREEITEM c = Add("Gamma");
  HTREEITEM b = tree.InsertItem("Beta", TVI_ROOT, a);
  HTREEITEM first = tree.InsertItem("Zero", TVI_ROOT, TVI_FIRST);
  EXPECT_EQ(ChildTexts(TVI_ROOT), (std::vector<std::string>{"Zero", "Alpha", "Beta", "Gamma"}));
  EXPECT_EQ(tree.GetRootItem(), first);
  EXPECT_EQ(tree.GetNextSiblingItem(b), c);
  EXPECT_EQ(tree.GetCount(), 4u);

  HTREEITEM child = Add("Child", b);
  EXPECT_EQ(tree.GetParentItem(b), nullptr) << "top-level items have no parent item";
  EXPECT_FALSE(tree.ItemHasChildren(child));

  // A sibling that is not under the given parent puts the item last, losing nothing.
  tree.InsertItem("Stray", b, a);
  EXPECT_EQ(ChildTexts(b), (std::vector<std::string>{"Child", "Stray"}));
}

TEST_F(TreeCtrlTest, SortingIgnoresCaseAndKeepsTies) {
  HTREEITEM parent = Add("Folder");
  for (const char* text : {"b", "A", "c", "a", "B"}) Add(text, parent);
  EXPECT_TRUE(tree.SortChildren(parent));
  EXPECT_EQ(ChildTexts(parent), (std::vector<std::string>{"A", "a", "b", "B", "c"}));

  // Texts alike in their first 16 bytes are told apart by the rest.
  HTREEITEM models = Add("Models");
  for (const char* text : {"LongModelNamePartB", "longmodelnamepartA", "LongModelNamePart", "LongModelNamePa"})
    Add(text, models);
  EXPECT_TRUE(tree.SortChildren(models));
  EXPECT_EQ(ChildTexts(models), (std::vector<std::string>{"LongModelNamePa", "LongModelNamePart",
                                                          "longmodelnamepartA", "LongModelNamePartB"}));
}

TEST_F(TreeCtrlTest, SelectionChangingComesBeforeChangedAndAVetoKeepsTheSelection) {
  HTREEITEM a = Add("A", TVI_ROOT, 1);
  HTREEITEM b = Add("B", TVI_ROOT, 2);
  ASSERT_TRUE(tree.SelectItem(a));
  owner.events.clear();

  ASSERT_TRUE(tree.SelectItem(b));
  ASSERT_EQ(owner.Codes(), (std::vector<int>{TVN_SELCHANGING, TVN_SELCHANGED}));
  for (const TreeEvent& e : owner.events) {
    EXPECT_EQ(e.oldItem, a);
    EXPECT_EQ(e.newItem, b);
    EXPECT_EQ(e.data, 2);
    EXPECT_EQ(e.action, TVC_UNKNOWN);
  }
  EXPECT_EQ(tree.GetSelectedItem(), b);
  EXPECT_TRUE(tree.GetItemState(b, TVIS_SELECTED));
  EXPECT_FALSE(tree.GetItemState(a, TVIS_SELECTED));

  // Selecting the selected item again says nothing.
  owner.events.clear();
  EXPECT_TRUE(tree.SelectItem(b));
  EXPECT_TRUE(owner.events.empty());

  owner.handlers[TVN_SELCHANGING] = [](NMHDR*) -> LRESULT { return 1; };
  EXPECT_FALSE(tree.SelectItem(a));
  EXPECT_FALSE(tree.UserClick(a) && tree.GetSelectedItem() == a);
  EXPECT_EQ(tree.GetSelectedItem(), b);
  EXPECT_FALSE(tree.GetItemState(a, TVIS_SELECTED));
  EXPECT_EQ(owner.Count(TVN_SELCHANGED), 0);
  EXPECT_EQ(owner.Count(NM_CLICK), 1) << "the click itself is still reported";
}

TEST_F(TreeCtrlTest, SelectingAHiddenItemExpandsItsAncestors) {
  HTREEITEM top = Add("Top");
  HTREEITEM mid = Add("Mid", top);
  HTREEITEM leaf = Add("Leaf", mid);
  owner.events.clear();
  ASSERT_TRUE(tree.SelectItem(leaf));
  EXPECT_TRUE(tree.GetItemState(top, TVIS_EXPANDED));
  EXPECT_TRUE(tree.GetItemState(mid, TVIS_EXPANDED));
  EXPECT_EQ(owner.Codes(), (std::vector<int>{TVN_SELCHANGING, TVN_ITEMEXPANDING, TVN_ITEMEXPANDED, TVN_ITEMEXPANDING,
                                             TVN_ITEMEXPANDED, TVN_SELCHANGED}));
  EXPECT_EQ(VisibleTexts(), (std::vector<std::string>{"Top", "Mid", "Leaf"}));
}

TEST_F(TreeCtrlTest, ItemsWithoutChildrenDoNotExpandAndVetoesHold) {
  HTREEITEM leaf = Add("Leaf");
  EXPECT_FALSE(tree.Expand(leaf, TVE_EXPAND));
  EXPECT_FALSE(tree.UserDoubleClick(leaf) && tree.GetItemState(leaf, TVIS_EXPANDED));
  EXPECT_EQ(owner.Count(TVN_ITEMEXPANDING), 0);
  EXPECT_EQ(owner.Count(TVN_ITEMEXPANDED), 0);

  HTREEITEM folder = Add("Folder");
  Add("inside", folder);
  owner.handlers[TVN_ITEMEXPANDING] = [](NMHDR*) -> LRESULT { return 1; };
  EXPECT_FALSE(tree.Expand(folder, TVE_EXPAND));
  EXPECT_FALSE(tree.GetItemState(folder, TVIS_EXPANDED));
  EXPECT_EQ(owner.Count(TVN_ITEMEXPANDED), 0);
}

TEST_F(TreeCtrlTest, CollapsingAboveTheCaretMovesItToTheCollapsedItem) {
  HTREEITEM top = Add("Top");
  HTREEITEM child = Add("Child", top);
  ASSERT_TRUE(tree.SelectItem(child));
  owner.events.clear();
  ASSERT_TRUE(tree.Expand(top, TVE_COLLAPSE));
  EXPECT_EQ(tree.GetSelectedItem(), top);
  EXPECT_EQ(owner.Codes(), (std::vector<int>{TVN_ITEMEXPANDING, TVN_ITEMEXPANDED, TVN_SELCHANGING, TVN_SELCHANGED}));
}

TEST_F(TreeCtrlTest, DeletingAParentReportsEveryDescendantOnceChildrenFirst) {
  HTREEITEM a = Add("A", TVI_ROOT, 1);
  HTREEITEM b = Add("B", a, 2);
  Add("C", b, 3);
  Add("D", b, 4);
  Add("E", a, 5);
  HTREEITEM other = Add("Other", TVI_ROOT, 6);
  ASSERT_TRUE(tree.DeleteItem(a));
  std::vector<LPARAM> reported;
  for (const TreeEvent& e : owner.events) {
    if (e.code == TVN_DELETEITEM) reported.push_back(e.data);
  }
  EXPECT_EQ(reported, (std::vector<LPARAM>{3, 4, 2, 5, 1}));
  EXPECT_EQ(tree.GetCount(), 1u);
  EXPECT_EQ(tree.GetRootItem(), other);
  EXPECT_FALSE(tree.IsValidItem(b));
}

TEST_F(TreeCtrlTest, DeletionHandlersThatChangeTheTreeAreSafe) {
  HTREEITEM a = Add("A", TVI_ROOT, 1);
  HTREEITEM b = Add("B", a, 2);
  Add("C", b, 3);
  Add("D", a, 4);
  // While C goes, the handler deletes the whole of A itself; while B goes, it adds a child under B.
  bool added = false;
  owner.handlers[TVN_DELETEITEM] = [&](NMHDR* header) -> LRESULT {
    auto* info = reinterpret_cast<NMTREEVIEW*>(header);
    if (info->itemOld.lParam == 3) tree.DeleteItem(a);
    if (info->itemOld.lParam == 2 && !added) {
      added = true;
      tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "late", 0, 0, 0, 0, 7, info->itemOld.hItem, TVI_LAST);
    }
    return 0;
  };
  ASSERT_TRUE(tree.DeleteItem(b));
  std::multiset<LPARAM> reported;
  for (const TreeEvent& e : owner.events) {
    if (e.code == TVN_DELETEITEM) reported.insert(e.data);
  }
  EXPECT_EQ(reported, (std::multiset<LPARAM>{1, 2, 3, 4, 7})) << "each item reported exactly once";
  EXPECT_EQ(tree.GetCount(), 0u);
  EXPECT_EQ(tree.GetVisibleCount(), 10u);
}

TEST_F(TreeCtrlTest, DeletingTheSelectionSelectsANeighbourWithoutTheDeadItem) {
  HTREEITEM a = Add("A", TVI_ROOT, 1);
  HTREEITEM b = Add("B", TVI_ROOT, 2);
  HTREEITEM c = Add("C", TVI_ROOT, 3);
  ASSERT_TRUE(tree.SelectItem(b));
  owner.events.clear();
  ASSERT_TRUE(tree.DeleteItem(b));
  EXPECT_EQ(tree.GetSelectedItem(), c);
  const TreeEvent* changing = owner.Last(TVN_SELCHANGING);
  ASSERT_NE(changing, nullptr);
  EXPECT_EQ(changing->oldItem, nullptr) << "a deleted item is never handed out";
  EXPECT_EQ(owner.Codes(), (std::vector<int>{TVN_DELETEITEM, TVN_SELCHANGING, TVN_SELCHANGED}));

  ASSERT_TRUE(tree.DeleteItem(c));
  EXPECT_EQ(tree.GetSelectedItem(), a);
  owner.events.clear();
  ASSERT_TRUE(tree.DeleteAllItems());
  EXPECT_EQ(tree.GetSelectedItem(), nullptr);
  EXPECT_EQ(owner.Codes(), (std::vector<int>{TVN_DELETEITEM}));
}

TEST_F(TreeCtrlTest, StaleNullAndForeignHandlesResolveToNothing) {
  HTREEITEM gone = Add("Gone", TVI_ROOT, 5);
  ASSERT_TRUE(tree.DeleteItem(gone));
  HTREEITEM reuse = Add("Reuse", TVI_ROOT, 6);  // takes the freed slot
  ASSERT_NE(reuse, gone);
  CTreeCtrl other;
  HTREEITEM foreign = other.InsertItem("Foreign");

  for (HTREEITEM bad : {gone, foreign, static_cast<HTREEITEM>(nullptr), TVI_LAST, TVI_SORT,
                        reinterpret_cast<HTREEITEM>(std::uintptr_t{0x12345678})}) {
    EXPECT_FALSE(tree.IsValidItem(bad));
    EXPECT_EQ(tree.GetItemText(bad), "");
    EXPECT_EQ(tree.GetItemData(bad), 0);
    EXPECT_FALSE(tree.SetItemText(bad, "x"));
    EXPECT_FALSE(tree.SetItemData(bad, 1));
    EXPECT_FALSE(tree.SetItemState(bad, TVIS_BOLD, TVIS_BOLD));
    EXPECT_FALSE(tree.DeleteItem(bad));
    EXPECT_FALSE(tree.Expand(bad, TVE_EXPAND));
    if (bad) {
      EXPECT_FALSE(tree.SelectItem(bad));
    }
    EXPECT_FALSE(tree.EnsureVisible(bad));
    EXPECT_EQ(tree.GetNextSiblingItem(bad), nullptr);
    EXPECT_EQ(tree.GetParentItem(bad), nullptr);
    CRect rect;
    EXPECT_FALSE(tree.GetItemRect(bad, &rect, TRUE));
    EXPECT_EQ(tree.EditLabel(bad), nullptr);
    EXPECT_FALSE(tree.UserClick(bad));
    EXPECT_EQ(tree.GetItemRow(bad), -1);
  }
  EXPECT_EQ(tree.InsertItem("Orphan", gone), nullptr) << "a stale parent inserts nothing";
  EXPECT_EQ(tree.GetItemText(reuse), "Reuse");
  EXPECT_EQ(tree.GetCount(), 1u);
  EXPECT_EQ(tree.GetSelectedItem(), nullptr);
}

// A view that answers for its callback images, as the panes do.
class CallbackImageTree : public CTreeCtrl {
 public:
  int asked = 0;
  bool OnReflectedNotify(NMHDR* header, LRESULT* result) override {
    if (header->code != TVN_GETDISPINFO) return false;
    ++asked;
    auto* info = reinterpret_cast<NMTVDISPINFO*>(header);
    bool open = (info->item.state & (TVIS_EXPANDED | TVIS_SELECTED)) != 0;
    if (info->item.mask & TVIF_IMAGE) info->item.iImage = open ? 11 : 10;
    if (info->item.mask & TVIF_SELECTEDIMAGE) info->item.iSelectedImage = open ? 11 : 10;
    *result = 0;
    return true;
  }
};

TEST_F(TreeCtrlTest, CallbackImagesComeFromTheViewAndStoredOnesAreNotAskedFor) {
  CallbackImageTree view;
  ASSERT_TRUE(view.Create(kStyle, CRect(0, 0, 100, 100), &owner, 5));
  HTREEITEM a = view.InsertItem("A", I_IMAGECALLBACK, I_IMAGECALLBACK);
  HTREEITEM b = view.InsertItem("B", 2, 2);
  ASSERT_TRUE(view.SelectItem(a));
  int image = 0, selected = 0;
  ASSERT_TRUE(view.GetItemDisplayImages(a, image, selected));
  EXPECT_EQ(image, 11);
  EXPECT_EQ(selected, 11);
  ASSERT_TRUE(view.GetItemDisplayImages(b, image, selected));
  EXPECT_EQ(image, 2);
  EXPECT_EQ(view.asked, 1) << "stored images are not asked for";
}

TEST_F(TreeCtrlTest, DestroyingTheWindowReportsItemsButDestroyingTheObjectDoesNot) {
  HTREEITEM a = Add("A", TVI_ROOT, 1);
  Add("B", a, 2);
  ASSERT_NE(tree.EditLabel(a), nullptr);
  ASSERT_TRUE(tree.DestroyWindow());
  EXPECT_EQ(owner.Count(TVN_DELETEITEM), 2) << "owners free their item data";
  EXPECT_EQ(owner.Count(TVN_ENDLABELEDIT), 0);
  EXPECT_FALSE(tree.IsEditingLabel());
  EXPECT_EQ(tree.GetCount(), 0u);

  owner.events.clear();
  {
    auto doomed = std::make_unique<CTreeCtrl>();
    ASSERT_TRUE(doomed->Create(kStyle, CRect(0, 0, 50, 50), &owner, 8));
    HTREEITEM item = doomed->InsertItem("C");
    doomed->EditLabel(item);
  }
  EXPECT_TRUE(owner.events.size() == 1 && owner.events[0].code == TVN_BEGINLABELEDIT)
      << "a half-destroyed object reports nothing";
  EXPECT_TRUE(owner.GetChildren().empty());
}

class LeavingObserver : public TreeCtrlObserver {
 public:
  int structure = 0;
  CTreeCtrl* removeFrom = nullptr;
  void TreeStructureChanged(CTreeCtrl&) override {
    ++structure;
    if (removeFrom) removeFrom->RemoveObserver(this);
  }
};

TEST_F(TreeCtrlTest, ObserversMayLeaveWhileBeingTold) {
  LeavingObserver first, second;
  tree.AddObserver(&first);
  tree.AddObserver(&second);
  first.removeFrom = &tree;
  HTREEITEM a = Add("A");
  Add("child", a);
  EXPECT_EQ(first.structure, 1) << "removed itself during the first call";
  EXPECT_EQ(second.structure, 2);
  tree.RemoveObserver(&second);
  tree.DeleteAllItems();
  EXPECT_EQ(second.structure, 2);
}

}  // namespace
