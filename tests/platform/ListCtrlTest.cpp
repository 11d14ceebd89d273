#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/ListTestOwner.h"

namespace {

using ListCtrlTest = ListFixture;

// ---------------------------------------------------------------- columns

TEST_F(ListCtrlTest, ColumnsReadBackTheirHeadingFormatAndWidth) {
  ASSERT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 100), 0);
  ASSERT_EQ(list.InsertColumn(1, "Degrees of freedom in this block", LVCFMT_RIGHT, 60), 1);

  char text[256];
  LVCOLUMN column;
  column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
  column.pszText = text;
  column.cchTextMax = sizeof text;
  ASSERT_TRUE(list.GetColumn(1, &column));
  EXPECT_STREQ(text, "Degrees of freedom in this block");
  EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
  EXPECT_EQ(column.cx, 60);
  EXPECT_FALSE(list.GetColumn(2, &column));
  EXPECT_FALSE(list.GetColumn(-1, &column));
  EXPECT_FALSE(list.GetColumn(0, nullptr));
}

TEST_F(ListCtrlTest, ColumnsCarryTheirTextsWhenInsertedOrDeleted) {
  Fill(2, 3);
  ASSERT_EQ(list.InsertColumn(1, "New", LVCFMT_LEFT, 40), 1);
  EXPECT_EQ(list.GetItemText(0, 0), "r0");
  EXPECT_EQ(list.GetItemText(0, 1), "");
  EXPECT_EQ(list.GetItemText(0, 2), "r0c1");
  EXPECT_EQ(list.GetItemText(0, 3), "r0c2");
  ASSERT_TRUE(list.DeleteColumn(2));
  EXPECT_EQ(list.GetItemText(1, 2), "r1c2");
  EXPECT_EQ(list.GetColumnWidth(1), 40);
  EXPECT_FALSE(list.DeleteColumn(3));
  // Column 0 always shows the labels; deleting it takes the next column's texts.
  ASSERT_TRUE(list.DeleteColumn(0));
  EXPECT_EQ(list.GetItemText(1, 0), "r1");
  EXPECT_EQ(list.GetItemText(1, 1), "r1c2");
  while (list.GetColumnCount() > 0) ASSERT_TRUE(list.DeleteColumn(0));
  EXPECT_EQ(list.GetItemText(1, 0), "r1");
  EXPECT_FALSE(list.SetItemText(1, 1, "no column")) << "a sub-item needs its column";
}

// ---------------------------------------------------------------- arranging and sorting

TEST_F(ListCtrlTest, ArrangingMovesWholeRowsAndRefusesAnythingButAPermutation) {
  Fill(4, 2);
  list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  const std::string secondLabel = list.GetItemText(1, 0), secondCell = list.GetItemText(1, 1);
  ASSERT_TRUE(list.ArrangeItems({3, 1, 0, 2}));
  EXPECT_EQ(list.GetItemData(0), 1003);
  EXPECT_EQ(list.GetItemData(2), 1000);
  EXPECT_EQ(list.GetItemText(1, 0), secondLabel);
  EXPECT_EQ(list.GetItemText(1, 1), secondCell);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 1);
  // A repeated row, a row out of range or a short order moves nothing.
  for (const std::vector<std::uint32_t>& bad :
       {std::vector<std::uint32_t>{0, 0, 1, 2}, {0, 1, 2, 4}, {0, 1, 2}}) {
    EXPECT_FALSE(list.ArrangeItems(bad));
    EXPECT_EQ(list.GetItemData(0), 1003);
    EXPECT_EQ(list.GetItemData(3), 1002);
  }
}

TEST_F(ListCtrlTest, AComparisonThatDeletesRowsMakesTheSortGiveUp) {
  Fill(50, 1);
  struct Deleter {
    static int Compare(LPARAM a, LPARAM b, LPARAM data) {
      auto* target = reinterpret_cast<CListCtrl*>(data);
      if (target->GetItemCount() == 50) target->DeleteItem(0);
      return a < b ? 1 : -1;
    }
  };
  EXPECT_FALSE(list.SortItems(Deleter::Compare, reinterpret_cast<LPARAM>(&list)));
  ASSERT_EQ(list.GetItemCount(), 49);
  for (int i = 0; i < 49; ++i) EXPECT_EQ(list.GetItemData(i), 1001 + i) << "rows stay as the deletion left them";
}

// ---------------------------------------------------------------- state

TEST_F(ListCtrlTest, StateChangesReportOldAndNewStateAndCanBeRefused) {
  Fill(3, 1);
  ASSERT_TRUE(list.SetItemState(1, INDEXTOOVERLAYMASK(1), LVIS_OVERLAYMASK));
  auto changed = owner.Of(LVN_ITEMCHANGED);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(changed[0].item, 1);
  EXPECT_EQ(changed[0].oldState, 0u);
  EXPECT_EQ(changed[0].newState, INDEXTOOVERLAYMASK(1));
  EXPECT_EQ(changed[0].lParam, 1001);

  owner.events.clear();
  owner.answers[LVN_ITEMCHANGING] = 1;
  EXPECT_FALSE(list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), 0u);
  EXPECT_EQ(owner.Count(LVN_ITEMCHANGED), 0);
  EXPECT_EQ(list.GetSelectedCount(), 0u);

  // Setting the same state again says nothing.
  owner.answers.clear();
  owner.events.clear();
  EXPECT_TRUE(list.SetItemState(1, INDEXTOOVERLAYMASK(1), LVIS_OVERLAYMASK));
  EXPECT_TRUE(owner.events.empty());
}

TEST_F(ListCtrlTest, OneRowHasTheFocusAndSingleSelectionKeepsOneSelected) {
  list.ModifyStyle(0, LVS_SINGLESEL);
  Fill(4, 1);
  list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  owner.events.clear();
  list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(list.GetSelectedCount(), 1u);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
  EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
  EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), 0u);
  auto changed = owner.Of(LVN_ITEMCHANGED);
  ASSERT_GE(changed.size(), 2u);
  EXPECT_EQ(changed.front().item, 0) << "the old row lets go first";
  EXPECT_EQ(changed.back().item, 2);
  EXPECT_EQ(changed.back().newState, LVIS_SELECTED | LVIS_FOCUSED);
}

// ---------------------------------------------------------------- images

TEST_F(ListCtrlTest, CallbackImagesAreAskedOfTheOwnerWhenDrawn) {
  list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, 0, "Reactor", 0, 0, I_IMAGECALLBACK, 55);
  EXPECT_EQ(list.GetDisplayImage(0), I_IMAGENONE) << "an owner that does not answer shows no image";

  owner.handler = [](NMHDR* header) -> LRESULT {
    if (header->code == LVN_GETDISPINFO) {
      auto* info = reinterpret_cast<NMLVDISPINFO*>(header);
      if (info->item.mask & LVIF_IMAGE) info->item.iImage = static_cast<int>(info->item.lParam) + 1;
    }
    return 0;
  };
  owner.events.clear();
  EXPECT_EQ(list.GetDisplayImage(0), 56);
  EXPECT_EQ(list.GetDisplayImage(0), 56);
  EXPECT_EQ(owner.Count(LVN_GETDISPINFO), 2) << "asked each time it is drawn";
}

// ---------------------------------------------------------------- deletion

TEST_F(ListCtrlTest, DeletingRowsTellsTheOwnerSoItCanFreeItemData) {
  list.InsertColumn(0, "Name");
  int live = 0;
  for (int i = 0; i < 6; ++i) {
    ++live;
    list.InsertItem(LVIF_TEXT | LVIF_PARAM, i, "row", 0, 0, 0, reinterpret_cast<LPARAM>(new int(i)));
  }
  owner.handler = [&](NMHDR* header) -> LRESULT {
    if (header->code == LVN_DELETEITEM) {
      delete reinterpret_cast<int*>(reinterpret_cast<NMLISTVIEW*>(header)->lParam);
      --live;
    }
    return 0;
  };
  ASSERT_TRUE(list.DeleteItem(2));
  EXPECT_EQ(live, 5);
  EXPECT_EQ(*reinterpret_cast<int*>(list.GetItemData(2)), 3);
  owner.events.clear();

  ASSERT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(live, 0);
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(owner.IndexOf(LVN_DELETEALLITEMS), 0) << "announced before the rows go";

  // An owner that answers LVN_DELETEALLITEMS frees everything itself and hears no more.
  for (int i = 0; i < 3; ++i) list.InsertItem(i, "quiet");
  owner.handler = nullptr;
  owner.answers[LVN_DELETEALLITEMS] = 1;
  owner.events.clear();
  ASSERT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(owner.Count(LVN_DELETEITEM), 0);

  // Destroying the control deletes its rows with notifications.
  owner.answers.clear();
  for (int i = 0; i < 3; ++i) list.InsertItem(i, "last");
  owner.events.clear();
  list.DestroyWindow();
  EXPECT_EQ(owner.Count(LVN_DELETEITEM), 3);
}

// ---------------------------------------------------------------- stale indexes and meddling owners

TEST_F(ListCtrlTest, StaleRowIndexesFailWithoutTouchingOtherRows) {
  Fill(3, 2);
  for (int bad : {-5, -1, 3, 1000}) {
    EXPECT_EQ(list.GetItemText(bad, 0), "");
    EXPECT_FALSE(list.SetItemText(bad, 0, "x"));
    EXPECT_EQ(list.GetItemData(bad), 0);
    EXPECT_FALSE(list.SetItemData(bad, 1));
    EXPECT_EQ(list.GetItemState(bad, 0xFFFF), 0u);
    if (bad != -1) {
      EXPECT_FALSE(list.SetItemState(bad, LVIS_SELECTED, LVIS_SELECTED));
    }
    EXPECT_FALSE(list.DeleteItem(bad));
    CRect rect;
    EXPECT_FALSE(list.GetItemRect(bad, &rect, LVIR_BOUNDS));
    EXPECT_FALSE(list.EnsureVisible(bad, FALSE));
    EXPECT_EQ(list.EditLabel(bad), nullptr);
    EXPECT_FALSE(list.UserClick(bad));
    EXPECT_FALSE(list.UserDoubleClick(bad));
    EXPECT_FALSE(list.UserBeginDrag(bad, false));
    EXPECT_EQ(list.GetDisplayImage(bad), I_IMAGENONE);
  }
  EXPECT_FALSE(list.SetItemText(0, 2, "past the columns"));
  EXPECT_FALSE(list.SetItemText(0, -1, "before them"));
  EXPECT_EQ(list.InsertItem(-1, "nowhere"), -1);
  EXPECT_EQ(list.InsertItem(99, "appended"), 3) << "an index past the end appends";
  EXPECT_FALSE(list.RedrawItems(5, 9));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.GetItemText(i, 1), "r" + std::to_string(i) + "c1");
  EXPECT_EQ(list.GetSelectedCount(), 0u);
}

TEST_F(ListCtrlTest, OwnersThatDeleteRowsWhileToldDoNoHarm) {
  Fill(5, 1);
  // The owner deletes the row it is told is changing.
  owner.handler = [&](NMHDR* header) -> LRESULT {
    if (header->code == LVN_ITEMCHANGING) list.DeleteItem(reinterpret_cast<NMLISTVIEW*>(header)->iItem);
    return 0;
  };
  EXPECT_FALSE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_EQ(list.GetItemCount(), 4);
  EXPECT_EQ(list.GetSelectedCount(), 0u);

  // The owner deletes the row it is told is going: it goes once, told once.
  owner.events.clear();
  owner.handler = [&](NMHDR* header) -> LRESULT {
    if (header->code == LVN_DELETEITEM) list.DeleteItem(reinterpret_cast<NMLISTVIEW*>(header)->iItem);
    return 0;
  };
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(owner.Count(LVN_DELETEITEM), 1);
  EXPECT_EQ(list.GetItemCount(), 3);
  EXPECT_EQ(list.GetItemData(0), 1002);

  // The owner empties the list while an insertion is announced.
  owner.handler = [&](NMHDR* header) -> LRESULT {
    if (header->code == LVN_INSERTITEM) list.DeleteAllItems();
    return 0;
  };
  EXPECT_EQ(list.InsertItem(LVIF_TEXT | LVIF_STATE, 1, "gone", LVIS_SELECTED, LVIS_SELECTED, 0, 0), -1);
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(list.GetSelectedCount(), 0u);
}

TEST_F(ListCtrlTest, AHandlerThatDestroysTheControlStopsItSafely) {
  auto* doomed = new CListCtrl;
  ASSERT_TRUE(doomed->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 100), &owner, 7));
  doomed->InsertColumn(0, "Name", LVCFMT_LEFT, 100);
  for (int i = 0; i < 3; ++i) doomed->InsertItem(i, "row");
  owner.handler = [&](NMHDR* header) -> LRESULT {
    if (header->code == LVN_ITEMCHANGING && doomed) {
      delete doomed;
      doomed = nullptr;
    }
    return 0;
  };
  CListCtrl* target = doomed;
  EXPECT_FALSE(target->UserClick(1));
  EXPECT_EQ(doomed, nullptr);
}

// ---------------------------------------------------------------- observers

class RecordingObserver : public ListCtrlObserver {
 public:
  std::vector<std::string> calls;
  CListCtrl* leaveFrom = nullptr;
  void ListRowsReset(CListCtrl&) override { calls.push_back("reset"); }
  void ListRowsInserted(CListCtrl&, int first, int count) override {
    calls.push_back("inserted " + std::to_string(first) + "+" + std::to_string(count));
  }
  void ListRowsRemoved(CListCtrl&, int first, int count) override {
    calls.push_back("removed " + std::to_string(first) + "+" + std::to_string(count));
  }
  void ListRowsChanged(CListCtrl&, int first, int last) override {
    calls.push_back("changed " + std::to_string(first) + ".." + std::to_string(last));
    if (leaveFrom) leaveFrom->RemoveObserver(this);
  }
  void ListColumnsChanged(CListCtrl&) override { calls.push_back("columns"); }
  void ListViewStyleChanged(CListCtrl&) override { calls.push_back("view"); }
};

TEST_F(ListCtrlTest, ObserversHearChangesAndBatchesWhileRedrawIsOff) {
  RecordingObserver observer;
  list.AddObserver(&observer);
  list.InsertColumn(0, "Name");
  list.InsertItem(0, "a");
  list.SetItemText(0, 0, "b");
  list.DeleteItem(0);
  list.ModifyStyle(LVS_TYPEMASK, LVS_LIST);
  list.ModifyStyle(0, LVS_EDITLABELS);  // not a new layout
  EXPECT_EQ(observer.calls,
            (std::vector<std::string>{"columns", "inserted 0+1", "changed 0..0", "removed 0+1", "view"}));

  observer.calls.clear();
  list.SetRedraw(FALSE);
  for (int i = 0; i < 100; ++i) list.InsertItem(i, "row");
  list.SortItems([](LPARAM, LPARAM, LPARAM) { return 1; }, 0);
  EXPECT_TRUE(observer.calls.empty());
  list.SetRedraw(TRUE);
  EXPECT_EQ(observer.calls, std::vector<std::string>{"reset"});

  // An observer may leave while it is being told.
  RecordingObserver second;
  observer.leaveFrom = &list;
  list.AddObserver(&second);
  observer.calls.clear();
  list.SetItemText(0, 0, "x");
  list.SetItemText(1, 0, "y");
  EXPECT_EQ(observer.calls.size(), 1u);
  EXPECT_EQ(second.calls.size(), 2u);
  list.RemoveObserver(&second);
}

}  // namespace
