// The entries that open the host's dialogs, and the three folders that list
// them: names and order, opening each dialog, "&Activate" on the three tools
// that can be switched with its check mark, and the overlays that show a
// tool's state.
#include <functional>
#include <memory>

#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/nodes/simulation/QVEOLaunchFolders.h"
#include "tests/explorer_simulation/SimulationTestSupport.h"

namespace simulation_test {
namespace {

class LaunchEntriesTest : public SampleSimulationTest {
 protected:

  Strings Rows(CQVEOTopLevelFolder& folder) {
    ClearPanes();
    folder.ShowContents(list);
    return ListColumn(0);
  }
  // The state of "&Activate" as the frame would show it for entry.
  static CCmdUI ActivateState(CQVEOLaunchDialog& entry) {
    CCmdUI ui(ID_EXPLORER_ACTIVATE);
    entry.SetCommandState(&ui);
    return ui;
  }
  static int Overlay(CQVEOLaunchDialog& entry) {
    int state = -1;
    const int answered = entry.GetOverlay(state);
    EXPECT_EQ(answered != 0, state != 0);
    return state;
  }
};

TEST_F(LaunchEntriesTest, EachFolderListsItsEntriesInOrderWithAnEmptyType) {
  CQVEOSimulationOptions options(&owner);
  EXPECT_EQ(Rows(options), (Strings{"Run Options", "Solver Options", "Homotopy", "Snapshots"}));
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Type"}));
  EXPECT_EQ(ListColumn(1), (Strings{"", "", "", ""}));
  CQVEOInterfacing interfacing(&owner);
  EXPECT_EQ(Rows(interfacing), (Strings{"On Line Links", "Simulation Access Extensions"}));
  CQVEOAnalysisTools tools(&owner);
  EXPECT_EQ(Rows(tools), (Strings{"Estimation", "Optimization"}));
  // Rows carry the sample's tool states: homotopy can be switched on, the links
  // have their inputs configured, the optimisation has a problem.
  EXPECT_EQ(RowOverlay(1), 1792);
}

TEST_F(LaunchEntriesTest, EachEntryOpensItsHostDialogAndOnlyTheSwitchableToolsOfferActivate) {
  const Strings dialogs = {"dialog: Run Options",    "dialog: Solver Options",
                           "dialog: Homotopy",       "dialog: Snapshots",
                           "dialog: Simulation Access Extensions", "dialog: On Line Links",
                           "dialog: Estimation",     "dialog: Optimization"};
  for (int type = 0; type < 8; ++type) {
    CQVEOLaunchDialog entry(type, &owner);
    const bool switchable = type == EODialogHomotopy || type == EODialogExternalInterfacing ||
                            type == EODialogOnLineLinks;
    EXPECT_EQ(MenuTexts(entry), (switchable ? Strings{"Open", "Activate"} : Strings{"Open"})) << type;
    EXPECT_NE(entry.GetImage(0, 0), -1) << type;
    Document().Actions().Clear();
    if (type == EODialogRunOptions || type == EODialogSolverOptions) {
      ui.AnswerCancel();  // the host's own dialogs
      ui.AnswerCancel();
    }
    entry.DoCommand(ID_EXPLORER_OPEN);
    entry.DoDefaultAction();  // a double-click does the same
    EXPECT_EQ(Document().Actions().Lines(), (Strings{dialogs[type], dialogs[type]})) << type;
    // Commands the entry does not offer do nothing.
    EXPECT_EQ(entry.CanDoCommand(ID_EXPLORER_PROPERTIES), 0);
    entry.DoCommand(ID_EXPLORER_DELETE);
    EXPECT_EQ(Document().Actions().Lines().size(), 2u);
  }
}

// Homotopy, the extensions and the links: "&Activate" flips the tool's flag,
// its check mark and its overlay, and is disabled while the tool cannot be used.
TEST_F(LaunchEntriesTest, TheSwitchableToolsFlipTheirFlagCheckMarkAndOverlay) {
  RecordingWindow frame;
  struct Case {
    int type;
    bool* flag;
    int idleOverlay;
    std::function<void()> makeUnusable;
  } cases[] = {
      {EODialogHomotopy, &Store().Homotopy().active, 1024, [&] { Store().Homotopy().available = false; }},
      {EODialogOnLineLinks, &Store().OnLineLinks().active, 1024,
       [&] { Store().OnLineLinks().inputsConfigured = false; }},
      {EODialogExternalInterfacing, &Store().ExternalInterface().enabled, 0,
       [&] { Store().ExternalInterface().status = E_FAIL; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    CQVEOLaunchDialog entry(c.type, &frame);
    EXPECT_EQ(Overlay(entry), c.idleOverlay);
    EXPECT_TRUE(ActivateState(entry).IsEnabled());
    EXPECT_EQ(ActivateState(entry).GetCheck(), 0);
    entry.DoCommand(ID_EXPLORER_ACTIVATE);
    EXPECT_TRUE(*c.flag);
    EXPECT_EQ(Overlay(entry), 1792);
    EXPECT_EQ(ActivateState(entry).GetCheck(), 1);
    entry.DoCommand(ID_EXPLORER_ACTIVATE);
    EXPECT_FALSE(*c.flag);
    c.makeUnusable();
    EXPECT_FALSE(ActivateState(entry).IsEnabled());
  }
  CQVEOLaunchDialog homotopy(EODialogHomotopy, &frame), links(EODialogOnLineLinks, &frame);
  EXPECT_EQ(Overlay(homotopy), 0) << "homotopy not set up shows no mark";
  Store().OnLineLinks().outputsConfigured = true;
  EXPECT_TRUE(ActivateState(links).IsEnabled()) << "either side configured will do";
  // Switching the extensions refreshes the details of every Explorer, posted.
  EXPECT_EQ(frame.Count(EXPLORER_DETAILS_CHANGED), 0);
  MessageQueue::Pump();
  EXPECT_EQ(frame.Count(EXPLORER_DETAILS_CHANGED), 2);
}

TEST_F(LaunchEntriesTest, EstimationAndOptimizationMarkADefinedProblem) {
  CEstimation& estimation = Store().Estimation();
  CQVEOLaunchDialog estimate(EODialogEstimation, &owner);
  EXPECT_EQ(Overlay(estimate), 0);
  estimation.defined = true;
  EXPECT_EQ(Overlay(estimate), 0);  // defined, but no result yet
  estimation.resultPresent = true;
  EXPECT_EQ(Overlay(estimate), 1792);

  CQVEOLaunchDialog optimize(EODialogOptimization, &owner);
  EXPECT_EQ(Overlay(optimize), 1792);
  Store().Optimisation().description.reset();
  EXPECT_EQ(Overlay(optimize), 0);

  // Entries without a state to show never carry an overlay.
  for (int type : {EODialogRunOptions, EODialogSolverOptions, EODialogSnapshots}) {
    CQVEOLaunchDialog entry(type, &owner);
    EXPECT_EQ(Overlay(entry), 0) << type;
    EXPECT_FALSE(ActivateState(entry).IsEnabled()) << type;
  }
}

TEST_F(LaunchEntriesTest, EntriesWithoutADocumentDoNothing) {
  CQVEOLaunchDialog entry(EODialogHomotopy, &owner);
  CRBaseApp* previous = CRBaseApp::SetApp(nullptr);
  entry.DoCommand(ID_EXPLORER_OPEN);
  entry.DoCommand(ID_EXPLORER_ACTIVATE);
  EXPECT_EQ(Overlay(entry), 0);
  EXPECT_FALSE(ActivateState(entry).IsEnabled());
  CRBaseApp::SetApp(previous);
  EXPECT_TRUE(Document().Actions().Lines().empty());
  EXPECT_FALSE(Store().Homotopy().active);
}

}  // namespace
}  // namespace simulation_test
