// The "UOM Sets" folder and its sets: one row per set of the document, the
// current set marked with overlay 2, and "Make Current" choosing another.

#include "explorer/core/ExplorerCommands.h"
#include "explorer/nodes/simulation/QVEOUOM.h"
#include "explorer/nodes/simulation/QVEOUOMs.h"
#include "tests/explorer_simulation/SimulationTestSupport.h"

namespace simulation_test {
namespace {

using UnitSetsTest = SampleSimulationTest;

TEST_F(UnitSetsTest, FolderListsEverySetAndMarksTheCurrentOne) {
  CQVEOUOMs sets(&owner);
  EXPECT_EQ(sets.ShowContents(list), 0);
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Type"}));
  EXPECT_EQ(ListColumn(0), (Strings{"SI", "Metric", "US"}));
  EXPECT_EQ(ListColumn(1), (Strings{"UOM", "UOM", "UOM"}));
  EXPECT_EQ(RowOverlay(0), 0);
  EXPECT_EQ(RowOverlay(1), 512);  // "Metric" is in use
  EXPECT_EQ(RowOverlay(2), 0);
}

TEST_F(UnitSetsTest, MakeCurrentSelectsTheSetAndMovesTheMark) {
  CQVEOUOM us("US", &owner);
  EXPECT_EQ(MenuTexts(us), (Strings{"Make Current"}));
  int state = -1;
  EXPECT_EQ(us.GetOverlay(state), 0);
  EXPECT_EQ(state, 0);

  us.DoCommand(ID_EXPLORER_MAKE_CURRENT);
  EXPECT_EQ(Document().CurrentUOMSet(), "US");
  EXPECT_TRUE(Document().IsModified());
  EXPECT_EQ(us.GetOverlay(state), 1);
  EXPECT_EQ(state, 512);

  // A double-click does the same; the comparison ignores case.
  CQVEOUOM si("si", &owner);
  si.DoDefaultAction();
  EXPECT_EQ(Document().CurrentUOMSet(), "SI");
  EXPECT_EQ(si.GetOverlay(state), 1);
  EXPECT_EQ(us.GetOverlay(state), 0);
}

TEST_F(UnitSetsTest, ASetTheDocumentDoesNotKnowChangesNothing) {
  CQVEOUOM gone("Imperial", &owner);
  gone.DoCommand(ID_EXPLORER_MAKE_CURRENT);
  EXPECT_EQ(Document().CurrentUOMSet(), "Metric");
  EXPECT_EQ(gone.CanDoCommand(ID_EXPLORER_DELETE), 0);
  EXPECT_EQ(gone.CanDoCommand(ID_EXPLORER_MAKE_CURRENT), 1);
}

TEST_F(UnitSetsTest, WithoutADocumentTheFolderIsEmptyAndNoSetIsCurrent) {
  CRBaseApp* previous = CRBaseApp::SetApp(nullptr);
  CQVEOUOMs sets(&owner);
  sets.ShowContents(list);
  EXPECT_EQ(list.GetItemCount(), 0);
  CQVEOUOM metric("Metric", &owner);
  int state = -1;
  EXPECT_EQ(metric.GetOverlay(state), 0);
  metric.DoCommand(ID_EXPLORER_MAKE_CURRENT);
  CRBaseApp::SetApp(previous);
}

}  // namespace
}  // namespace simulation_test
