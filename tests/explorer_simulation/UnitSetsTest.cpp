// The sets of the "UOM Sets" folder: "Make Current" choosing another set and
// moving the mark, and sets or folders without a document to ask.

#include "explorer/core/ExplorerCommands.h"
#include "explorer/nodes/simulation/QVEOUOM.h"
#include "explorer/nodes/simulation/QVEOUOMs.h"
#include "tests/explorer_simulation/SimulationTestSupport.h"

namespace simulation_test {
namespace {

using UnitSetsTest = SampleSimulationTest;

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
