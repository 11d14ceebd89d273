// The run history as a dynamic run fills it: the values a run reports, kept
// for every variable a form names, bounded however long the run; views told
// of each report, safe when one closes during a run; units changed between
// runs.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/workbench_run/TestDaeSystems.h"
#include "tests/workbench_views/ViewsTestSupport.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "workbench/run/SimulationRun.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/store/SolverOptions.h"
#include "workbench/store/UnitSets.h"

namespace {

// The draining tank integrated as the sample's buffer tank: each published
// level is written into T101.Level, as the flowsheet's own system does.
class CPublishingTank : public CDrainingTank {
 public:
  CPublishingTank(CFlowsheet& flowsheet, double h0) : CDrainingTank(4.0, 0.02, h0), m_flowsheet(flowsheet) {}
  void Publish(double t, const double* y, const double* yp) override {
    CDrainingTank::Publish(t, y, yp);
    if (InstanceVariable* level = m_flowsheet.FindVariable("T101.Level")) level->value = y[0];
  }

 private:
  CFlowsheet& m_flowsheet;
};

class RunHistoryTest : public SampleViewsTest {
 protected:
  void SetUp() override {
    SampleViewsTest::SetUp();
    CSolverOptions& options = app.Document().Store().SolverOptions();
    options.SetProperty(std::string(CSolverOptions::kReportingInterval), VARIANT::Real(5.0));
    RunEntryPoints solver;
    solver.solve = [](CFlowsheet&, int, const CSolverOptions&) { return SolveOutcome{true, true, "", {}, {}, {}}; };
    solver.makeDae = [this](CFlowsheet& flowsheet, const CSolverOptions&, std::string&) -> std::unique_ptr<IDaeSystem> {
      auto tank = std::make_unique<CPublishingTank>(flowsheet, flowsheet.FindVariable("T101.Level")->value);
      published = tank->published;
      return tank;
    };
    RunHooks hooks;
    hooks.lastDiagnostics = [this] { return app.Document().LastRunDiagnostics(); };
    hooks.publish = [this](std::shared_ptr<const RunDiagnostics> d, int status) {
      app.Document().PublishRunDiagnostics(std::move(d), status);
    };
    hooks.message = [](const std::string&) {};
    hooks.stateChanged = [] {};
    hooks.lockFlowsheet = [this](bool locked) { app.Document().SetFlowsheetLocked(locked); };
    hooks.valuesChanged = [this] { app.Document().Flowsheet().Events().Fire(); };
    run = std::make_unique<CSimulationRun>(app.Document().Flowsheet(), options, solver, hooks);
    views->runTime = [this]() -> std::optional<double> { return run->SimulatedTime(); };
  }

  std::unique_ptr<CSimulationRun> run;
  std::shared_ptr<std::vector<std::pair<double, double>>> published;
};

}  // namespace

TEST_F(RunHistoryTest, TheHistoryOfADynamicRunIsWhatTheRunReportedAtEachInterval) {
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, 60.0));
  run->Finish();
  const CFormContents trend = views->RequestFor(FormRequest(Form("BufferTank", "LevelTrend"), "History"))->form;
  const HistoryTable history = views->History(trend);
  // Every report: the start, each 5 s, the end; each the value the run published then.
  ASSERT_EQ(history.times.size(), 13u);
  ASSERT_EQ(published->size(), 13u);
  ASSERT_EQ(history.columns.size(), 2u);
  EXPECT_EQ(history.columns[0].path, "T101.Level");
  EXPECT_EQ(history.columns[0].unit, "m");
  for (std::size_t i = 0; i < history.times.size(); ++i) {
    EXPECT_DOUBLE_EQ(history.times[i], (*published)[i].first);
    EXPECT_DOUBLE_EQ(history.times[i], 5.0 * static_cast<double>(i));
    EXPECT_DOUBLE_EQ(history.columns[0].values[i], (*published)[i].second);
    EXPECT_EQ(history.columns[1].values[i], 2.5);  // T102's level is fixed
  }
  // The level fell as a draining tank's does: sqrt(h) = sqrt(h0) - k t / (2 A).
  EXPECT_NEAR(history.columns[0].values.back(), std::pow(std::sqrt(1.5) - 0.02 * 60.0 / 8.0, 2), 1e-4);
  const std::string csv = HistoryCsv(history);
  EXPECT_EQ(csv.substr(0, csv.find('\n')), "Time,T101.Level (m),T102.Level (m)");
  EXPECT_EQ(csv.substr(csv.find('\n') + 1, 13), "0,1.5,2.5\n5,1");

  // Variables no written form names are not kept (the system forms list everything and keep nothing).
  EXPECT_FALSE(views->RunHistory().IsWatched("T101.rho"));
  // A form the user opens later still has the whole run: every form's variables were kept from the start.
  const CFormContents operating = views->RequestFor(FormRequest(Form("", "Operating"), ""))->form;
  EXPECT_EQ(views->History(operating).columns[2].values.size(), 13u);
  EXPECT_FALSE(std::isnan(views->History(operating).columns[2].values[0]));

  // Run on from where it ended: the history goes on; rewound, it begins again.
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, 70.0));
  run->Finish();
  EXPECT_EQ(views->History(trend).times.size(), 15u);
  run->Rewind();
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, 10.0));
  run->Finish();
  EXPECT_EQ(views->History(trend).times, (std::vector<double>{0.0, 5.0, 10.0}));
}

TEST_F(RunHistoryTest, ARunLongerThanTheBoundIsThinnedEvenlyAndKeepsItsEnds) {
  app.Document().Store().SolverOptions().SetProperty(std::string(CSolverOptions::kReportingInterval),
                                                     VARIANT::Real(0.01));
  const double end = 0.01 * static_cast<double>(3 * CRunHistory::kMaxSamples);
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, end));
  run->Finish();
  const CRunHistory& history = views->RunHistory();
  EXPECT_EQ(history.ReportCount(), static_cast<long>(published->size()));
  EXPECT_GT(history.ReportCount(), static_cast<long>(3 * CRunHistory::kMaxSamples));
  EXPECT_LE(history.SampleCount(), CRunHistory::kMaxSamples);
  EXPECT_GE(history.SampleCount(), CRunHistory::kMaxSamples / 2);
  const std::vector<double>& times = history.Times();
  EXPECT_EQ(times.front(), 0.0);
  EXPECT_DOUBLE_EQ(times.back(), end);
  EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
  // Thinned evenly: every kept point but the latest lies on one stride of reports.
  const double stride = times[1] - times[0];
  EXPECT_GT(stride, 0.01);
  for (std::size_t i = 1; i + 1 < times.size(); ++i) EXPECT_NEAR(times[i] - times[i - 1], stride, 1e-9) << i;
  // Each kept value is still the one published at its time.
  const std::vector<double>& levels = *history.Values("t101.level");
  ASSERT_EQ(levels.size(), times.size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < times.size(); ++i) {
    while (next < published->size() && (*published)[next].first < times[i]) ++next;
    ASSERT_LT(next, published->size());
    EXPECT_DOUBLE_EQ(levels[i], (*published)[next].second);
  }
}

TEST_F(RunHistoryTest, ViewsAreToldOfEachReportAndOneClosedDuringTheRunIsNotCalledAgain) {
  int tableRefreshes = 0, plotRefreshes = 0;
  int plot = 0;
  const int table = views->Subscribe({"T101.Level"}, [&] {
    ++tableRefreshes;
    if (tableRefreshes == 3) views->Unsubscribe(plot);  // the plot window is closed meanwhile
  });
  plot = views->Subscribe({"V101.Stem"}, [&] { ++plotRefreshes; });
  EXPECT_TRUE(views->RunHistory().IsWatched("V101.Stem"));
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, 30.0));
  // While the run is on, the flowsheet is locked: a table's edit is refused and changes nothing.
  std::string problem;
  EXPECT_FALSE(views->SetValue("T101.Area", "5", problem));
  EXPECT_EQ(problem, "values cannot be changed while a dynamic run is active");
  EXPECT_EQ(Variable("T101.Area").value, 4.0);
  run->Finish();
  EXPECT_EQ(tableRefreshes, 8);  // the initialization, the start and six reports
  EXPECT_EQ(plotRefreshes, 2);
  views->Unsubscribe(table);
  EXPECT_EQ(views->SubscriberCount(), 0);
  // A view that closes itself during the tell, and views gone before the host: nothing is called after.
  int selfClosing = 0;
  int self = 0;
  self = views->Subscribe({}, [&] {
    ++selfClosing;
    views->Unsubscribe(self);
  });
  run->Rewind();
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, 10.0));
  run->Finish();
  EXPECT_EQ(selfClosing, 1);
  views.reset();
  run->Rewind();
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, 10.0));
  run->Finish();  // the events have no listener left that points at the views
}

TEST_F(RunHistoryTest, UnitsChangedBetweenRunsShowTheWholeHistoryAndEditsInTheNewUnits) {
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, 10.0));
  run->Finish();
  const CFormContents trend = views->RequestFor(FormRequest(Form("BufferTank", "LevelTrend"), "History"))->form;
  const double first = views->History(trend).columns[0].values[0];
  CUnitSets& units = app.Document().Store().UnitSets();
  ASSERT_EQ(units.SetUnit("Metric", "Length", "cm"), S_OK);
  const HistoryTable history = views->History(trend);
  EXPECT_EQ(history.columns[0].unit, "cm");
  EXPECT_NEAR(history.columns[0].values[0], first * 100.0, 1e-9);
  // An edit typed in centimetres is kept in metres, marks the document modified, and the next run starts from it.
  app.Document().SetModifiedFlag(false);
  std::string problem;
  ASSERT_TRUE(views->SetValue("T101.Level", "200", problem)) << problem;
  EXPECT_TRUE(app.Document().IsModified());
  EXPECT_DOUBLE_EQ(Variable("T101.Level").value, 2.0);
  run->Rewind();
  ASSERT_TRUE(run->Start(ZN_RUN_DYNAMIC, 5.0));
  run->Finish();
  EXPECT_DOUBLE_EQ(views->History(trend).columns[0].values[0], 200.0);
  EXPECT_EQ(views->TableRows(trend)[0].unit, "cm");
}

// That each kept value is the one the run reported is checked against a stand-in run above;
// here the sample's own run fills the history through the document.
TEST_F(SampleViewsTest, TheSampleDynamicRunFillsTheHistoryAtEachInterval) {
  CWorkbenchDocument& document = app.Document();
  document.Store().SolverOptions().SetProperty(std::string(CSolverOptions::kReportingInterval), VARIANT::Real(2.0));
  ASSERT_TRUE(document.Run().Start(ZN_RUN_DYNAMIC, 40.0)) << document.Run().Summary();
  document.Run().Finish();

  const CFormContents trend = views->RequestFor(FormRequest(Form("Flowsheet", "TankLevels"), "Plot"))->form;
  const HistoryTable history = views->History(trend);
  ASSERT_EQ(history.times.size(), 21u);
  for (std::size_t i = 0; i < 21; ++i) EXPECT_DOUBLE_EQ(history.times[i], 2.0 * static_cast<double>(i));
  // The buffer tank's level moves during the run; the product tank's is held.
  EXPECT_NE(history.columns[0].values.front(), history.columns[0].values.back());
  EXPECT_EQ(history.columns[1].values.front(), history.columns[1].values.back());
}
