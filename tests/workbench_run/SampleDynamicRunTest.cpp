// The tank sample run in time as a user runs it from the Run menu: the buffer
// tank's level first rises (the half-open feed valve lets in more than the
// pump takes out), the level controller brings it back to its set point, and
// the flows settle where the steady state balances them; views hear of the
// values at each reporting interval. A run stopped half-way leaves a point
// that satisfies the flowsheet's algebraic relations.
#include <gtest/gtest.h>

#include <cmath>

#include "host/com/ComObject.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "host/model/IQVEventSource.h"
#include "tests/workbench_document/DocumentTestSupport.h"
#include "host/HostCommandIds.h"
#include "host/HostDialogIds.h"
#include "platform/Dialog.h"
#include "workbench/document/WorkbenchDocument.h"
#include "workbench/run/RunStatus.h"
#include "workbench/store/SolverOptions.h"

namespace {

constexpr double kTankRho = 998.0, kTankG = 9.81, kTankPatm = 101325.0;

// Reads the buffer tank's level each time values change.
class CLevelListener : public CComObject<IDispatch> {
 public:
  explicit CLevelListener(CWorkbenchDocument& document) : m_document(document) {}
  std::vector<double> levels;

  HRESULT GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  HRESULT GetTypeInfo(UINT, IUnknown** info) override { return *info = nullptr, E_NOTIMPL; }
  HRESULT GetIDsOfNames(const std::string&, DISPID* id) override { return *id = 1, S_OK; }
  HRESULT Invoke(DISPID, const std::vector<VARIANT>&, VARIANT*) override {
    levels.push_back(m_document.Flowsheet().Current().FindVariable("T101.Level")->value);
    return S_OK;
  }

 private:
  CWorkbenchDocument& m_document;
};

class SampleDynamicRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FileProblem problem;
    ASSERT_TRUE(document.Open(copy.File("Tanks.vsim"), problem)) << problem.Describe();
    document.Store().SolverOptions().SetProperty("ReportingInterval", VARIANT::Real(50.0));
    CComPtr<IUnknown> root;
    ASSERT_EQ(document.GetRootModel(&root), S_OK);
    source = ComQuery<IQVEventSource>(root);
    ASSERT_TRUE(source);
    ASSERT_EQ(source->Advise("OnVariableChange", listener.Get(), &cookie), S_OK);
  }
  void TearDown() override {
    if (source) source->Unadvise(cookie);
  }
  double Value(const char* path) { return document.Flowsheet().Current().FindVariable(path)->value; }

  ScriptedTestUi ui;
  SampleCopy copy{"run_sample_dynamic"};
  CWorkbenchDocument document;
  CComPtr<CLevelListener> listener = MakeComObject<CLevelListener>(document);
  CComPtr<IQVEventSource> source;
  DWORD cookie = 0;
};

}  // namespace

TEST_F(SampleDynamicRunTest, LevelRisesThenSettlesAtTheSetPointWithTheFlowsBalanced) {
  CSimulationRun& run = document.Run();
  ASSERT_TRUE(run.Start(ZN_RUN_DYNAMIC, 2000.0)) << run.Summary();
  ASSERT_TRUE(run.IsActive()) << run.Summary();
  EXPECT_TRUE(document.FlowsheetIsLocked());
  int slices = 0;
  while (run.Step()) ++slices;
  EXPECT_GT(slices, 40);  // 40 reporting intervals, each ending a slice
  ASSERT_EQ(run.Status(), kRunStatusConverged) << run.Summary();
  EXPECT_FALSE(document.FlowsheetIsLocked());

  // The initialization, the start, and one event per 50 s up to 2000 s.
  ASSERT_EQ(listener->levels.size(), 2u + 40u);
  EXPECT_DOUBLE_EQ(listener->levels[0], 1.5);
  EXPECT_GT(listener->levels[2], 1.5);  // rising at first
  double highest = 0.0;
  for (double level : listener->levels) highest = std::max(highest, level);
  EXPECT_GT(highest, 1.52);
  EXPECT_NEAR(listener->levels.back(), 1.5, 0.01);  // back at the controller's set point

  // Settled where the steady state is: the pump's flow from its head curve, passed by every unit.
  const double head = (250000.0 - (kTankPatm + kTankRho * kTankG * Value("T101.Level"))) / (kTankRho * kTankG);
  const double flow = std::sqrt((40.0 - head) / 2.5);
  EXPECT_NEAR(Value("P101.Outlet.F"), flow, 1e-6 * flow);
  EXPECT_NEAR(Value("Feed.F"), flow, 0.01 * flow);
  EXPECT_NEAR(document.Flowsheet().Current().FindVariable("T101.Level")->derivative, 0.0, 1e-5);
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusConverged);
  ASSERT_TRUE(document.LastRunDiagnostics());
  bool dynamic = false;
  for (const DecompositionRecord& d : document.LastRunDiagnostics()->decompositions)
    dynamic = dynamic || (d.runMode == ZN_RUN_DYNAMIC && d.converged);
  EXPECT_TRUE(dynamic);
}

TEST_F(SampleDynamicRunTest, StoppedHalfWayTheValuesSatisfyTheAlgebraicRelations) {
  CSimulationRun& run = document.Run();
  ASSERT_TRUE(run.Start(ZN_RUN_DYNAMIC, 2000.0)) << run.Summary();
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(run.Step());
  const double stoppedAt = run.SimulatedTime();
  run.Stop();
  ASSERT_GT(stoppedAt, 0.0);
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusStopped);
  EXPECT_FALSE(document.FlowsheetIsLocked());
  for (const DecompositionRecord& d : document.LastRunDiagnostics()->decompositions)
    if (d.runMode == ZN_RUN_DYNAMIC) {
      EXPECT_FALSE(d.converged);
    }

  // The hydrostatic head, the valve's flow and the controller's law hold at the point it stopped.
  const double level = Value("T101.Level");
  EXPECT_NEAR(Value("T101.Outlet.P"), kTankPatm + kTankRho * kTankG * level, 1e-6);
  EXPECT_NEAR(Value("V101.Inlet.F"), 0.0025 * Value("V101.Stem") * std::sqrt(kTankRho * std::fabs(Value("V101.dP"))),
              1e-9);
  EXPECT_NEAR(Value("LC101.OP"), 0.5 + 0.8 * ((1.5 - level) + Value("LC101.I") / 60.0), 1e-9);
  EXPECT_EQ(listener->levels.back(), level);  // the stopped point was shown

  // The next run goes on from there.
  ASSERT_TRUE(run.Start(ZN_RUN_DYNAMIC, stoppedAt + 100.0)) << run.Summary();
  run.Finish();
  EXPECT_EQ(run.Status(), kRunStatusConverged);
  EXPECT_DOUBLE_EQ(run.SimulatedTime(), stoppedAt + 100.0);
}

TEST_F(SampleDynamicRunTest, ReplacingTheSimulationEndsTheRunAndForgetsWhatTheRunsLeft) {
  ASSERT_TRUE(document.Run().Start(ZN_RUN_DYNAMIC, 2000.0));
  ASSERT_TRUE(document.Run().Step());
  ASSERT_TRUE(document.LastRunDiagnostics());
  document.NewSimulation();
  EXPECT_FALSE(document.Run().IsActive());
  EXPECT_FALSE(document.FlowsheetIsLocked());
  EXPECT_FALSE(document.LastRunDiagnostics());
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusNone);
  EXPECT_EQ(document.Run().SimulatedTime(), 0.0);
}

// The Run menu's Step, Pause At, Rewind and the resets, as a user chooses them.
TEST_F(SampleDynamicRunTest, StepPauseAtRewindAndResetFromTheRunMenu) {
  CSimulationRun& run = document.Run();
  const auto goOn = [&run] {
    while (run.IsActive() && !run.IsPaused()) run.Step();
  };
  const double specifiedLevel = Value("T101.Level");
  ASSERT_TRUE(document.RunCommand(ID_HOST_MODE_DYNAMIC));
  document.Store().SolverOptions().SetProperty("EndTime", VARIANT::Real(300.0));

  // Step starts the run and pauses it at its first report; again, at the next.
  ASSERT_TRUE(document.RunCommand(ID_HOST_STEP));
  goOn();
  ASSERT_TRUE(run.IsPaused()) << run.Summary();
  EXPECT_DOUBLE_EQ(run.SimulatedTime(), 50.0);
  EXPECT_EQ(run.Summary(), "Dynamic run paused at time 50 of 300 s");
  const double levelAtStart = listener->levels.at(1);  // the initialization's, then the run's start
  document.RunCommand(ID_HOST_STEP);
  goOn();
  EXPECT_DOUBLE_EQ(run.SimulatedTime(), 100.0);
  EXPECT_FALSE(document.CanDoRunCommand(ID_HOST_RESET));  // not while a run is active

  // Pause At: a time already passed is refused with the reason and the dialog stays; then 130 s exactly.
  ui.Ui().AnswerDialog([](CDialog& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(IDC_HOST_PAUSE_TIME), "100");
    dialog.SetDlgItemText(IDC_HOST_PAUSE_TIME, "80");
    dialog.PressButton(IDOK);
    dialog.SetDlgItemText(IDC_HOST_PAUSE_TIME, "130");
    dialog.PressButton(IDOK);
  });
  ui.Ui().AnswerOk();
  ASSERT_TRUE(document.RunCommand(ID_HOST_PAUSE_AT));
  ASSERT_FALSE(ui.Ui().Prompts().empty());
  EXPECT_EQ(ui.Ui().Prompts().back().text, "The pause time 80 s is not after the simulated time 100 s.");
  document.RunCommand(ID_HOST_RUN);  // resumes
  goOn();
  EXPECT_DOUBLE_EQ(run.SimulatedTime(), 130.0);
  document.RunCommand(ID_HOST_INTERRUPT);
  ASSERT_FALSE(run.IsActive());
  const double movedLevel = Value("T101.Level");
  ASSERT_GT(std::fabs(movedLevel - levelAtStart), 1e-3);

  // Rewind, once confirmed, goes back to time 0 and the values the run started from.
  ui.Ui().AnswerNo();
  document.RunCommand(ID_HOST_REWIND);
  EXPECT_DOUBLE_EQ(run.SimulatedTime(), 130.0);
  ui.Ui().AnswerYes();
  document.RunCommand(ID_HOST_REWIND);
  EXPECT_DOUBLE_EQ(run.SimulatedTime(), 0.0);
  EXPECT_DOUBLE_EQ(Value("T101.Level"), levelAtStart);
  EXPECT_EQ(listener->levels.back(), levelAtStart);  // views were told

  // Advanced Reset with only the diagnostics checked keeps the values; Reset All sets them back.
  ASSERT_TRUE(document.LastRunDiagnostics());
  ui.Ui().AnswerDialog([](CDialog& dialog) {
    EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_HOST_RESET_FREE), BST_CHECKED);
    for (int id : {IDC_HOST_RESET_FREE, IDC_HOST_RESET_STATES, IDC_HOST_RESET_DERIVATIVES, IDC_HOST_RESET_TIME})
      dialog.CheckDlgButton(id, BST_UNCHECKED);
    dialog.CheckDlgButton(IDC_HOST_RESET_DIAGNOSTICS, BST_CHECKED);
    dialog.PressButton(IDOK);
  });
  document.RunCommand(ID_HOST_ADVANCED_RESET);
  EXPECT_FALSE(document.LastRunDiagnostics());
  EXPECT_EQ(document.GetLastRunStatus(), kRunStatusNone);
  EXPECT_DOUBLE_EQ(Value("T101.Level"), levelAtStart);
  document.RunCommand(ID_HOST_RESET_ALL);
  EXPECT_DOUBLE_EQ(Value("T101.Level"), specifiedLevel);
  EXPECT_EQ(run.Summary(), "Reset: free variables, initial variables, derivatives, time and diagnostics");
}
