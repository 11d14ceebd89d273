// Runs as the document drives them, with systems whose behaviour is known:
// a draining tank integrated in slices, paused, stopped and continued; modes
// that are not offered; a solve that fails; the diagnostics each run leaves.
#include <gtest/gtest.h>

#include <functional>

#include "host/diagnostics/IZNDecomposition.h"
#include "tests/workbench_run/TestDaeSystems.h"
#include "workbench/document/WorkbenchDocument.h"
#include "workbench/run/RunStatus.h"
#include "workbench/run/SimulationRun.h"
#include "workbench/store/SolverOptions.h"

namespace {

class SimulationRunTest : public ::testing::Test {
 protected:
  SimulationRunTest() {
    m_options.SetProperty(std::string(CSolverOptions::kReportingInterval), VARIANT::Real(2.0));
    m_options.SetProperty(std::string(CSolverOptions::kRelativeTolerance), VARIANT::Real(1e-8));
    m_options.SetProperty(std::string(CSolverOptions::kAbsoluteTolerance), VARIANT::Real(1e-10));
  }

  CSimulationRun& Run() {
    if (!m_run) {
      RunEntryPoints solver;
      solver.solve = [this](CFlowsheet&, int mode, const CSolverOptions&) {
        solvedModes.push_back(mode);
        SolveOutcome outcome = nextOutcome;
        outcome.decomposition.runMode = mode;
        return outcome;
      };
      solver.makeDae = [this](CFlowsheet&, const CSolverOptions&, std::string& problem) -> std::unique_ptr<IDaeSystem> {
        if (!daeProblem.empty()) {
          problem = daeProblem;
          return nullptr;
        }
        auto tank = std::make_unique<CDrainingTank>(2.0, 0.5, level);
        published.push_back(tank->published);
        return tank;
      };
      RunHooks hooks;
      hooks.lastDiagnostics = [this] { return document.LastRunDiagnostics(); };
      hooks.publish = [this](std::shared_ptr<const RunDiagnostics> d, int status) {
        document.PublishRunDiagnostics(std::move(d), status);
      };
      hooks.message = [this](const std::string& line) { messages.push_back(line); };
      hooks.lockFlowsheet = [this](bool locked) { document.SetFlowsheetLocked(locked); };
      hooks.valuesChanged = [this] {
        ++valueChanges;
        if (onValues) onValues();
      };
      m_run = std::make_unique<CSimulationRun>(document.Flowsheet(), m_options, solver, hooks);
    }
    return *m_run;
  }

  const DecompositionRecord* Decomposition(int mode) const {
    if (!document.LastRunDiagnostics()) return nullptr;
    for (const DecompositionRecord& d : document.LastRunDiagnostics()->decompositions)
      if (d.runMode == mode) return &d;
    return nullptr;
  }

  CWorkbenchDocument document;
  SolveOutcome nextOutcome{true, true, "", {}, {}, {}};
  std::string daeProblem;
  double level = 4.0;  // the tank's level when a system is made
  std::vector<int> solvedModes;
  std::vector<std::shared_ptr<std::vector<std::pair<double, double>>>> published;  // of each tank made
  std::vector<std::string> messages;
  int valueChanges = 0;
  std::function<void()> onValues;  // what a view does when told of values

 private:
  CSolverOptions& m_options = document.Store().SolverOptions();
  std::unique_ptr<CSimulationRun> m_run;
};

}  // namespace

TEST_F(SimulationRunTest, DynamicRunAdvancesInSlicesLockedAndPausableAndReportsEachInterval) {
  CSimulationRun& run = Run();
  ASSERT_TRUE(run.Start(ZN_RUN_DYNAMIC, 6.0)) << run.Summary();
  EXPECT_EQ(solvedModes, std::vector<int>{ZN_RUN_INITIALIZATION});  // from time 0: initialized first
  EXPECT_TRUE(run.IsActive());
  EXPECT_TRUE(document.FlowsheetIsLocked());
  EXPECT_EQ(document.GetRunMode(), ZN_RUN_DYNAMIC);
  EXPECT_FALSE(run.Start(ZN_RUN_STEADY_STATE));  // one run at a time

  run.Pause();
  const double pausedAt = run.SimulatedTime();
  EXPECT_TRUE(run.Step());
  EXPECT_EQ(run.SimulatedTime(), pausedAt);
  EXPECT_NE(run.Progress().find("paused"), std::string::npos);
  run.Resume();

  int slices = 0;
  while (run.Step()) ++slices;
  EXPECT_GT(slices, 0);
  EXPECT_FALSE(document.FlowsheetIsLocked());
  EXPECT_EQ(run.Status(), kRunStatusConverged);
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusConverged);
  // Published at 0, 2, 4 and 6 with the tank's closed-form levels; one value event after the
  // initialization, one at the start and one per report.
  const CDrainingTank tank(2.0, 0.5, 4.0);
  ASSERT_EQ(published.at(0)->size(), 4u);
  for (const auto& [t, h] : *published[0]) EXPECT_NEAR(h, tank.ClosedFormLevel(t), 1e-5) << t;
  EXPECT_EQ(valueChanges, 1 + 1 + 3);
  const DecompositionRecord* dynamic = Decomposition(ZN_RUN_DYNAMIC);
  ASSERT_TRUE(dynamic);
  EXPECT_TRUE(dynamic->converged);
  EXPECT_TRUE(Decomposition(ZN_RUN_INITIALIZATION));
  EXPECT_EQ(messages.back(), "Dynamic run reached its end time 6 s");
}

TEST_F(SimulationRunTest, StoppedHalfWayKeepsItsPointMarksTheDecompositionAndContinuesFromThere) {
  CSimulationRun& run = Run();
  ASSERT_TRUE(run.Start(ZN_RUN_DYNAMIC, 12.0));
  ASSERT_TRUE(run.Step());
  const double stoppedAt = run.SimulatedTime();
  ASSERT_GT(stoppedAt, 0.0);
  ASSERT_LT(stoppedAt, 12.0);
  run.Stop();
  EXPECT_FALSE(run.IsActive());
  EXPECT_FALSE(document.FlowsheetIsLocked());
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusStopped);
  ASSERT_TRUE(Decomposition(ZN_RUN_DYNAMIC));
  EXPECT_FALSE(Decomposition(ZN_RUN_DYNAMIC)->converged);
  const CDrainingTank first(2.0, 0.5, 4.0);
  EXPECT_DOUBLE_EQ(published.at(0)->back().first, stoppedAt);
  EXPECT_NEAR(published[0]->back().second, first.ClosedFormLevel(stoppedAt), 1e-6);

  // Continued from where it stopped, without a second initialization.
  level = published[0]->back().second;
  ASSERT_TRUE(run.Start(ZN_RUN_DYNAMIC, 12.0));
  EXPECT_EQ(solvedModes.size(), 1u);
  run.Finish();
  EXPECT_EQ(published.at(1)->front().first, stoppedAt);
  EXPECT_EQ(run.Status(), kRunStatusConverged);
  // An end time not after where it stands is refused until rewound.
  EXPECT_FALSE(run.Start(ZN_RUN_DYNAMIC, 12.0));
  EXPECT_EQ(published.size(), 2u);
  run.Rewind();
  EXPECT_TRUE(run.Start(ZN_RUN_DYNAMIC, 1.0));
  EXPECT_EQ(solvedModes.size(), 2u);
}

// A pause time is reached exactly and shown, without moving the reports after it; one asked for
// before the run starts holds for it.
TEST_F(SimulationRunTest, APauseTimeIsReachedExactlyBetweenReports) {
  CSimulationRun& run = Run();
  std::string why;
  EXPECT_FALSE(run.PauseAt(0.0, &why));
  EXPECT_EQ(why, "The pause time 0 s is not after the simulated time 0 s.");
  ASSERT_TRUE(run.PauseAt(3.0));
  ASSERT_TRUE(run.Start(ZN_RUN_DYNAMIC, 6.0));
  while (run.Step() && !run.IsPaused()) {
  }
  ASSERT_TRUE(run.IsPaused());
  EXPECT_DOUBLE_EQ(run.SimulatedTime(), 3.0);
  EXPECT_FALSE(run.PauseTime());
  EXPECT_FALSE(run.PauseAt(6.0, &why));
  EXPECT_EQ(why, "The pause time 6 s is not before the end time 6 s.");
  run.Resume();
  run.Finish();
  std::vector<double> times;
  for (const auto& [t, h] : *published.at(0)) times.push_back(t);
  EXPECT_EQ(times, (std::vector<double>{0.0, 2.0, 3.0, 4.0, 6.0}));
}

TEST_F(SimulationRunTest, RefusedAndFailedRunsSayWhyAndKeepWhatTheOtherModesLeft) {
  CSimulationRun& run = Run();
  ASSERT_TRUE(run.Start(ZN_RUN_STEADY_STATE));
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusConverged);
  EXPECT_EQ(messages.back(), "Steady state run converged");

  for (int mode : {ZN_RUN_OPTIMIZATION, ZN_RUN_ESTIMATION}) {
    EXPECT_FALSE(run.Start(mode));
    EXPECT_NE(run.Summary().find("not offered"), std::string::npos);
  }
  EXPECT_EQ(document.GetRunMode(), ZN_RUN_STEADY_STATE);  // a refused run changes nothing
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusConverged);

  nextOutcome.converged = false;
  nextOutcome.summary = "Initialization did not converge in group 2";
  nextOutcome.decomposition.converged = false;
  nextOutcome.decomposition.firstUnconvergedGroup = 2;
  EXPECT_TRUE(run.Start(ZN_RUN_DYNAMIC, 5.0));  // it ran: the initialization failed
  EXPECT_FALSE(run.IsActive());
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusNotConverged);
  ASSERT_TRUE(Decomposition(ZN_RUN_INITIALIZATION));
  EXPECT_EQ(Decomposition(ZN_RUN_INITIALIZATION)->firstUnconvergedGroup, 2);
  ASSERT_TRUE(Decomposition(ZN_RUN_STEADY_STATE));  // kept
  EXPECT_EQ(document.LastRunDiagnostics()->decompositions.size(), 2u);

  nextOutcome.converged = true;
  daeProblem = "no states";
  EXPECT_FALSE(run.Start(ZN_RUN_DYNAMIC, 5.0));
  EXPECT_EQ(run.Status(), kRunStatusNotStarted);
  EXPECT_EQ(run.Summary(), "Dynamic run could not start: no states");
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusNotStarted);
  EXPECT_FALSE(document.FlowsheetIsLocked());
}

TEST_F(SimulationRunTest, AViewThatStopsTheRunWhenToldOfNewValuesEndsItCleanly) {
  CSimulationRun& run = Run();
  onValues = [&] {
    if (valueChanges == 3) run.Stop();
  };
  ASSERT_TRUE(run.Start(ZN_RUN_DYNAMIC, 6.0));
  while (run.Step()) {
  }
  EXPECT_EQ(run.Status(), kRunStatusStopped);
  EXPECT_FALSE(document.FlowsheetIsLocked());
}
