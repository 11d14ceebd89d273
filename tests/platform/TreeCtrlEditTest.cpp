// Renaming in place: begin and end notifications, acceptance by the owner,
// keys and focus ending the edit, the edited item deleted.
#include <gtest/gtest.h>

#include "tests/platform/TreeTestOwner.h"

namespace {

using TreeCtrlEditTest = TreeFixture;

TEST_F(TreeCtrlEditTest, OwnerAcceptsRefusesOrTheEditIsCancelled) {
  HTREEITEM item = Add("Reactor", TVI_ROOT, 42);
  LRESULT accept = 1;
  owner.handlers[TVN_ENDLABELEDIT] = [&](NMHDR*) -> LRESULT { return accept; };

  ASSERT_NE(tree.EditLabel(item), nullptr) << "no answer waits, so the edit stays open";
  ASSERT_TRUE(tree.IsEditingLabel());
  EXPECT_EQ(tree.GetEditItem(), item);
  EXPECT_EQ(tree.GetLabelEdit()->Text(), "Reactor");
  EXPECT_TRUE(tree.GetEditControl()->HasFocus());
  tree.GetLabelEdit()->SetText("Mixer");
  tree.GetLabelEdit()->End(false);
  const TreeEvent* end = owner.Last(TVN_ENDLABELEDIT);
  ASSERT_NE(end, nullptr);
  EXPECT_TRUE(end->hasText);
  EXPECT_EQ(end->text, "Mixer");
  EXPECT_EQ(end->data, 42);
  EXPECT_EQ(tree.GetItemText(item), "Mixer");
  EXPECT_FALSE(tree.IsEditingLabel());
  EXPECT_EQ(tree.GetEditControl(), nullptr);
  EXPECT_TRUE(tree.HasFocus()) << "the focus returns to the tree";

  accept = 0;
  tree.EditLabel(item);
  tree.GetLabelEdit()->SetText("Refused");
  EXPECT_TRUE(tree.EndEditLabelNow(FALSE));
  EXPECT_EQ(owner.Last(TVN_ENDLABELEDIT)->text, "Refused");
  EXPECT_EQ(tree.GetItemText(item), "Mixer");

  accept = 1;
  tree.EditLabel(item);
  tree.GetLabelEdit()->SetText("Cancelled");
  tree.GetLabelEdit()->End(true);
  EXPECT_FALSE(owner.Last(TVN_ENDLABELEDIT)->hasText) << "a cancelled edit gives no text";
  EXPECT_EQ(tree.GetItemText(item), "Mixer");
  EXPECT_EQ(owner.Count(TVN_BEGINLABELEDIT), 3);
  EXPECT_FALSE(tree.EndEditLabelNow(TRUE)) << "nothing left to end";
}

// A refused start, Delete kept and Enter ending the edit in the tree pane are
// the Explorer's own tests' case.
TEST_F(TreeCtrlEditTest, EscapeCancelsAndMovingTheFocusCommits) {
  HTREEITEM item = Add("Feed2");
  owner.handlers[TVN_ENDLABELEDIT] = [](NMHDR*) -> LRESULT { return 1; };
  tree.EditLabel(item);
  tree.GetLabelEdit()->SetText("Escaped");
  tree.UserKeyDown(VK_ESCAPE);
  EXPECT_FALSE(tree.IsEditingLabel());
  EXPECT_EQ(tree.GetItemText(item), "Feed2");

  // Clicking elsewhere commits, as the owner reads the editor's text meanwhile.
  std::string readFromEditor;
  owner.handlers[TVN_ENDLABELEDIT] = [&](NMHDR*) -> LRESULT {
    if (CWnd* edit = tree.GetEditControl()) readFromEditor = edit->GetWindowText();
    return 1;
  };
  tree.EditLabel(item);
  tree.GetLabelEdit()->SetText("Product");
  owner.SetFocus();
  EXPECT_FALSE(tree.IsEditingLabel());
  EXPECT_EQ(readFromEditor, "Product");
  EXPECT_EQ(tree.GetItemText(item), "Product");
  EXPECT_TRUE(owner.HasFocus()) << "the focus stays where the person put it";

  // F2 renames the caret item.
  tree.SelectItem(item);
  tree.UserKeyDown(VK_F2);
  EXPECT_TRUE(tree.IsEditingLabel());
  tree.EndEditLabelNow(TRUE);
}

TEST_F(TreeCtrlEditTest, DeletingTheEditedItemClosesTheEditorQuietly) {
  HTREEITEM parent = Add("Parent");
  HTREEITEM item = Add("Child", parent);
  ASSERT_NE(tree.EditLabel(item), nullptr);
  EXPECT_TRUE(tree.GetItemState(parent, TVIS_EXPANDED)) << "the edited item is brought into view";
  ASSERT_TRUE(tree.DeleteItem(parent));
  EXPECT_FALSE(tree.IsEditingLabel());
  EXPECT_EQ(owner.Count(TVN_ENDLABELEDIT), 0);

  // Starting a second edit commits the first.
  HTREEITEM a = Add("A");
  HTREEITEM b = Add("B");
  owner.handlers[TVN_ENDLABELEDIT] = [](NMHDR*) -> LRESULT { return 1; };
  tree.EditLabel(a);
  tree.GetLabelEdit()->SetText("A2");
  tree.EditLabel(b);
  EXPECT_EQ(tree.GetItemText(a), "A2");
  EXPECT_EQ(tree.GetEditItem(), b);
  tree.EndEditLabelNow(TRUE);
}

}  // namespace
