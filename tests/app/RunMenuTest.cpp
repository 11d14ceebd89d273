// Running the sample from the desktop's Run menu: a dynamic run advances in
// slices between the person's events, shows where it stands in the status
// bar, pauses, resumes and stops, and ends where it stands when the program closes.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/ui/PopupMenu.h"
#include "host/HostCommandIds.h"
#include "tests/app/StartedDesktopTest.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/run/RunStatus.h"
#include "workbench/store/SolverOptions.h"

namespace {

class RunMenuTest : public StartedDesktopTest {
 protected:
  // The item as the person sees it when the menu opens (its states are read as it is about to show).
  QAction* RunMenuAction(UINT command) {
    for (QMenu* menu : session->Window().menuBar()->findChildren<QMenu*>())
      for (QAction* action : menu->actions())
        if (CommandOf(action) == command) {
          Q_EMIT menu->aboutToShow();
          return action;
        }
    return nullptr;
  }
  void Choose(UINT command) {
    QAction* action = RunMenuAction(command);
    ASSERT_NE(action, nullptr) << command;
    ASSERT_TRUE(action->isEnabled()) << command;
    action->trigger();
  }
  QString Progress() {
    for (QLabel* label : session->Window().statusBar()->findChildren<QLabel*>())
      if (label->text().startsWith("Dynamic run")) return label->text();
    return {};
  }
  CWorkbenchDocument& Document() { return session->Host().App().Document(); }
};

}  // namespace

TEST_F(RunMenuTest, ADynamicRunAdvancesBetweenEventsShowsItsProgressAndPausesResumesAndStops) {
  CSolverOptions& options = Document().Store().SolverOptions();
  VARIANT savedEnd, savedMode;
  options.GetProperty("EndTime", &savedEnd);
  options.GetProperty("RunMode", &savedMode);
  options.SetProperty("EndTime", VARIANT::Real(400.0));
  Choose(ID_HOST_MODE_DYNAMIC);
  EXPECT_TRUE(RunMenuAction(ID_HOST_MODE_DYNAMIC)->isChecked());
  Choose(ID_HOST_RUN);
  CSimulationRun& run = Document().Run();
  ASSERT_TRUE(run.IsActive()) << run.Summary();
  EXPECT_FALSE(RunMenuAction(ID_HOST_RUN)->isEnabled());
  EXPECT_FALSE(RunMenuAction(ID_HOST_MODE_STEADY_STATE)->isEnabled());

  // Other events are handled while the run goes on: a timer set now fires long before it ends.
  bool otherEventHandled = false;
  QTimer::singleShot(0, [&] { otherEventHandled = otherEventHandled || run.IsActive(); });
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  EXPECT_TRUE(otherEventHandled);
  ASSERT_TRUE(run.IsActive());
  EXPECT_TRUE(Progress().startsWith("Dynamic run: time ")) << Progress().toStdString();
  EXPECT_TRUE(Progress().endsWith(" of 400 s")) << Progress().toStdString();

  Choose(ID_HOST_PAUSE);
  const double pausedAt = run.SimulatedTime();
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(run.SimulatedTime(), pausedAt);
  EXPECT_TRUE(Progress().startsWith("Dynamic run paused")) << Progress().toStdString();
  Choose(ID_HOST_RUN);  // resumes
  for (int i = 0; i < 10000 && run.IsActive(); ++i) QCoreApplication::processEvents();
  EXPECT_FALSE(run.IsActive());
  EXPECT_EQ(Document().GetLastRunStatus(), kRunStatusConverged);
  EXPECT_EQ(Progress(), "Dynamic run reached its end time 400 s");

  // Interrupt stops a run where it stands; closing the program ends one too.
  options.SetProperty("EndTime", VARIANT::Real(5000.0));
  Choose(ID_HOST_RUN);
  ASSERT_TRUE(run.IsActive());
  QCoreApplication::processEvents();
  Choose(ID_HOST_INTERRUPT);
  EXPECT_FALSE(run.IsActive());
  EXPECT_EQ(Document().GetLastRunStatus(), kRunStatusStopped);
  EXPECT_TRUE(Progress().startsWith("Dynamic run stopped at time ")) << Progress().toStdString();
  Choose(ID_HOST_RESTART);  // from time 0 again
  ASSERT_TRUE(Document().Run().IsActive());
  // Nothing unsaved, so that closing asks nothing.
  options.SetProperty("EndTime", savedEnd);
  options.SetProperty("RunMode", savedMode);
  Document().SetModifiedFlag(false);
  EXPECT_TRUE(session->MayEnd());
  EXPECT_FALSE(Document().Run().IsActive());
  EXPECT_FALSE(Document().FlowsheetIsLocked());
}
