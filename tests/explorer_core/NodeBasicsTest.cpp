// What every node does without overriding: the live set, the answers of the
// base operations, sort values and the comparison of two rows.
#include <memory>

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ListSortInfo.h"
#include "explorer/resources/StringIds.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using NodeBasicsTest = ExplorerCoreTest;

TEST_F(NodeBasicsTest, NodesAreLiveFromConstructionToDestruction) {
  const std::size_t before = CExplorerObject::LiveCount();
  auto leaf = std::make_unique<TestLeaf>(nullptr, nullptr);
  CExplorerObject* raw = leaf.get();
  EXPECT_TRUE(CExplorerObject::IsLive(raw));
  std::unique_ptr<CExplorerObject> clone(leaf->Clone());
  EXPECT_EQ(CExplorerObject::LiveCount(), before + 2);
  leaf.reset();
  EXPECT_FALSE(CExplorerObject::IsLive(raw));
  EXPECT_TRUE(CExplorerObject::IsLive(clone.get()));
  EXPECT_FALSE(CExplorerObject::IsLive(nullptr));
  int onStack = 0;
  EXPECT_FALSE(CExplorerObject::IsLive(reinterpret_cast<CExplorerObject*>(&onStack)));
  clone.reset();
  EXPECT_EQ(CExplorerObject::LiveCount(), before);
}

// A row whose integer and real sort values a test sets.
class NumberedLeaf : public TestLeaf {
 public:
  NumberedLeaf(std::string name, int number, double real) : TestLeaf(nullptr, nullptr), m_number(number), m_real(real) {
    texts[EOAspectName] = std::move(name);
  }
  int GetSortVal(int, int& value) override {
    value = m_number;
    return 1;
  }
  int GetSortVal(int, double& value) override {
    value = m_real;
    return 1;
  }
  using TestLeaf::GetSortVal;

 private:
  int m_number;
  double m_real;
};

TEST_F(NodeBasicsTest, RowsCompareByTheColumnsKindWithTiesAnsweredGreater) {
  NumberedLeaf tank("tank", 3, 1.5), pump("Pump", 7, 1.5), TANK("TANK", 3, 0.5);
  LISTSORTINFO text{0, LSI_TEXT, 1};
  EXPECT_LT(CompareExplorerObjects(pump, tank, text), 0);
  EXPECT_EQ(CompareExplorerObjects(tank, TANK, text), 0);  // case does not count
  text.ascending = 0;
  EXPECT_GT(CompareExplorerObjects(pump, tank, text), 0);

  LISTSORTINFO integer{1, LSI_INTEGER, 1};
  EXPECT_EQ(CompareExplorerObjects(tank, pump, integer), -1);
  EXPECT_EQ(CompareExplorerObjects(pump, tank, integer), 1);
  EXPECT_EQ(CompareExplorerObjects(tank, TANK, integer), 1);  // a tie answers "greater" both ways
  EXPECT_EQ(CompareExplorerObjects(TANK, tank, integer), 1);
  integer.ascending = 0;
  EXPECT_EQ(CompareExplorerObjects(tank, pump, integer), 1);

  LISTSORTINFO real{1, LSI_REAL, 1};
  EXPECT_EQ(CompareExplorerObjects(TANK, tank, real), -1);
  EXPECT_EQ(CompareExplorerObjects(tank, pump, real), 1);

  // The list callback refuses anything that is not a live node.
  EXPECT_EQ(CompareExplorerItems(reinterpret_cast<LPARAM>(&tank), reinterpret_cast<LPARAM>(&pump),
                                 reinterpret_cast<LPARAM>(&integer)),
            1);
  EXPECT_EQ(CompareExplorerItems(0, reinterpret_cast<LPARAM>(&pump), reinterpret_cast<LPARAM>(&integer)), 0);
  EXPECT_EQ(CompareExplorerItems(reinterpret_cast<LPARAM>(&tank), reinterpret_cast<LPARAM>(&pump), 0), 0);
}

TEST_F(NodeBasicsTest, SortingAListWithTiesKeepsTheirOrder) {
  CWnd owner;
  ASSERT_TRUE(owner.Create("owner", "", 0, CRect(0, 0, 200, 200), nullptr, 0));
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 200, 200), &owner, 1));
  TestFolder folder(nullptr, nullptr, nullptr);
  const UINT titles[] = {IDS_NAME};
  folder.InsertColumns(list, 1, titles);
  const int numbers[] = {5, 2, 5, 1, 2};
  for (int i = 0; i < 5; ++i)
    CExplorerObject::AddListItem(list, new NumberedLeaf("r" + std::to_string(i), numbers[i], 0), nullptr, 0);
  LISTSORTINFO info{0, LSI_INTEGER, 1};
  list.SortItems(&CompareExplorerItems, reinterpret_cast<LPARAM>(&info));
  std::string order;
  for (int row = 0; row < list.GetItemCount(); ++row) order += list.GetItemText(row, 0) + " ";
  EXPECT_EQ(order, "r3 r1 r4 r0 r2 ");
  folder.ClearList(list);
}

}  // namespace
