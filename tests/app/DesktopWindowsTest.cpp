#include <gtest/gtest.h>

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QTreeView>

#include "app/CommandIds.h"
#include "app/peers/ListCtrlPeer.h"
#include "app/peers/SplitterPeer.h"
#include "app/peers/TreeCtrlPeer.h"
#include "app/ui/PopupMenu.h"
#include "explorer/resources/CommandIds.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/DemoDesktop.h"

namespace {

class DesktopWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override { child = desktop.OpenChild("Exploring - Simulation", CRect(10, 10, 520, 380)); }

  QWidget* WidgetOf(CWnd* window) {
    WindowPeer* peer = window ? desktop.Peers().PeerOf(window->m_hWnd) : nullptr;
    return peer ? peer->Widget() : nullptr;
  }
  QRect AreaRect(CWnd* window) {  // the widget's rectangle in the MDI area's viewport
    QWidget* widget = WidgetOf(window);
    QWidget* area = desktop.Window().MdiArea()->viewport();
    return QRect(widget->mapTo(area, QPoint(0, 0)), widget->size());
  }

  DemoDesktop desktop;
  DemoChildFrame* child = nullptr;
};

TEST_F(DesktopWindowsTest, AChildFrameIsASubWindowWithItsSplitterTreeAndList) {
  ASSERT_NE(child, nullptr);
  QMdiArea& area = *desktop.Window().MdiArea();
  ASSERT_EQ(area.subWindowList().size(), 1);
  QMdiSubWindow* sub = area.subWindowList().front();
  EXPECT_EQ(sub->windowTitle(), "Exploring - Simulation");
  EXPECT_EQ(sub->geometry(), QRect(10, 10, 510, 370)) << "the frame's rectangle is the sub-window's";
  EXPECT_EQ(area.activeSubWindow(), sub);

  QRect tree = AreaRect(child->Tree());
  QRect list = AreaRect(child->List());
  EXPECT_EQ(tree.width(), 160) << "the splitter's first column";
  EXPECT_GT(list.left(), tree.right()) << "side by side";
  EXPECT_EQ(list.top(), tree.top());
  CRect frameClient;
  child->Splitter().GetClientRect(&frameClient);
  EXPECT_EQ(frameClient.Width(), sub->widget()->width()) << "the view fills the frame's client area";

  auto* treePeer = dynamic_cast<TreeCtrlPeer*>(desktop.Peers().PeerOf(child->Tree()->m_hWnd));
  ASSERT_NE(treePeer, nullptr);
  EXPECT_EQ(treePeer->Model()->rowCount(treePeer->Model()->index(0, 0)), 4) << "the tree's top-level items";
}

TEST_F(DesktopWindowsTest, TheSplitterBarIsDraggedAndThePanesCanBeStacked) {
  auto* splitter = dynamic_cast<SplitterPeer*>(desktop.Peers().PeerOf(child->Splitter().m_hWnd));
  ASSERT_NE(splitter, nullptr);
  std::vector<SplitterPeer::Bar> bars = splitter->Bars();
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_TRUE(bars[0].vertical);
  splitter->DragBar(bars[0], 220);
  EXPECT_EQ(AreaRect(child->Tree()).width(), 220);

  // Stack the panes the way the Explorer frame turns its layout.
  CSplitterWnd& grid = child->Splitter();
  std::swap(grid.m_nRows, grid.m_nCols);
  std::swap(grid.m_nMaxRows, grid.m_nMaxCols);
  std::swap(grid.m_pRowInfo, grid.m_pColInfo);
  child->List()->SetDlgCtrlID(grid.IdFromRowCol(1, 0));
  grid.RecalcLayout();
  ProcessAll();
  QRect tree = AreaRect(child->Tree());
  QRect list = AreaRect(child->List());
  EXPECT_EQ(list.left(), tree.left());
  EXPECT_GT(list.top(), tree.bottom()) << "one above the other";
  bars = splitter->Bars();
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_FALSE(bars[0].vertical);
}

TEST_F(DesktopWindowsTest, ActivationClosingAndMovingGoBothWays) {
  DemoChildFrame* second = desktop.OpenChild("Exploring - Libraries", CRect(40, 40, 400, 300));
  ASSERT_NE(second, nullptr);
  QMdiArea& area = *desktop.Window().MdiArea();
  EXPECT_EQ(area.activeSubWindow()->windowTitle(), "Exploring - Libraries");
  desktop.Frame().MDIActivate(child);
  EXPECT_EQ(area.activeSubWindow()->windowTitle(), "Exploring - Simulation");
  area.setActiveSubWindow(area.subWindowList().back());
  EXPECT_EQ(desktop.Frame().MDIGetActive(), second) << "activating a sub-window activates its frame";

  area.activeSubWindow()->move(60, 70);
  EXPECT_EQ(second->Record()->rect.TopLeft(), CPoint(60, 70));

  HWND closing = second->m_hWnd;
  area.activeSubWindow()->close();
  ProcessAll();
  EXPECT_FALSE(IsWindow(closing)) << "closing the sub-window closes the frame";
  EXPECT_EQ(area.subWindowList().size(), 1);
}

TEST_F(DesktopWindowsTest, MenusAndToolbarRouteCommandsToTheActiveFrame) {
  MainWindow& window = desktop.Window();
  QStringList menus;
  for (QAction* action : window.menuBar()->actions()) menus << action->text().remove('&');
  EXPECT_TRUE(menus.contains("File"));
  EXPECT_TRUE(menus.contains("View"));

  window.Perform(ID_VIEW_DETAILS);
  EXPECT_EQ(child->List()->GetViewStyle(), static_cast<DWORD>(LVS_REPORT));
  auto* listPeer = dynamic_cast<ListCtrlPeer*>(desktop.Peers().PeerOf(child->List()->m_hWnd));
  ASSERT_NE(listPeer, nullptr);
  EXPECT_EQ(listPeer->CurrentView(), listPeer->DetailsView()) << "the new view style is drawn";
  window.UpdateCommandStates();
  for (QAction* action : window.Toolbar()->actions()) {
    UINT command = CommandOf(action);
    if (command == ID_VIEW_DETAILS) {
      EXPECT_TRUE(action->isChecked());
    } else if (command == ID_VIEW_LARGE_ICONS) {
      EXPECT_FALSE(action->isChecked());
    } else if (command == ID_VIEW_REFRESH) {
      EXPECT_FALSE(action->isEnabled()) << "no one handles Refresh here";
    }
  }
}

TEST_F(DesktopWindowsTest, WindowMenuCascadesAndTilesTheChildWindows) {
  MainWindow& window = desktop.Window();
  DemoChildFrame* second = desktop.OpenChild("Exploring - UOM Sets", CRect(40, 40, 215, 575));
  ProcessAll();
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
  const QSize area = window.MdiArea()->viewport()->size();
  const QRect left = AreaRect(child), right = AreaRect(second);
  EXPECT_EQ(std::min(left.left(), right.left()), 0);
  EXPECT_NEAR(left.width() + right.width(), area.width(), 20) << "side by side across the area";
  EXPECT_NEAR(left.height(), area.height(), 30);

  cascade->trigger();
  ProcessAll();
  EXPECT_EQ(child->Record()->rect.Width(), second->Record()->rect.Width());
  EXPECT_NE(child->Record()->rect.TopLeft(), second->Record()->rect.TopLeft());
  EXPECT_EQ(window.MdiArea()->activeSubWindow(), WidgetOf(second)) << "the active window stays in front";
}

}  // namespace
