#include <gtest/gtest.h>

#include <memory>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/CommandIds.h"
#include "app/DesktopSession.h"
#include "app/MainWindow.h"
#include "app/peers/SplitterPeer.h"
#include "app/ui/PopupMenu.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/StartedDesktopTest.h"
#include "tests/support/ScopedConfigDir.h"

namespace {

// The program's Explorer windows as sub-windows of its main window: their
// splitter, activation, closing and moving, the commands of the menus and
// toolbar, and the Window menu.
class DesktopWindowsTest : public StartedDesktopTest {
 protected:

  QMdiArea& Area() { return *session->Window().MdiArea(); }
  QWidget* WidgetOf(CWnd* window) {
    WindowPeer* peer = window ? session->Peers().PeerOf(window->m_hWnd) : nullptr;
    return peer ? peer->Widget() : nullptr;
  }
  QRect AreaRect(CWnd* window) {  // the widget's rectangle in the MDI area's viewport
    QWidget* widget = WidgetOf(window);
    return QRect(widget->mapTo(Area().viewport(), QPoint(0, 0)), widget->size());
  }
  // The splitter with the bar between the tree and the contents pane.
  static CSplitterWnd& PanesOf(CExplorerFrame* frame) {
    return *dynamic_cast<CSplitterWnd*>(frame->GetTreeView()->GetParent()->GetParent());
  }
  // A further Explorer, rooted at the simulation's libraries.
  CExplorerFrame* ExploreLibraries() {
    CExplorerTreeView* tree = explorer->GetTreeView();
    tree->SelectItem(tree->FindItemByLabels({"Simulation", "Libraries"}));
    ProcessAll();
    session->Window().Perform(ID_EXPLORER_EXPLORE);
    ProcessAll();
    return ShownExplorers().size() == 2 ? ShownExplorers().front() : nullptr;
  }
  void SetSideBySide(CExplorerFrame* frame, bool sideBySide) {
    frame->SavePaneOrientation(sideBySide ? 1 : 0);
    frame->SetPaneOrientation();
    ProcessAll();
  }

};

TEST_F(DesktopWindowsTest, TheSplitterBarIsDraggedAndThePanesCanBeSideBySideOrStacked) {
  auto* splitter = dynamic_cast<SplitterPeer*>(session->Peers().PeerOf(PanesOf(explorer).m_hWnd));
  ASSERT_NE(splitter, nullptr);

  SetSideBySide(explorer, true);
  QRect tree = AreaRect(explorer->GetTreeView()), list = AreaRect(explorer->GetListView());
  EXPECT_GT(list.left(), tree.right()) << "side by side";
  EXPECT_EQ(list.top(), tree.top());
  std::vector<SplitterPeer::Bar> bars = splitter->Bars();
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_TRUE(bars[0].vertical);
  splitter->DragBar(bars[0], 220);
  EXPECT_EQ(AreaRect(explorer->GetTreeView()).width(), 220);

  SetSideBySide(explorer, false);
  tree = AreaRect(explorer->GetTreeView());
  list = AreaRect(explorer->GetListView());
  EXPECT_EQ(list.left(), tree.left());
  EXPECT_GT(list.top(), tree.bottom()) << "one above the other";
  bars = splitter->Bars();
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_FALSE(bars[0].vertical);
}

TEST_F(DesktopWindowsTest, ActivationClosingAndMovingGoBothWays) {
  CExplorerFrame* second = ExploreLibraries();
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(ShownSubWindows(Area()).size(), 2);
  EXPECT_EQ(Area().activeSubWindow()->windowTitle(), "Exploring - Libraries");
  session->Host().MainFrame()->MDIActivate(explorer);
  EXPECT_EQ(Area().activeSubWindow()->windowTitle(), "Exploring - Simulation");
  Area().setActiveSubWindow(ShownSubWindows(Area()).back());
  EXPECT_EQ(session->Host().MainFrame()->MDIGetActive(), second) << "activating a sub-window activates its frame";

  Area().activeSubWindow()->move(60, 70);
  EXPECT_EQ(second->Record()->rect.TopLeft(), CPoint(60, 70));

  HWND closing = second->m_hWnd;
  Area().activeSubWindow()->close();
  ProcessAll();
  EXPECT_FALSE(IsWindow(closing)) << "closing the sub-window closes the frame";
  EXPECT_EQ(ShownExplorers().size(), 1u);
  EXPECT_EQ(ShownSubWindows(Area()).size(), 1);
}

TEST_F(DesktopWindowsTest, MenusAndToolbarRouteCommandsToTheActiveFrame) {
  MainWindow& window = session->Window();
  window.Perform(ID_VIEW_DETAILS);
  ProcessAll();
  EXPECT_EQ(explorer->GetListView()->GetViewStyle(), static_cast<DWORD>(LVS_REPORT));
  window.UpdateCommandStates();
  int seen = 0;
  for (QAction* action : window.Toolbar()->actions()) {
    UINT command = CommandOf(action);
    if (command == ID_VIEW_DETAILS) {
      EXPECT_TRUE(action->isChecked());
      ++seen;
    } else if (command == ID_VIEW_LARGE_ICONS) {
      EXPECT_FALSE(action->isChecked());
      ++seen;
    }
  }
  EXPECT_EQ(seen, 2);
}

TEST_F(DesktopWindowsTest, WindowMenuCascadesAndTilesTheChildWindows) {
  MainWindow& window = session->Window();
  CExplorerFrame* second = ExploreLibraries();
  ASSERT_NE(second, nullptr);
  QMenu* windowMenu = nullptr;
  for (QAction* action : window.menuBar()->actions())
    if (action->text().remove('&') == "Window") windowMenu = action->menu();
  ASSERT_NE(windowMenu, nullptr);
  QAction* cascade = nullptr;
  QAction* tile = nullptr;
  for (QAction* action : windowMenu->actions()) {
    const QString text = action->text().remove('&');
    if (text == "Cascade") cascade = action;
    if (text == "Tile Vertically") tile = action;
  }
  ASSERT_NE(cascade, nullptr);
  ASSERT_NE(tile, nullptr);
  Q_EMIT windowMenu->aboutToShow();
  EXPECT_TRUE(cascade->isEnabled());
  EXPECT_TRUE(tile->isEnabled());

  tile->trigger();
  ProcessAll();
  const QSize area = Area().viewport()->size();
  const QRect left = AreaRect(explorer), right = AreaRect(second);
  EXPECT_EQ(std::min(left.left(), right.left()), 0);
  EXPECT_NEAR(left.width() + right.width(), area.width(), 20) << "side by side across the area";
  EXPECT_NEAR(left.height(), area.height(), 30);

  cascade->trigger();
  ProcessAll();
  EXPECT_EQ(explorer->Record()->rect.Width(), second->Record()->rect.Width());
  EXPECT_NE(explorer->Record()->rect.TopLeft(), second->Record()->rect.TopLeft());
  EXPECT_EQ(Area().activeSubWindow(), WidgetOf(second)) << "the active window stays in front";
}

}  // namespace
