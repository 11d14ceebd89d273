// The entries that open the host's dialogs, and the three folders that list
// them: names and order, opening each dialog, "&Activate" on the three tools
// that can be switched with its check mark, and the overlays that show a
// tool's state.
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

  // The folders' own texts.
  std::string text;
  EXPECT_TRUE(options.GetDisplayText(EOAspectName, text));
  EXPECT_EQ(text, "Simulation Options");
  EXPECT_TRUE(options.GetDisplayText(EOAspectType, text));
  EXPECT_EQ(text, "Options");
  EXPECT_TRUE(interfacing.GetDisplayText(EOAspectType, text));
  EXPECT_EQ(text, "Interfacing");
  EXPECT_TRUE(tools.GetDisplayText(EOAspectName, text));
  EXPECT_EQ(text, "Analysis Tools");
  EXPECT_FALSE(tools.GetDisplayText(EOAspectStatus, text));
}

TEST_F(LaunchEntriesTest, OpeningAnEntryOpensItsHostDialog) {
  const Strings dialogs = {"dialog: Run Options",    "dialog: Solver Options",
                           "dialog: Homotopy",       "dialog: Snapshots",
                           "dialog: Simulation Access Extensions", "dialog: On Line Links",
                           "dialog: Estimation",     "dialog: Optimization"};
  for (int type = 0; type < 8; ++type) {
    CQVEOLaunchDialog entry(type, &owner);
    Document().Actions().Clear();
    entry.DoCommand(ID_EXPLORER_OPEN);
    entry.DoDefaultAction();  // a double-click does the same
    EXPECT_EQ(Document().Actions().Lines(), (Strings{dialogs[type], dialogs[type]})) << type;
    // Commands the entry does not offer do nothing.
    entry.DoCommand(ID_EXPLORER_DELETE);
    EXPECT_EQ(Document().Actions().Lines().size(), 2u);
  }
}

TEST_F(LaunchEntriesTest, OnlyTheSwitchableToolsOfferActivate) {
  for (int type = 0; type < 8; ++type) {
    CQVEOLaunchDialog entry(type, &owner);
    CMenu menu;
    EXPECT_EQ(entry.BuildContextMenu(menu), 1);
    const bool switchable = type == EODialogHomotopy || type == EODialogExternalInterfacing ||
                            type == EODialogOnLineLinks;
    EXPECT_EQ(MenuTexts(menu), (switchable ? Strings{"Open", "Activate"} : Strings{"Open"})) << type;
    EXPECT_EQ(entry.CanDoCommand(ID_EXPLORER_ACTIVATE), switchable ? 1 : 0) << type;
    EXPECT_EQ(entry.CanDoCommand(ID_EXPLORER_OPEN), 1);
    EXPECT_EQ(entry.CanDoCommand(ID_EXPLORER_PROPERTIES), 0);
    EXPECT_EQ(entry.CanDoCommand(ID_EXPLORER_DEFAULT_ACTION), 0);
    std::string type1;
    EXPECT_TRUE(entry.GetDisplayText(EOAspectType, type1));
    EXPECT_EQ(type1, "");
    EXPECT_NE(entry.GetImage(0, 0), -1) << type;
  }
}

TEST_F(LaunchEntriesTest, HomotopySwitchesItsActiveFlagWithCheckMarkAndOverlay) {
  CHomotopy& homotopy = Store().Homotopy();
  CQVEOLaunchDialog entry(EODialogHomotopy, &owner);
  // Available but not active: overlay 4, an unchecked enabled command.
  EXPECT_EQ(Overlay(entry), 1024);
  CCmdUI ui = ActivateState(entry);
  EXPECT_TRUE(ui.IsEnabled());
  EXPECT_EQ(ui.GetCheck(), 0);

  entry.DoCommand(ID_EXPLORER_ACTIVATE);
  EXPECT_TRUE(homotopy.active);
  EXPECT_EQ(Overlay(entry), 1792);
  EXPECT_EQ(ActivateState(entry).GetCheck(), 1);
  entry.DoCommand(ID_EXPLORER_ACTIVATE);
  EXPECT_FALSE(homotopy.active);

  // Not set up: no overlay and nothing to switch.
  homotopy.available = false;
  EXPECT_EQ(Overlay(entry), 0);
  EXPECT_FALSE(ActivateState(entry).IsEnabled());
}

TEST_F(LaunchEntriesTest, SimulationAccessExtensionsSwitchAndRefreshTheDetailsOfEveryExplorer) {
  CExternalInterface& external = Store().ExternalInterface();
  RecordingWindow frame;
  CQVEOLaunchDialog entry(EODialogExternalInterfacing, &frame);
  EXPECT_EQ(Overlay(entry), 0);
  EXPECT_EQ(ActivateState(entry).GetCheck(), 0);
  EXPECT_TRUE(ActivateState(entry).IsEnabled());

  entry.DoCommand(ID_EXPLORER_ACTIVATE);
  EXPECT_TRUE(external.enabled);
  EXPECT_EQ(Overlay(entry), 1792);
  EXPECT_EQ(ActivateState(entry).GetCheck(), 1);
  // The frame hears of it once the queue is pumped (the message is posted).
  EXPECT_EQ(frame.Count(EXPLORER_DETAILS_CHANGED), 0);
  MessageQueue::Pump();
  ASSERT_EQ(frame.Count(EXPLORER_DETAILS_CHANGED), 1);
  EXPECT_EQ(frame.received.back().wParam, 0u);
  EXPECT_EQ(frame.received.back().lParam, 0);

  // Extensions that cannot be used: the command is disabled.
  external.status = E_FAIL;
  EXPECT_FALSE(ActivateState(entry).IsEnabled());
}

TEST_F(LaunchEntriesTest, OnLineLinksSwitchBetweenOnAndOffWhileConfigured) {
  COnLineLinks& links = Store().OnLineLinks();
  CQVEOLaunchDialog entry(EODialogOnLineLinks, &owner);
  EXPECT_EQ(Overlay(entry), 1024);  // configured, not active
  entry.DoCommand(ID_EXPLORER_ACTIVATE);
  EXPECT_TRUE(links.active);
  EXPECT_EQ(Overlay(entry), 1792);
  EXPECT_EQ(ActivateState(entry).GetCheck(), 1);
  entry.DoCommand(ID_EXPLORER_ACTIVATE);
  EXPECT_FALSE(links.active);
  EXPECT_EQ(ActivateState(entry).GetCheck(), 0);

  links.inputsConfigured = false;
  EXPECT_EQ(Overlay(entry), 0);
  EXPECT_FALSE(ActivateState(entry).IsEnabled());
  links.outputsConfigured = true;
  EXPECT_TRUE(ActivateState(entry).IsEnabled());
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

TEST_F(LaunchEntriesTest, AnEntryOfAnUnknownKindShowsAndDoesNothing) {
  for (int type : {-1, 8, 1000}) {
    CQVEOLaunchDialog entry(type, &owner);
    std::string text = "unchanged";
    EXPECT_FALSE(entry.GetDisplayText(EOAspectName, text));
    EXPECT_FALSE(entry.GetDisplayText(EOAspectType, text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(entry.GetImage(0, 0), -1);
    Document().Actions().Clear();
    entry.DoCommand(ID_EXPLORER_OPEN);
    entry.DoCommand(ID_EXPLORER_ACTIVATE);
    EXPECT_TRUE(Document().Actions().Lines().empty());
    EXPECT_EQ(Overlay(entry), 0);
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
  std::unique_ptr<CExplorerObject> clone(entry.Clone());
  EXPECT_EQ(static_cast<CQVEOLaunchDialog*>(clone.get())->GetDialogType(), EODialogHomotopy);
  EXPECT_TRUE(*clone == entry);
}

}  // namespace
}  // namespace simulation_test
