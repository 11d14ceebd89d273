// The sample simulations solved as a user runs them: the tank flowsheet's
// steady state against its mass balances and hydrostatic heads written out
// here, and the over-specified sample reporting the part that cannot be solved.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/workbench_document/DocumentTestSupport.h"
#include "tests/workbench_solver/SolverTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/document/WorkbenchDocument.h"
#include "workbench/simulation/FlowsheetHost.h"

namespace {

class SampleSolveTest : public ::testing::Test {
 protected:
  void Open(const std::string& name) {
    FileProblem problem;
    ASSERT_TRUE(app.OpenDocument(copy.File(name), problem)) << problem.Describe();
    CWorkbenchDocument& doc = app.Document();
    flowsheet = InstantiateFlowsheet(doc.Store(), doc.Flowsheet().Values());
  }
  SolveOutcome Solve(int runMode) { return SolveFlowsheet(*flowsheet, runMode, app.Document().Store().SolverOptions()); }
  double Value(const std::string& path) {
    const InstanceVariable* variable = flowsheet->FindVariable(path);
    EXPECT_TRUE(variable) << path;
    return variable ? variable->value : 0.0;
  }

  SampleCopy copy{"solver_sample"};
  CWorkbenchApp app;
  std::unique_ptr<CFlowsheet> flowsheet;
};

constexpr double kRho = 998.0, kG = 9.81, kPatm = 101325.0;

TEST_F(SampleSolveTest, TankSampleSteadyStateKeepsItsMassBalancesAndHeads) {
  Open("Tanks.vsim");
  flowsheet->FindVariable("T101.Level")->derivative = 0.3;  // as a dynamic run may have left it
  const SolveOutcome outcome = Solve(ZN_RUN_STEADY_STATE);
  ASSERT_TRUE(outcome.started) << JoinedMessages(outcome);
  ASSERT_TRUE(outcome.converged) << outcome.summary << "\n" << JoinedMessages(outcome);
  EXPECT_EQ(outcome.summary.rfind("Steady state run converged", 0), 0u) << outcome.summary;

  // Hydrostatic heads at the tank outlets, and the product tank's blanket pressure at the pump outlet.
  const double buffer = kPatm + kRho * kG * 1.5;
  EXPECT_NEAR(Value("T101.Outlet.P"), buffer, 1e-6);
  EXPECT_NEAR(Value("T102.Outlet.P"), 250000.0 + kRho * kG * 2.5, 1e-6);
  EXPECT_NEAR(Value("P101.Outlet.P"), 250000.0, 1e-6);
  EXPECT_NEAR(Value("Train2.Drain.P"), kPatm + kRho * kG * 1.0, 1e-6);
  // The pump's head curve gives the flow; at steady state every tank passes what it takes in.
  const double head = (250000.0 - buffer) / (kRho * kG);
  const double flow = std::sqrt((40.0 - head) / 2.5);
  EXPECT_NEAR(Value("P101.Head"), head, 1e-9);
  for (const char* path : {"Feed.F", "V101.Inlet.F", "T101.Inlet.F", "T101.Outlet.F", "P101.Outlet.F", "T102.Inlet.F",
                           "T102.Outlet.F", "S5.Destination.F"})
    EXPECT_NEAR(Value(path), flow, 1e-9) << path;
  EXPECT_NEAR(Value("Train2.T201.Outlet.F"), 2.0, 1e-9);
  // The valve passes that flow over the supply's pressure drop; the controller holds its set point.
  EXPECT_NEAR(Value("V101.Stem"), flow / (0.0025 * std::sqrt(kRho * (300000.0 - kPatm))), 1e-9);
  EXPECT_NEAR(Value("LC101.PV"), 1.5, 1e-9);
  EXPECT_NEAR(Value("LC101.OP"), Value("V101.Stem"), 1e-9);
  EXPECT_NEAR(Value("LC101.I"), (Value("V101.Stem") - 0.5) * 60.0 / 0.8, 1e-6);
  EXPECT_NEAR(Value("P101.Shaft") * 0.7, flow * kG * head, 1e-6);
  EXPECT_EQ(flowsheet->FindVariable("T101.Level")->derivative, 0.0);  // at rest

  // Every residual the diagnostics show is within the tolerance.
  const DecompositionRecord& record = outcome.decomposition;
  ASSERT_TRUE(record.residuals);
  ASSERT_FALSE(record.equations.empty());
  for (std::size_t e = 0; e < record.equations.size(); ++e) {
    double residual = 1.0;
    ASSERT_TRUE(record.residuals->Residual(static_cast<int>(e), residual)) << record.equations[e].name;
    EXPECT_LE(std::fabs(residual), 1e-7) << record.equations[e].name;
  }
}

TEST_F(SampleSolveTest, TankSampleInitializesFromItsStates) {
  Open("Tanks.vsim");
  const SolveOutcome outcome = Solve(ZN_RUN_INITIALIZATION);
  ASSERT_TRUE(outcome.converged) << outcome.summary << "\n" << JoinedMessages(outcome);
  // The states keep their initial values; the valve, half open, lets in more than the pump takes out.
  EXPECT_DOUBLE_EQ(Value("T101.Level"), 1.5);
  EXPECT_DOUBLE_EQ(Value("V101.Stem"), 0.5);
  const double inflow = 0.0025 * 0.5 * std::sqrt(kRho * (300000.0 - kPatm));
  const double head = (250000.0 - (kPatm + kRho * kG * 1.5)) / (kRho * kG);
  const double outflow = std::sqrt((40.0 - head) / 2.5);
  EXPECT_NEAR(flowsheet->FindVariable("T101.Level")->derivative, (inflow - outflow) / (4.0 * kRho), 1e-12);
  EXPECT_NEAR(flowsheet->FindVariable("V101.Stem")->derivative, 0.0, 1e-12);  // demand equals the stem
  EXPECT_NEAR(flowsheet->FindVariable("LC101.I")->derivative, 0.0, 1e-12);    // level at its set point
  EXPECT_EQ(outcome.decomposition.runMode, ZN_RUN_INITIALIZATION);
}

TEST_F(SampleSolveTest, OverspecifiedSampleShowsItsUnsolvableGroupFirst) {
  Open("Overspecified.vsim");
  const SolveOutcome outcome = Solve(ZN_RUN_STEADY_STATE);
  ASSERT_TRUE(outcome.started);
  EXPECT_FALSE(outcome.converged);
  const std::string messages = JoinedMessages(outcome);
  // The flow is fixed at the supply and at the drain: with the pipe's equalities compressed, two
  // equations are left for the one flow.
  EXPECT_NE(messages.find("Over-specified: 2 equations (Supply.#1, L1.Destination.F) for 1 unknown (Supply.Outlet.F)"),
            std::string::npos)
      << messages;
  const DecompositionRecord& record = outcome.decomposition;
  EXPECT_FALSE(record.converged);
  EXPECT_EQ(record.firstUnconvergedGroup, 1);
  ASSERT_FALSE(record.groups.empty());
  EXPECT_FALSE(record.groups[0].converged);
  EXPECT_EQ(record.groups[0].equations.size(), 2u);
  EXPECT_EQ(record.groups[0].variables.size(), 3u);  // the flow at the supply, in the pipe and at its source
  const auto troubled = std::count_if(record.variables.begin(), record.variables.end(),
                                      [](const DecompVariableRecord& v) { return v.problem; });
  EXPECT_GT(troubled, 0);
  EXPECT_EQ(outcome.summary, "Steady state run did not converge: group 1 of " +
                                 std::to_string(record.groups.size()) + " failed (2 equivalences)");
}

}  // namespace
