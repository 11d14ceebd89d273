// A person at the command line after a run of the sample: walks
// Simulation/Diagnostics down to a group, lists the groups and a group's
// equations, switches to its variables (values from the simulation), and
// prints an equation's residual text.
#include <gtest/gtest.h>

#include <sstream>

#include "app/headless/ConsoleUserInterface.h"
#include "app/headless/HeadlessSession.h"
#include "app/headless/ScriptRunner.h"
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerTreeView.h"
#include "platform/Window.h"
#include "tests/cli/ProgramRun.h"
#include "tests/support/ScopedConfigDir.h"
#include "workbench/diagnostics/DiagnosticsBuilder.h"

namespace {

class DiagnosticsScriptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string problem;
    ASSERT_TRUE(session.Open("", ProgramPath(), problem)) << problem;
  }
  void TearDown() override { MessageQueue::Clear(); }

  // Runs the actions and gives what they printed; a failed action fails the test.
  std::string Run(const std::vector<std::string>& actions) {
    printed.str("");
    for (const std::string& action : actions) {
      std::string problem;
      EXPECT_TRUE(runner.RunAction(action, problem)) << action << ": " << problem;
    }
    return printed.str();
  }

  // The newest Explorer window, and the label of what its tree has selected.
  static CExplorerFrame& Newest() { return *CExplorerFrame::ActiveExplorers().front(); }
  static std::string SelectedItem() {
    CExplorerTreeView& tree = *Newest().GetTreeView();
    return tree.GetItemText(tree.GetSelectedItem());
  }

  ScopedConfigDir config;
  std::ostringstream console;
  ConsoleUserInterface ui{console};
  HeadlessSession session{ui};
  std::ostringstream printed;
  ScriptRunner runner{session, ui, printed};
};

TEST_F(DiagnosticsScriptTest, AfterARunTheDiagnosticsCanBeWalkedListedSwitchedAndRead) {
  ASSERT_NE(session.OpenExplorer(), nullptr);
  EXPECT_EQ(Run({"window 1", "tree Simulation"}).find("Diagnostics"), std::string::npos);

  CDiagnosticsBuilder run;
  run.Decomposition();
  const int level = run.Variable("T101.Level", 1);
  const int area = run.Variable("T101.Area", ZN_VARIABLE_CALCULATED);
  const int mass = run.Equation("T101.mass", {level, area}, 0);
  run.Group(ZN_GROUP_NONLINEAR, {mass}, {level, area}, false);
  run.Groups(2);
  run.Residual(mass, 0.5, "Area*rho*$Level=Inlet.F-Outlet.F");
  session.App().Document().PublishRunDiagnostics(run.Build(), 1);
  session.OpenExplorer();
  Run({"window 2"});

  const std::string groups = Run({"select Simulation/Diagnostics/Steady state decomposition", "list"});
  EXPECT_NE(groups.find("1\tNon-linear\t1\t2\t2\tUnConverged"), std::string::npos) << groups;
  EXPECT_NE(groups.find("3\tExplicit\t1\t1\t1\tConverged"), std::string::npos) << groups;

  // Groups show their variables until asked otherwise, with the simulation's values.
  const std::string variables = Run({"select Simulation/Diagnostics/Steady state decomposition/1", "list"});
  EXPECT_NE(variables.find("T101.Level\t1.5\tm\tInitial\tGroup 1"), std::string::npos) << variables;
  EXPECT_NE(variables.find("T101.Area\t4\t\tFixed\tCalculated"), std::string::npos) << variables;

  const std::string equations = Run({"do Show equations", "select Simulation/Diagnostics/Steady state decomposition/1",
                                     "list"});
  EXPECT_NE(equations.find("T101.mass\t0.5\t2\t2\t1"), std::string::npos) << equations;

  const std::string residual = Run({"row T101.mass", "do Show residual text", "windows"});
  EXPECT_NE(residual.find("Residual text for equation: T101.mass"), std::string::npos) << residual;
  EXPECT_NE(residual.find("Area * rho * $Level = Inlet.F - Outlet.F"), std::string::npos) << residual;

  // From a variable of the group to the group it is solved in, in a further Explorer on that group.
  const std::string found = Run({"select Simulation/Diagnostics/Steady state decomposition",
                                 "select Simulation/Diagnostics/Steady state decomposition/1", "do Show variables",
                                 "row T101.Level", "do Find Group", "window 3", "tree", "list"});
  EXPECT_NE(found.find("T101.Level"), std::string::npos) << found;
  for (const std::string& line : session.App().Document().Messages().Lines()) ADD_FAILURE() << line;
}

TEST_F(DiagnosticsScriptTest, FirstUnconvergedGroupsAndTornVariablesAreFoundFromTheDiagnostics) {
  // Group 1 converged; group 2 a torn group whose sub-group 2 failed and solves T101.Level.
  CDiagnosticsBuilder run;
  run.Decomposition().Groups(1);
  run.TornGroup(3, 1, {2});
  run.VariableRecord(2).name = "T101.Level";
  session.App().Document().PublishRunDiagnostics(run.Build(), 1);
  ASSERT_NE(session.OpenExplorer(), nullptr);
  const std::string menu = Run({"window 1", "select Simulation/Diagnostics", "menu", "do Go to first unconverged"});
  EXPECT_NE(menu.find("Go to first unconverged"), std::string::npos) << menu;
  EXPECT_EQ(SelectedItem(), "2");

  // Only the first unconverged group: the converged one goes from the decomposition.
  const std::string only = Run({"select Simulation/Diagnostics", "do Show first unconverged only",
                                "select Simulation/Diagnostics/Steady state decomposition", "list"});
  EXPECT_EQ(only.find("\n1\t"), std::string::npos) << only;
  EXPECT_NE(only.find("2\tTorn\t3\t3\t3\tUnconverged"), std::string::npos) << only;

  // The torn variable's group is the torn group: a further Explorer opens on it at the sub-group that solves it.
  Run({"select Simulation/Diagnostics/Steady state decomposition/2/2", "row T101.Level", "do Find Group"});
  EXPECT_EQ(Newest().GetRootObject()->GetClassID(), CLSID_QVEOTornGroup);
  EXPECT_EQ(SelectedItem(), "T101.Level");
  for (const std::string& line : session.App().Document().Messages().Lines()) ADD_FAILURE() << line;
}

}  // namespace
