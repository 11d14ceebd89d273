// The simulation root's menu and commands: the run popup, inserting a
// definition file, exploring, exporting the whole simulation.
#include <filesystem>

#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/nodes/simulation/QVEOSimulation.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/ControlIds.h"
#include "host/framework/CorvaneViewContext.h"
#include "host/model/IRModel.h"
#include "host/store/MwInstance.h"
#include "platform/PropertySheet.h"
#include "platform/SafeFile.h"
#include "tests/explorer_simulation/SimulationTestSupport.h"
#include "workbench/document/DocumentFiles.h"
#include "workbench/store/StoreInstance.h"

namespace simulation_test {
namespace {

using SimulationCommandsTest = SampleSimulationTest;

TEST_F(SimulationCommandsTest, MenuOffersExploreInsertTheRunPopupAndProperties) {
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  CMenu menu;
  root.BuildContextMenu(menu);
  EXPECT_EQ(MenuTexts(menu), (Strings{"Explore", "-", "Insert...", "-", "[Run]", "-", "Properties..."}));
  CMenu* run = menu.GetSubMenu(4);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(MenuTexts(*run), (Strings{"Run", "Step", "Pause", "Pause At...", "Restart", "Rewind...", "Reset",
                                      "Reset All", "Advanced Reset..."}));
  for (int i = 0; i < run->GetMenuItemCount(); ++i) EXPECT_EQ(root.CanDoCommand(run->GetMenuItemID(i)), 1) << i;

  // Export is not in the menu, but the frame's command may run it.
  EXPECT_EQ(root.CanDoCommand(ID_EXPLORER_EXPORT), 1);
  for (UINT refused : {ID_EXPLORER_COPY, ID_EXPLORER_DELETE, ID_EXPLORER_RENAME, ID_EXPLORER_OPEN,
                       ID_EXPLORER_DEFAULT_ACTION, ID_HOST_PACKAGE_MODEL})
    EXPECT_EQ(root.CanDoCommand(refused), 0) << refused;
}

TEST_F(SimulationCommandsTest, InsertAsksTheDocumentForAFileAndCopyOnlyBeeps) {
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  ui.AnswerCancel();
  root.DoCommand(ID_EXPLORER_INSERT);
  ASSERT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Prompts()[0].kind, "file");

  for (UINT beep : {ID_EXPLORER_COPY, ID_EXPLORER_CUT, ID_EXPLORER_PASTE}) root.DoCommand(beep);
  EXPECT_EQ(ui.Beeps(), 3);
  // The run commands and the commands the root ignores leave the document alone.
  for (UINT ignored : {ID_HOST_RUN, ID_HOST_RESET, ID_EXPLORER_EDIT, ID_EXPLORER_DELETE, ID_EXPLORER_INVOKE_SCRIPT})
    root.DoCommand(ignored);
  EXPECT_TRUE(Document().Actions().Lines().empty());
  EXPECT_EQ(ui.Prompts().size(), 1u);
}

TEST_F(SimulationCommandsTest, ExploreAsksTheHostForAnExplorerRootedAtTheSimulation) {
  RecordingWindow main;
  tag_CorvaneViewContext requested;
  main.onMessage = [&](const RecordedMessage& m) {
    if (m.message == WM_SHOW_CORVANEVIEW) requested = *reinterpret_cast<const tag_CorvaneViewContext*>(m.lParam);
  };
  CWnd* previous = AfxGetMainWnd();
  AfxSetMainWnd(&main);
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  root.DoCommand(ID_EXPLORER_EXPLORE);
  AfxSetMainWnd(previous);
  ASSERT_EQ(main.Count(WM_SHOW_CORVANEVIEW), 1);
  EXPECT_EQ(requested.text, "{A93D72D0-75CD-11D0-8D84-00C0DF469D39}");
}

TEST_F(SimulationCommandsTest, ExportWritesTheWholeSimulationUnderTheChosenName) {
  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  const std::string path = config.Path() + "/copy.vsim";
  ui.AnswerFile(path);
  root.DoCommand(ID_EXPLORER_EXPORT);
  ASSERT_EQ(ui.Prompts().size(), 1u);
  EXPECT_EQ(ui.Prompts()[0].caption, "Export");
  // What is written is the document exporter's test; here the file is there.
  ASSERT_TRUE(std::filesystem::exists(path));

  ui.AnswerCancel();
  root.DoCommand(ID_EXPLORER_EXPORT);
  EXPECT_EQ(ui.Prompts().size(), 2u);
}

TEST_F(SimulationCommandsTest, ExportOffersTheFileNameWithoutItsExtensionOnly) {
  CWorkbenchApp fresh;  // a new simulation, never saved
  CQVEOSimulation root(fresh.Document().Store().SimulationInstance(), nullptr, &owner);
  const auto offered = [&](const std::string& documentPath) {
    fresh.Document().SetPathName(documentPath);
    ui.ClearRecords();
    ui.AnswerCancel();
    root.DoCommand(ID_EXPLORER_EXPORT);
    return ui.Prompts().empty() ? std::string("(no prompt)") : ui.Prompts()[0].text;
  };
  EXPECT_EQ(offered(""), "");
  EXPECT_EQ(offered("/data/plant.vsim"), "/data/plant");
  EXPECT_EQ(offered("/data/plant.old.vsim"), "/data/plant.old");
  // A dot in a directory name is not the file's extension.
  EXPECT_EQ(offered("/data/run.v2/plant"), "/data/run.v2/plant");
}

}  // namespace
}  // namespace simulation_test

namespace simulation_test {
namespace {

using SimulationPropertiesTest = SimulationTest;

TEST_F(SimulationPropertiesTest, PropertiesShowTheFileAndTheSimulationsCounts) {
  OpenSample();
  // A tank placed in the simulation gives it equations and variables to count.
  CComPtr<IFInstance> tank;
  ASSERT_EQ(SimulationInstance()->CreateChild("T1", Store().SimulationPalette()->Find("BufferTank"), &tank), S_OK);
  CComPtr<IRModel> model;
  ASSERT_EQ(MwInstance(SimulationInstance()).QueryInstance(&model), S_OK);
  int equations = -1, variables = -1, freedom = -1;
  ASSERT_EQ(Document().GetModelStatistics(model, equations, variables, freedom), S_OK);
  ASSERT_GT(equations, 0);

  CQVEOSimulation root(SimulationInstance(), nullptr, &owner);
  bool shown = false;
  ui.AnswerSheet([&](CPropertySheet& sheet) {
    shown = true;
    EXPECT_EQ(sheet.Caption(), "Simulation Properties");
    ASSERT_EQ(sheet.GetPageCount(), 2);
    EXPECT_EQ(sheet.GetActivePage()->GetDlgItemText(IDC_FILE_NAME), Document().GetPathName());
    ASSERT_TRUE(sheet.SetActivePage(1));
    CPropertyPage* counts = sheet.GetActivePage();
    EXPECT_EQ(counts->GetDlgItemText(IDC_DOF_EQUATIONS), std::to_string(equations));
    EXPECT_EQ(counts->GetDlgItemText(IDC_DOF_VARIABLES), std::to_string(variables));
    EXPECT_EQ(counts->GetDlgItemText(IDC_DOF_DEGREES_OF_FREEDOM), std::to_string(freedom));
    sheet.PressButton(IDOK);
  });
  root.DoCommand(ID_EXPLORER_PROPERTIES);
  EXPECT_TRUE(shown);
}

TEST_F(SimulationPropertiesTest, WithoutCountsThereIsNoDegreesOfFreedomPage) {
  OpenSample();
  CQVEOSimulation stale(SimulationInstance(), nullptr, &owner);
  FileProblem problem;
  ASSERT_TRUE(app.OpenDocument(DefaultSamplePath(""), problem));  // the root's simulation is gone
  int pages = 0;
  ui.AnswerSheet([&](CPropertySheet& sheet) {
    pages = sheet.GetPageCount();
    sheet.PressButton(IDOK);
  });
  stale.DoCommand(ID_EXPLORER_PROPERTIES);
  EXPECT_EQ(pages, 1);
}

}  // namespace
}  // namespace simulation_test
