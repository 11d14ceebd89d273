#include <gtest/gtest.h>

#include "platform/Draw.h"
#include "platform/ListLayout.h"
#include "tests/platform/ListTestOwner.h"

namespace {

using ListUserTest = ListFixture;

// ---------------------------------------------------------------- clicks

TEST_F(ListUserTest, AClickSelectsThenTellsOfTheClickAtTheCursor) {
  Fill(5);
  list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  owner.events.clear();
  LVHITTESTINFO atClick;
  owner.handler = [&](NMHDR* header) -> LRESULT {
    if (header->code == NM_CLICK) atClick = HitAtCursor();
    return 0;
  };
  ASSERT_TRUE(list.UserClick(3, 2));

  auto changed = owner.Of(LVN_ITEMCHANGED);
  ASSERT_FALSE(changed.empty());
  const ListEvent& selected = changed.back();
  EXPECT_EQ(selected.item, 3);
  EXPECT_EQ(selected.oldState, 0u);
  EXPECT_EQ(selected.newState, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(selected.lParam, 1003);
  bool oldRowLetGo = false;
  for (const ListEvent& e : changed)
    if (e.item == 0 && (e.oldState & LVIS_SELECTED) && !(e.newState & LVIS_SELECTED)) oldRowLetGo = true;
  EXPECT_TRUE(oldRowLetGo);

  ASSERT_EQ(owner.Count(NM_CLICK), 1);
  EXPECT_GT(owner.IndexOf(NM_CLICK), owner.IndexOf(LVN_ITEMCHANGED)) << "selection first, then the click";
  ListEvent click = owner.Of(NM_CLICK)[0];
  EXPECT_EQ(click.item, 3);
  EXPECT_EQ(click.subItem, 2);
  EXPECT_EQ(atClick.iItem, 3) << "a handler hit-testing at the cursor finds the row";
  EXPECT_EQ(atClick.iSubItem, 2);
  EXPECT_EQ(list.GetSelectedCount(), 1u);
  EXPECT_TRUE(list.HasFocus());
}

TEST_F(ListUserTest, ClickingARowOutOfViewScrollsToItFirst) {
  Fill(200);
  LVHITTESTINFO atClick;
  owner.handler = [&](NMHDR* header) -> LRESULT {
    if (header->code == NM_DBLCLK) atClick = HitAtCursor();
    return 0;
  };
  ASSERT_TRUE(list.UserDoubleClick(150));
  EXPECT_GT(list.GetTopIndex(), 0);
  EXPECT_EQ(atClick.iItem, 150);
  ASSERT_EQ(owner.Count(NM_CLICK), 1);
  ASSERT_EQ(owner.Count(NM_DBLCLK), 1);
  EXPECT_LT(owner.IndexOf(NM_CLICK), owner.IndexOf(NM_DBLCLK));
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 150);
}

TEST_F(ListUserTest, ClicksOnEmptySpaceDeselectAndCarryNoRow) {
  Fill(3);
  ASSERT_TRUE(list.UserClick(1));
  owner.events.clear();
  EXPECT_FALSE(list.UserClickEmpty(CPoint(20, 25))) << "that point is on row 0";
  EXPECT_FALSE(list.UserClickEmpty(CPoint(20, 5))) << "that point is on the header";
  ASSERT_TRUE(list.UserClickEmpty(CPoint(20, 150)));
  EXPECT_EQ(list.GetSelectedCount(), 0u);
  ASSERT_EQ(owner.Count(NM_CLICK), 1);
  EXPECT_EQ(owner.Of(NM_CLICK)[0].item, -1);

  ASSERT_TRUE(list.UserRightClick(CPoint(20, 150)));
  ASSERT_EQ(owner.Count(NM_RCLICK), 1);
  EXPECT_EQ(owner.Of(NM_RCLICK)[0].item, -1);
}

class ContextMenuList : public CListCtrl {
 public:
  int contextMenus = 0;
  CPoint at;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CONTEXTMENU) {
      ++contextMenus;
      at = CPoint(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                  static_cast<short>(HIWORD(static_cast<std::uintptr_t>(lParam))));
      return 0;
    }
    return CListCtrl::WindowProc(message, wParam, lParam);
  }
};

TEST_F(ListUserTest, ARightClickSelectsTheRowAndOffersAContextMenuUnlessHandled) {
  ContextMenuList menuList;
  ASSERT_TRUE(menuList.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 150), &owner, 9));
  menuList.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
  for (int i = 0; i < 4; ++i) menuList.InsertItem(i, "row");
  menuList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  ASSERT_TRUE(menuList.UserRightClick(2));
  EXPECT_EQ(menuList.GetSelectedCount(), 1u);
  EXPECT_EQ(menuList.GetNextItem(-1, LVNI_SELECTED), 2);
  EXPECT_EQ(owner.Of(NM_RCLICK).back().item, 2);
  EXPECT_EQ(menuList.contextMenus, 1);
  CPoint cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(menuList.at, cursor);

  owner.answers[NM_RCLICK] = 1;
  ASSERT_TRUE(menuList.UserRightClick(1));
  EXPECT_EQ(menuList.contextMenus, 1) << "a handled right-click opens no other menu";
}

TEST_F(ListUserTest, DragsNameTheRowTheyStartOn) {
  Fill(4);
  ASSERT_TRUE(list.UserBeginDrag(1, false));
  ASSERT_TRUE(list.UserBeginDrag(2, true));
  auto left = owner.Of(LVN_BEGINDRAG), right = owner.Of(LVN_BEGINRDRAG);
  ASSERT_EQ(left.size(), 1u);
  ASSERT_EQ(right.size(), 1u);
  EXPECT_EQ(left[0].item, 1);
  EXPECT_EQ(left[0].lParam, 1001);
  EXPECT_EQ(right[0].item, 2);
  EXPECT_EQ(list.HitTest(right[0].point), 2) << "the drag starts on the row";
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
}

// ---------------------------------------------------------------- keys

TEST_F(ListUserTest, KeysAreToldThenMoveTheSelection) {
  Fill(30);
  list.UserKeyDown(VK_DOWN);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0) << "the first key press selects the first row";
  list.UserKeyDown(VK_DOWN);
  list.UserKeyDown(VK_DOWN);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
  ASSERT_GE(owner.Count(LVN_KEYDOWN), 3);
  EXPECT_EQ(owner.Of(LVN_KEYDOWN)[0].key, VK_DOWN);
  list.UserKeyDown(0x23);  // End
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 29);
  EXPECT_EQ(list.GetTopIndex(), 30 - 11) << "the focused row scrolls into view";
  owner.events.clear();
  list.UserKeyDown(VK_RETURN);
  EXPECT_EQ(owner.Count(NM_RETURN), 1);

  list.ModifyStyle(LVS_TYPEMASK, LVS_ICON);  // as many cells to a line as the 300 pixels hold
  const int perLine = 300 / kLargeIconCellWidth;
  list.UserKeyDown(0x24);  // Home
  list.UserKeyDown(VK_DOWN);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), perLine);
  list.UserKeyDown(VK_RIGHT);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), perLine + 1);
  EXPECT_EQ(list.GetSelectedCount(), 1u);
}

// ---------------------------------------------------------------- label editing

class LabelEditTest : public ListFixture {
 protected:
  void SetUp() override {
    ListFixture::SetUp();
    list.ModifyStyle(0, LVS_EDITLABELS);
    Fill(3);
  }
};

// The contents pane's tests cover a refused start and a kept rename; here the
// owner's answer of 0, which keeps the old label.
TEST_F(LabelEditTest, TheScriptedPersonRenamesAndTheOwnerDecidesWhatIsKept) {
  owner.answers[LVN_ENDLABELEDIT] = 1;
  ui.AnswerLabel("Reactor");
  EXPECT_EQ(list.UserBeginLabelEdit(1), nullptr) << "the scripted person finished the edit at once";
  auto begin = owner.Of(LVN_BEGINLABELEDIT), end = owner.Of(LVN_ENDLABELEDIT);
  ASSERT_EQ(begin.size(), 1u);
  EXPECT_EQ(begin[0].text, "r1");
  EXPECT_EQ(begin[0].lParam, 1001);
  ASSERT_EQ(end.size(), 1u);
  EXPECT_EQ(end[0].text, "Reactor");
  EXPECT_EQ(list.GetItemText(1, 0), "Reactor");

  owner.answers.clear();
  ui.AnswerLabel("Mixer");
  list.EditLabel(0);
  EXPECT_EQ(list.GetItemText(0, 0), "r0") << "an answer of 0 keeps the old label";
}

TEST_F(LabelEditTest, KeysAndClicksEndTheEditAsAPersonExpects) {
  owner.answers[LVN_ENDLABELEDIT] = 1;
  ILabelEdit* edit = list.UserBeginLabelEdit(0);
  ASSERT_NE(edit, nullptr);
  edit->SetText("Typed");
  list.UserKeyDown(VK_ESCAPE);
  EXPECT_EQ(list.GetItemText(0, 0), "r0");

  edit = list.EditLabel(0);
  ASSERT_NE(edit, nullptr);
  edit->SetText("Entered");
  list.UserKeyDown(VK_RETURN);
  EXPECT_EQ(list.GetItemText(0, 0), "Entered");
  EXPECT_EQ(owner.Count(NM_RETURN), 0) << "Enter went to the editor";

  // Clicking another row commits first; the owner reads the editor while told.
  std::string editorText;
  owner.handler = [&](NMHDR* header) -> LRESULT {
    if (header->code == LVN_ENDLABELEDIT && list.GetEditControl()) editorText = list.GetEditControl()->GetWindowText();
    return header->code == LVN_ENDLABELEDIT ? 1 : 0;
  };
  edit = list.EditLabel(1);
  ASSERT_NE(edit, nullptr);
  edit->SetText("Clicked away");
  ASSERT_TRUE(list.UserClick(2));
  EXPECT_EQ(list.GetItemText(1, 0), "Clicked away");
  EXPECT_EQ(editorText, "Clicked away");
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);

  // F2 edits the focused row; deleting that row cancels the edit.
  list.UserKeyDown(VK_F2);
  ASSERT_TRUE(list.IsEditingLabel());
  EXPECT_EQ(list.GetEditItem(), 2);
  owner.events.clear();
  ASSERT_TRUE(list.DeleteItem(2));
  EXPECT_FALSE(list.IsEditingLabel());
  ASSERT_EQ(owner.Count(LVN_ENDLABELEDIT), 1);
  EXPECT_TRUE(owner.Of(LVN_ENDLABELEDIT)[0].textNull);
  EXPECT_LT(owner.IndexOf(LVN_ENDLABELEDIT), owner.IndexOf(LVN_DELETEITEM));
}

// ---------------------------------------------------------------- custom draw

constexpr COLORREF kBlue = 0x00FF0000;

// Links drawn through the contents pane's answers are that pane's tests' case;
// here an owner that answers nothing, and a row that is gone.
TEST_F(ListUserTest, CellAttributesChangeOnlyWhenTheOwnerAsksForThem) {
  Fill(3, 2);
  ListCellAttributes plain = list.CellAttributes(1, 1);
  EXPECT_EQ(plain.textColour, GetSysColor(COLOR_WINDOWTEXT)) << "an owner that answers nothing";
  EXPECT_FALSE(plain.underline);
  EXPECT_EQ(owner.Count(NM_CUSTOMDRAW), 1) << "no item stage unless asked for";

  owner.handler = [](NMHDR* header) -> LRESULT {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    draw->clrText = kBlue;
    return CDRF_NEWFONT;
  };
  EXPECT_EQ(list.CellAttributes(0, 1).textColour, kBlue);
  EXPECT_EQ(list.CellAttributes(7, 1).textColour, GetSysColor(COLOR_WINDOWTEXT)) << "a stale row draws plainly";
}

}  // namespace
