#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "app/ui/PopupMenu.h"
#include "app/ui/QtUserInterface.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/ExplorerResources.h"
#include "platform/Menu.h"
#include "tests/app/AppTestSupport.h"

namespace {

class PopupMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    RegisterExplorerResources();
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 101, "&Open\tCtrl+O");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | MF_GRAYED, 102, "Grayed");
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_VIEW_LARGE_ICONS, "Lar&ge Icons");
    auto more = std::make_shared<CMenu>();
    more->CreatePopupMenu();
    more->AppendMenu(MF_STRING, 104, "Inner");
    menu.AppendPopup("&More", more);
    menu.SetDefaultItem(101);
  }

  // Chooses, once the menu is open, the item with command (0: dismisses the menu).
  static void ChooseWhenOpen(UINT command) {
    QTimer::singleShot(0, [command] {
      auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!open) {
        ADD_FAILURE() << "no menu opened";
        return;
      }
      if (command == 0) {
        open->close();
        return;
      }
      QList<QMenu*> menus = open->findChildren<QMenu*>();
      menus.prepend(open);
      for (QMenu* each : menus) {
        for (QAction* action : each->actions()) {
          if (CommandOf(action) == command) return action->trigger();
        }
      }
      ADD_FAILURE() << "no item for " << command;
      open->close();
    });
  }

  CMenu menu;
};

TEST_F(PopupMenuTest, TheQtMenuKeepsTextsStatesSubMenusAndPrompts) {
  QMenu qt;
  FillMenu(qt, menu);
  QList<QAction*> actions = qt.actions();
  ASSERT_EQ(actions.size(), 5);
  EXPECT_EQ(actions[0]->text(), "&Open\tCtrl+O");
  EXPECT_TRUE(actions[0]->font().bold()) << "the default item stands out";
  EXPECT_TRUE(actions[1]->isSeparator());
  EXPECT_FALSE(actions[2]->isEnabled());
  EXPECT_TRUE(actions[3]->isChecked());
  EXPECT_EQ(actions[3]->statusTip(), "Display the items in the contents pane as large icons");
  ASSERT_NE(actions[4]->menu(), nullptr);
  EXPECT_EQ(CommandOf(actions[4]->menu()->actions().value(0)), 104u);
}

TEST_F(PopupMenuTest, AChosenItemGivesItsCommandAndDismissingGivesNone) {
  ChooseWhenOpen(104);
  EXPECT_EQ(RunPopupMenu(menu, QPoint(20, 20), nullptr), 104u);
  ChooseWhenOpen(0);
  EXPECT_EQ(RunPopupMenu(menu, QPoint(20, 20), nullptr), 0u);
}

}  // namespace
