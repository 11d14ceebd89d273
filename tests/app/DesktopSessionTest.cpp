// The desktop program as a user starts it: the sample in its Explorer, views, sheets and the Model Libraries palette
// (the menus' texts are the resource tables', their prompts the popup menu test's).
#include <gtest/gtest.h>

#include <memory>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTreeView>

#include "app/CommandIds.h"
#include "app/DesktopSession.h"
#include "app/LibraryToolbar.h"
#include "app/MainWindow.h"
#include "app/MessageWindow.h"
#include "app/peers/ListCtrlPeer.h"
#include "app/peers/TreeCtrlPeer.h"
#include "app/ui/PopupMenu.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "tests/app/AppTestSupport.h"
#include "tests/app/StartedDesktopTest.h"
#include "tests/support/ScopedConfigDir.h"

namespace {

// The desktop program as a user starts it: the sample simulation with the
// Explorer that opens at start.
class DesktopSessionTest : public StartedDesktopTest {
 protected:

  MainWindow& Window() { return session->Window(); }
  QMdiArea& Area() { return *session->Window().MdiArea(); }
  // The sub-windows a person sees (the toolbar provider's Explorer has a hidden one).
  QList<QMdiSubWindow*> SubWindows() { return ShownSubWindows(Area()); }
  TreeCtrlPeer* TreePeer(CExplorerFrame* frame) {
    return dynamic_cast<TreeCtrlPeer*>(session->Peers().PeerOf(frame->GetTreeView()->m_hWnd));
  }
  ListCtrlPeer* ListPeer(CExplorerFrame* frame) {
    return dynamic_cast<ListCtrlPeer*>(session->Peers().PeerOf(frame->GetListView()->m_hWnd));
  }
  static QStringList Texts(QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
  }
  static QStringList Tabs(QTabBar* tabs) {
    QStringList texts;
    for (int tab = 0; tab < tabs->count(); ++tab) texts << tabs->tabText(tab);
    return texts;
  }

};

TEST_F(DesktopSessionTest, TheSampleOpensInAnExplorerRootedAtTheSimulationWithItsTopLevelItems) {
  ASSERT_EQ(SubWindows().size(), 1);
  QMdiSubWindow* sub = SubWindows().front();
  EXPECT_EQ(sub->windowTitle(), "Exploring - Simulation");
  EXPECT_EQ(sub->geometry(), Area().viewport()->rect()) << "the first Explorer fills the area";

  TreeCtrlPeer* tree = TreePeer(explorer);
  ASSERT_NE(tree, nullptr);
  QAbstractItemModel& model = *tree->Model();
  ASSERT_EQ(model.rowCount(), 1) << "the root item";
  QModelIndex root = model.index(0, 0);
  EXPECT_EQ(model.data(root).toString(), "Simulation");
  QStringList topLevel;
  for (int row = 0; row < model.rowCount(root); ++row) topLevel << model.data(model.index(row, 0, root)).toString();
  EXPECT_TRUE(topLevel.contains("Custom Modeling")) << topLevel.join(", ").toStdString();
  EXPECT_TRUE(topLevel.contains("Libraries")) << topLevel.join(", ").toStdString();
  EXPECT_TRUE(tree->View()->isExpanded(root)) << "the root is shown open";
  EXPECT_EQ(tree->View()->uniformRowHeights(), true) << "rows are not measured one by one";

  ListCtrlPeer* list = ListPeer(explorer);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Model()->rowCount(), explorer->GetListView()->GetItemCount()) << "the contents pane is drawn";
}

// Reads the item texts of the popup that opens next, then closes it.
void ReadAndCloseNextPopup(QStringList& texts) {
  QTimer::singleShot(0, [&texts] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup) return;
    for (QAction* action : popup->actions()) texts << action->text();
    popup->close();
  });
}

TEST_F(DesktopSessionTest, ARightClickOnATreeItemShowsTheNodesMenu) {
  TreeCtrlPeer* tree = TreePeer(explorer);
  ASSERT_NE(tree, nullptr);
  QModelIndex root = tree->Model()->index(0, 0);
  QModelIndex libraries;
  for (int row = 0; row < tree->Model()->rowCount(root); ++row)
    if (tree->Model()->index(row, 0, root).data().toString() == "Libraries") libraries = tree->Model()->index(row, 0, root);
  ASSERT_TRUE(libraries.isValid());
  QStringList texts;
  ReadAndCloseNextPopup(texts);
  ClickAt(tree->View()->viewport(), tree->View()->visualRect(libraries).center(), Qt::RightButton);
  ProcessAll();
  EXPECT_TRUE(texts.contains("E&xplore")) << texts.join(" | ").toStdString();
  EXPECT_EQ(ShownExplorers().size(), 1u) << "dismissing the menu performs nothing";
}

TEST_F(DesktopSessionTest, CustomModelingPropertiesIsARealGridWhoseNameButtonsSelectInBold) {
  CExplorerTreeView* tree = explorer->GetTreeView();
  HTREEITEM custom = tree->FindItemByLabels({"Simulation", "Custom Modeling"});
  ASSERT_TRUE(custom);
  ASSERT_TRUE(tree->UserClick(custom));
  QString title, visibleTip;
  bool boldAfterClick = false, scrollBarShown = true, moveUpEnabled = false;
  QStringList names;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    title = modal->windowTitle();
    for (QLabel* label : modal->findChildren<QLabel*>())
      if (label->text() == "Visible") visibleTip = label->toolTip();
    for (QScrollBar* bar : modal->findChildren<QScrollBar*>()) scrollBarShown = scrollBarShown && bar->isVisible();
    QPushButton* obsolete = nullptr;
    for (QPushButton* button : modal->findChildren<QPushButton*>()) {
      if (button->isEnabled() && !button->text().isEmpty()) names << button->text();
      if (button->text() == "Obsolete") obsolete = button;
    }
    if (obsolete) {
      obsolete->click();
      ProcessAll();
      boldAfterClick = obsolete->font().bold();
    }
    for (QPushButton* button : modal->findChildren<QPushButton*>())
      if (button->text() == "Move Up") moveUpEnabled = button->isEnabled();
    modal->close();
  });
  ASSERT_TRUE(explorer->RunCommand(ID_EXPLORER_PROPERTIES));
  ProcessAll();
  EXPECT_EQ(title, "Custom Modeling Properties");
  EXPECT_TRUE(names.contains("Storage") && names.contains("FlowControl") && names.contains("Obsolete"))
      << names.join(" | ").toStdString();
  EXPECT_FALSE(scrollBarShown) << "three folders fit the grid";
  EXPECT_EQ(visibleTip, "If checked then a folder is visible in Model Libraries toolbar");
  EXPECT_TRUE(boldAfterClick) << "the selected folder's name is bold";
  EXPECT_TRUE(moveUpEnabled);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the sheet is gone";
}

TEST_F(DesktopSessionTest, TheModelLibrariesPaletteShowsTheSampleLibrariesTabsModelsAndStreamTypes) {
  ASSERT_NE(session->Toolbar(), nullptr);
  EXPECT_TRUE(session->Toolbar()->isVisible());
  QStringList libraries;
  for (int i = 0; i < session->Toolbar()->Libraries()->count(); ++i) libraries << session->Toolbar()->Libraries()->itemText(i);
  EXPECT_EQ(libraries, (QStringList{"Custom Modeling", "ProcessUnits", "Modeler", "SystemLibrary"}));
  EXPECT_EQ(Tabs(session->Toolbar()->Tabs()), (QStringList{"Tanks and vessels", "Valves, pumps and their control", "Models"}))
      << "the hidden folder Obsolete has no tab";
  EXPECT_EQ(Texts(session->Toolbar()->Models()), (QStringList{"BufferTank", "ProductTank"}));
  const QImage picture = session->Toolbar()->Models()->item(0)->icon().pixmap(32, 32).toImage();
  EXPECT_GT(ColourCount(picture), 1) << "the model's picture is drawn";
  EXPECT_EQ(Texts(session->Toolbar()->Streams()), (QStringList{"LiquidLine", "SignalLine"}));
  EXPECT_GT(ColourCount(session->Toolbar()->Streams()->item(0)->icon().pixmap(48, 16).toImage()), 1) << "its line is drawn";

  session->Toolbar()->Tabs()->setCurrentIndex(1);
  EXPECT_EQ(Texts(session->Toolbar()->Models()), (QStringList{"ControlValve", "TransferPump", "LevelController"}));
  session->Toolbar()->Libraries()->setCurrentIndex(1);
  EXPECT_EQ(Tabs(session->Toolbar()->Tabs()), (QStringList{"Tanks and drums", "Control and hand valves", "Models"}));
  EXPECT_EQ(Texts(session->Toolbar()->Models()), (QStringList{"OpenTank"}));
}

TEST_F(DesktopSessionTest, AModelRenamedInTheExplorerIsShownInThePaletteUnderItsNewName) {
  CExplorerTreeView* tree = explorer->GetTreeView();
  HTREEITEM item = tree->FindItemByLabels({"Simulation", "Custom Modeling", "Storage", "BufferTank"});
  ASSERT_TRUE(item);
  ASSERT_TRUE(tree->GetExplorerObject(item)->EditLabel("SurgeTank"));
  ProcessAll();
  EXPECT_EQ(Texts(session->Toolbar()->Models()), (QStringList{"SurgeTank", "ProductTank"}));
  EXPECT_FALSE(session->Window().statusBar()->currentMessage().startsWith("toolbar:"))
      << "the palette shows the change; the status bar is not for its notices";
}

}  // namespace
