// The host's views as windows of the desktop program: a plot form's trends
// drawn live as a run reports, zoomed and exported; the history as a table
// that copies; a table form that edits a fixed value; the finder; a view
// closed while values keep coming.
#include <gtest/gtest.h>

#include <filesystem>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QValueAxis>

#include "app/views/ChartWindow.h"
#include "app/views/FinderWindow.h"
#include "app/views/HistoryTableModel.h"
#include "app/views/HostViewWindows.h"
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerFrame.h"
#include "host/HostCommandIds.h"
#include "host/store/HostClassIds.h"
#include "platform/SafeFile.h"
#include "tests/app/StartedDesktopTest.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeViews.h"

namespace {

class HostViewWindowsTest : public StartedDesktopTest {
 protected:
  CHostViews& Views() { return session->Host().Views(); }
  CWorkbenchDocument& Document() { return session->Host().App().Document(); }

  // What "Show as ..." on a form asks of the host, sent as the node sends it.
  QMdiSubWindow* ShowForm(const std::string& owner, const std::string& name, const std::string& mode) {
    CStore& store = Document().Store();
    CStoreType* type = owner.empty() ? store.SimulationType() : store.SimulationPalette()->Find(owner);
    EXPECT_NE(type, nullptr);
    tag_CorvaneViewContext context;
    context.viewClass = CLSID_QVFormView;
    context.text = mode;
    context.dataSource = MakeFormDefView(type->FindForm(name));
    EXPECT_TRUE(session->Host().App().ShowView(context));
    ProcessAll();
    return session->Views()->Latest();
  }
  template <class Widget>
  Widget* Inside(QMdiSubWindow* window) {
    return window ? window->widget()->findChild<Widget*>() : nullptr;
  }
  // A report of a dynamic run at time with the tank levels given, as a run publishes one.
  void Report(double time, double t101, double t201) {
    unsigned build = 0;
    CFlowsheet& flowsheet = Document().Flowsheet().CurrentForRun(build);
    flowsheet.FindVariable("T101.Level")->value = t101;
    flowsheet.FindVariable("Train2.T201.Level")->value = t201;
    reportTime = time;
    Document().Flowsheet().Events().Fire();
    ProcessAll();
  }

  double reportTime = 0.0;
};

}  // namespace

TEST_F(HostViewWindowsTest, APlotDrawsEachTrendLiveAndExportsAndZooms) {
  Views().runTime = [this]() -> std::optional<double> { return reportTime; };
  QMdiSubWindow* window = ShowForm("Flowsheet", "TankLevels", "Plot");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Flowsheet.TankLevels - Plot"));
  ChartWindow* plot = Inside<ChartWindow>(window);
  ASSERT_NE(plot, nullptr);
  QChart* chart = plot->Chart();
  ASSERT_EQ(chart->series().size(), 3);
  EXPECT_TRUE(chart->legend()->isVisible());
  EXPECT_EQ(chart->series()[0]->name(), QStringLiteral("T101.Level (m)"));

  for (int i = 0; i <= 10; ++i) Report(i * 6.0, 1.5 + 0.1 * i, 1.0 - 0.05 * i);
  auto* t101 = static_cast<QLineSeries*>(chart->series()[0]);
  ASSERT_EQ(t101->count(), 11);
  EXPECT_DOUBLE_EQ(t101->at(10).x(), 60.0);
  EXPECT_DOUBLE_EQ(t101->at(10).y(), 2.5);
  auto* x = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
  auto* y = static_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
  EXPECT_DOUBLE_EQ(x->max(), 60.0);  // the time axis follows the run
  EXPECT_DOUBLE_EQ(y->min(), 0.0);   // every trend fixes 0 to 6
  EXPECT_DOUBLE_EQ(y->max(), 6.0);

  // Zoomed in, later reports keep the zoom until Reset Zoom.
  chart->zoomIn(QRectF(chart->plotArea().center(), chart->plotArea().bottomRight()));
  EXPECT_TRUE(plot->IsZoomed());
  Report(66.0, 2.6, 0.4);
  EXPECT_NE(x->max(), 66.0);
  plot->ResetZoom();
  EXPECT_DOUBLE_EQ(x->max(), 66.0);

  {
    const std::string png = config.Path() + "/levels.png";
    const std::string csv = config.Path() + "/levels.csv";
    std::string problem;
    ASSERT_TRUE(plot->ExportPicture(png, problem)) << problem;
    ASSERT_TRUE(plot->ExportCsv(csv, problem)) << problem;
    EXPECT_GT(std::filesystem::file_size(png), 1000u);
    const std::string text = ReadFileImage(csv, 1u << 20).bytes;
    EXPECT_EQ(text.substr(0, text.find('\n')), "Time,T101.Level (m),T102.Level (m),Train2.T201.Level (m)");
    EXPECT_NE(text.find("\n66,2.6,2.5,0.4\n"), std::string::npos) << text;
  }
}

TEST_F(HostViewWindowsTest, HistoryCopiesTablesEditAndViewsClosedDuringARunHearNoMore) {
  Views().runTime = [this]() -> std::optional<double> { return reportTime; };
  const int before = Views().SubscriberCount();
  QMdiSubWindow* history = ShowForm("BufferTank", "LevelTrend", "History");
  QMdiSubWindow* table = ShowForm("BufferTank", "Levels", "");
  ASSERT_NE(history, nullptr);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(Views().SubscriberCount(), before + 2);
  Report(0.0, 1.5, 1.0);
  Report(5.0, 1.7, 1.0);

  QTableView* historyTable = Inside<QTableView>(history);
  auto* model = static_cast<HistoryTableModel*>(historyTable->model());
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("T101.Level (m)"));
  historyTable->selectAll();
  historyTable->setFocus();
  for (QAction* action : historyTable->actions()) action->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Time\tT101.Level (m)\tT102.Level (m)\n0\t1.5\t2.5\n5\t1.7\t2.5\n"));

  // The table shows the values as they stand and takes a fixed one; the document is then modified.
  QTableView* values = Inside<QTableView>(table);
  QAbstractItemModel* rows = values->model();
  EXPECT_EQ(rows->data(rows->index(0, 1)).toString(), QStringLiteral("1.7"));
  Document().SetModifiedFlag(false);
  const QModelIndex area = rows->index(1, 1);  // T101.Area, fixed
  ASSERT_TRUE(rows->flags(area) & Qt::ItemIsEditable);
  EXPECT_FALSE(rows->flags(rows->index(3, 1)) & Qt::ItemIsEditable);  // T101.Inlet.F is free
  ASSERT_TRUE(rows->setData(area, QStringLiteral("4.5"), Qt::EditRole));
  EXPECT_TRUE(Document().IsModified());
  EXPECT_EQ(Document().Flowsheet().Current().FindVariable("T101.Area")->value, 4.5);

  // Closed while the run goes on: the window stops hearing, the others carry on.
  history->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ProcessAll();
  EXPECT_EQ(Views().SubscriberCount(), before + 1);
  Report(10.0, 1.9, 1.0);
  EXPECT_EQ(rows->data(rows->index(0, 1)).toString(), QStringLiteral("1.9"));
}

TEST_F(HostViewWindowsTest, TheFinderSearchesAsThePatternIsTyped) {
  tag_CorvaneViewContext find;
  find.viewClass = CLSID_QVTextEditorView;
  find.optionWord = CORVANE_EDITOR_OPTIONS;
  find.text = "Train2";
  ASSERT_TRUE(session->Host().App().ShowView(find));
  ProcessAll();
  FinderWindow* finder = Inside<FinderWindow>(session->Views()->Latest());
  ASSERT_NE(finder, nullptr);
  EXPECT_EQ(finder->Model().rowCount(), static_cast<int>(Views().Find("Train2", "*").size()));
  finder->PatternEdit()->setText(QStringLiteral("*.level"));
  ASSERT_EQ(finder->Model().rowCount(), 1);
  EXPECT_EQ(finder->Model().data(finder->Model().index(0, 0), Qt::DisplayRole).toString(),
            QStringLiteral("Train2.T201.Level"));

  // A double-clicked result opens an Explorer on its block.
  const std::size_t explorers = ShownExplorers().size();
  Q_EMIT finder->Results()->doubleClicked(finder->Model().index(0, 0));
  ProcessAll();
  ASSERT_EQ(ShownExplorers().size(), explorers + 1);
  std::string root;
  ShownExplorers().front()->GetRootObject()->GetDisplayText(EOAspectName, root);
  EXPECT_EQ(root, "T201");

  finder->PatternEdit()->setText(QStringLiteral("nothing*"));
  EXPECT_EQ(finder->Model().rowCount(), 0);

  // Tools > Variable Find opens one over the whole flowsheet.
  session->Window().Perform(ID_HOST_VARIABLE_FIND);
  ProcessAll();
  FinderWindow* whole = Inside<FinderWindow>(session->Views()->Latest());
  ASSERT_NE(whole, nullptr);
  ASSERT_NE(whole, finder);
  EXPECT_EQ(whole->Model().rowCount(), static_cast<int>(Views().Flowsheet().Variables().size()));
}
