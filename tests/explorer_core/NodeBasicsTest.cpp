// The comparison of two rows by the real sort values of their nodes, and the
// list callback's refusal of anything that is not a live node.

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ListSortInfo.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using NodeBasicsTest = ExplorerCoreTest;

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

// Text and integer columns, ties kept in order, are the contents pane's test.
TEST_F(NodeBasicsTest, RealColumnsCompareByValueAndTheCallbackRefusesWhatIsNoLiveNode) {
  NumberedLeaf tank("tank", 3, 1.5), pump("Pump", 7, 1.5), TANK("TANK", 3, 0.5);
  LISTSORTINFO integer{1, LSI_INTEGER, 1};
  LISTSORTINFO real{1, LSI_REAL, 1};
  EXPECT_EQ(CompareExplorerObjects(TANK, tank, real), -1);
  EXPECT_EQ(CompareExplorerObjects(tank, pump, real), 1);

  // The list callback refuses anything that is not a live node.
  EXPECT_EQ(CompareExplorerItems(reinterpret_cast<LPARAM>(&tank), reinterpret_cast<LPARAM>(&pump),
                                 reinterpret_cast<LPARAM>(&integer)),
            -1);
  EXPECT_EQ(CompareExplorerItems(0, reinterpret_cast<LPARAM>(&pump), reinterpret_cast<LPARAM>(&integer)), 0);
  EXPECT_EQ(CompareExplorerItems(reinterpret_cast<LPARAM>(&tank), reinterpret_cast<LPARAM>(&pump), 0), 0);
}

}  // namespace
