// The contents pane: sorting by column (kept for the next Explorer), column
// widths kept per class, double-clicks, label edits, statuses and the link
// cells of variable lists.
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "platform/Draw.h"
#include "platform/Registry.h"
#include "tests/explorer_window/ExplorerWindowTestSupport.h"

namespace window_test {
namespace {

const std::string kSettings = "Software\\Velloran\\ZNSystem\\38.0\\Explorer\\Settings";

class ContentsPaneTest : public ExplorerWindowTest {
 protected:
  // Rows Delta (3), alpha (1), Charlie (2), bravo (1): numbers in the fourth column.
  void SetUp() override {
    const std::pair<const char*, int> rows[] = {{"Delta", 3}, {"alpha", 1}, {"Charlie", 2}, {"bravo", 1}};
    for (auto [name, number] : rows) {
      CStoreType& model = Model(name, kLeafClass, false);
      Setup(model).number = number;
      RootSetup().children.push_back(&model);
    }
    StoreDetailsView();
    frame = Open();
    ASSERT_NE(frame, nullptr);
    list = frame->GetListView();
    frame->MoveWindow(0, 0, 900, 700);
  }

  void StoreDetailsView() {
    CRegKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kSettings), ERROR_SUCCESS);
    key.SetDWORDValue("ListViewType", EXPLORER_VIEW_DETAILS);
  }

  // The sort kept for the next Explorer: the column's name and whether it sorts up (99: nothing stored).
  using StoredSortAs = std::pair<std::string, DWORD>;
  StoredSortAs StoredSort() {
    CRegKey key;
    StoredSortAs stored{"<none>", 99};
    if (key.Open(HKEY_CURRENT_USER, kSettings) == ERROR_SUCCESS) {
      key.QueryStringValue("SortColumn", stored.first);
      key.QueryDWORDValue("SortColumnUp", stored.second);
    }
    return stored;
  }
  // The header's sort arrow: its column and whether it points up.
  std::pair<int, bool> SortMark() const { return {list->GetSortMarkColumn(), list->IsSortMarkAscending()}; }

  CExplorerFrame* frame = nullptr;
  CExplorerListView* list = nullptr;
};

TEST_F(ContentsPaneTest, ColumnClicksSortStablyAndTheChoiceIsKeptForTheNextExplorer) {
  // The context's default: column 0, ascending, without regard to case.
  EXPECT_EQ(Rows(frame), (std::vector<std::string>{"alpha", "bravo", "Charlie", "Delta"}));
  // The header's arrow shows the order.
  EXPECT_EQ(SortMark(), std::pair(0, true));
  ASSERT_TRUE(list->UserClickColumn(0));
  EXPECT_EQ(Rows(frame), (std::vector<std::string>{"Delta", "Charlie", "bravo", "alpha"}));
  EXPECT_EQ(SortMark(), std::pair(0, false));
  EXPECT_EQ(StoredSort(), StoredSortAs("Name", 0));

  // Integers: equal values keep the order they had, in both directions.
  ASSERT_TRUE(list->UserClickColumn(3));
  EXPECT_EQ(Rows(frame), (std::vector<std::string>{"bravo", "alpha", "Charlie", "Delta"}));
  EXPECT_EQ(StoredSort(), StoredSortAs("Equations", 1));
  ASSERT_TRUE(list->UserClickColumn(3));
  EXPECT_EQ(Rows(frame), (std::vector<std::string>{"Delta", "Charlie", "bravo", "alpha"}));
  EXPECT_EQ(SortMark(), std::pair(3, false));

  // A column the context cannot sort on changes nothing and keeps nothing.
  ASSERT_TRUE(list->UserClickColumn(2));
  EXPECT_EQ(Rows(frame), (std::vector<std::string>{"Delta", "Charlie", "bravo", "alpha"}));
  EXPECT_EQ(list->GetSortMarkColumn(), 3) << "the rows are still in that order";
  EXPECT_EQ(StoredSort(), StoredSortAs("Equations", 0));

  // A new Explorer sorts its first contents by the stored column and direction.
  CExplorerFrame* next = Open();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(Rows(next), (std::vector<std::string>{"Delta", "Charlie", "alpha", "bravo"}));
  EXPECT_EQ(next->GetListView()->GetSortColumn(), 3);
}

TEST_F(ContentsPaneTest, OnBoundSortsDescendingFirst) {
  const int column = list->InsertColumn(list->GetColumnCount(), "On Bound");
  ASSERT_TRUE(list->UserClickColumn(column));
  EXPECT_EQ(list->IsSortAscending(), 0);
  EXPECT_EQ(list->GetSortColumnName(), "On Bound");
  ASSERT_TRUE(list->UserClickColumn(1));
  EXPECT_EQ(list->IsSortAscending(), 1);
}

TEST_F(ContentsPaneTest, ColumnWidthsChangedByTheUserAreKeptPerClassOfTheContextShown) {
  list->SetColumnWidth(0, 175);
  // Showing another context keeps the widths of the Simulation's class.
  CStoreType& other = Model("Other", kOtherFolderClass);
  RootSetup().children.push_back(&other);
  frame->OnViewRefresh();
  ASSERT_TRUE(frame->GetTreeView()->UserClick(Item(frame, {"Simulation", "Other"})));
  EXPECT_EQ(list->GetColumnWidth(0), 100);
  ASSERT_TRUE(frame->GetTreeView()->UserClick(Item(frame, {"Simulation"})));
  EXPECT_EQ(list->GetColumnWidth(0), 175);
}

TEST_F(ContentsPaneTest, DoubleClickOpensAContainerInTheTreeAndRunsALeafsDefaultAction) {
  CStoreType& folder = Model("Folder");
  RootSetup().children.push_back(&folder);
  frame->OnViewRefresh();
  const int folderRow = list->FindRowByLabel("Folder");
  ASSERT_GE(folderRow, 0);
  ASSERT_TRUE(list->UserDoubleClick(folderRow));
  EXPECT_EQ(frame->GetTreeView()->GetItemText(frame->GetTreeView()->GetSelectedItem()), "Simulation");
  Pump();  // the request to open it is posted
  EXPECT_EQ(frame->GetTreeView()->GetItemText(frame->GetTreeView()->GetSelectedItem()), "Folder");

  ASSERT_TRUE(frame->GetTreeView()->UserClick(Item(frame, {"Simulation"})));
  ASSERT_TRUE(list->UserDoubleClick(list->FindRowByLabel("Charlie")));
  using Done = std::vector<std::pair<std::string, UINT>>;
  EXPECT_EQ(Fixtures::Log().commands, (Done{{"Charlie", ID_EXPLORER_DEFAULT_ACTION}}));
  // Enter does the same for the selected row.
  list->UserKeyDown(VK_RETURN);
  EXPECT_EQ(Fixtures::Log().commands.size(), 2u);
}

TEST_F(ContentsPaneTest, AnOpenRequestForARowRefreshedAwayBeforeItArrivesDoesNothing) {
  CStoreType& folder = Model("Folder");
  RootSetup().children.push_back(&folder);
  frame->OnViewRefresh();
  ASSERT_TRUE(list->UserDoubleClick(list->FindRowByLabel("Folder")));
  frame->OnViewRefresh();  // the row's node is gone before the request is handled
  Pump();
  EXPECT_EQ(frame->GetTreeView()->GetItemText(frame->GetTreeView()->GetSelectedItem()), "Simulation");
}

TEST_F(ContentsPaneTest, LabelEditsAskTheNodeAndDeleteStaysInTheEdit) {
  Setup(*Simulation().Find("Delta")).commands = {ID_EXPLORER_DELETE};
  Setup(*Simulation().Find("alpha")).editable = 0;
  EXPECT_EQ(list->UserBeginLabelEdit(list->FindRowByLabel("alpha")), nullptr);

  ILabelEdit* edit = list->UserBeginLabelEdit(list->FindRowByLabel("Delta"));
  ASSERT_NE(edit, nullptr);
  list->UserKeyDown(VK_DELETE);
  EXPECT_TRUE(list->IsEditingLabel());
  EXPECT_TRUE(Fixtures::Log().commands.empty());
  edit->SetText("Echo");
  list->UserKeyDown(VK_RETURN);
  EXPECT_FALSE(list->IsEditingLabel());
  EXPECT_NE(Simulation().Find("Echo"), nullptr);
  // The node posted its rename: every pane shows the new name.
  Pump();
  EXPECT_GE(list->FindRowByLabel("Echo"), 0);
}

TEST_F(ContentsPaneTest, StatusUpdatesMarkRowsAndRewriteTheStatusColumn) {
  Setup(*Simulation().Find("bravo")).status = EO_STATUS_NOT_OK;
  frame->SendMessage(EXPLORER_DETAILS_CHANGED, 0, 0);
  const int bravo = list->FindRowByLabel("bravo");
  EXPECT_EQ(list->GetItemState(bravo, LVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));
  EXPECT_EQ(list->GetItemText(bravo, 2), "Not OK");
  EXPECT_EQ(list->GetItemText(list->FindRowByLabel("alpha"), 2), "OK");
}

TEST_F(ContentsPaneTest, CalculatingGroupsOfVariablesAreDrawnAsLinksAndClickingOneFindsTheGroup) {
  CStoreType& variables = Model("Variables");
  RootSetup().children = {&variables};
  const std::pair<const char*, const char*> rows[] = {{"T", "Group 3"}, {"P", "Torn in group 4"}, {"F", "Fixed"}};
  for (auto [name, calculated] : rows) {
    CStoreType& variable = Model(name, CLSID_QVEOVariable, false);
    Setup(variable).calculated = calculated;
    Setup(variable).commands = {ID_EXPLORER_FIND_GROUP};
    Setup(variables).children.push_back(&variable);
  }
  frame->OnViewRefresh();
  ASSERT_TRUE(frame->GetTreeView()->UserClick(Item(frame, {"Simulation", "Variables"})));
  // A fifth column "Calculated" shows the groups.
  list->InsertColumn(4, "Calculated", LVCFMT_LEFT, 80);
  for (int row = 0; row < list->GetItemCount(); ++row) {
    std::string calculated;
    list->GetRowObject(row)->GetDisplayText(EOAspectCurrentUnits, calculated);
    list->SetItemText(row, 4, calculated);
  }
  const int t = list->FindRowByLabel("T");
  const int f = list->FindRowByLabel("F");
  ListCellAttributes link = list->CellAttributes(t, 4);
  EXPECT_TRUE(link.underline);
  EXPECT_EQ(link.textColour, RGB(0, 0, 255));
  EXPECT_TRUE(list->CellAttributes(list->FindRowByLabel("P"), 4).underline);
  EXPECT_FALSE(list->CellAttributes(f, 4).underline);
  EXPECT_FALSE(list->CellAttributes(t, 0).underline);

  ASSERT_TRUE(list->UserClick(t, 4));
  using Done = std::vector<std::pair<std::string, UINT>>;
  EXPECT_EQ(Fixtures::Log().commands, (Done{{"T", ID_EXPLORER_FIND_GROUP}}));
  ASSERT_TRUE(list->UserClick(f, 4));
  ASSERT_TRUE(list->UserClick(t, 1));
  EXPECT_EQ(Fixtures::Log().commands.size(), 1u);
}

}  // namespace
}  // namespace window_test
