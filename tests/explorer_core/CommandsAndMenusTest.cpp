// The shared command set with its menu and status texts, and context menus
// built only from the commands a node can do.
#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using CommandsAndMenusTest = ExplorerCoreTest;

TEST_F(CommandsAndMenusTest, SharedCommandsCarryTheirMenuAndStatusTexts) {
  // The texts themselves are read where menus show them; here, where they come from.
  // The default action has no menu item.
  EXPECT_EQ(ExplorerCommandMenuText(ID_EXPLORER_DEFAULT_ACTION), "");

  // Every menu text and status text of the set exists in the string table.
  for (const ExplorerCommand& command : ExplorerCommandSet()) {
    if (command.menuTextId) {
      EXPECT_FALSE(ExplorerCommandMenuText(command.id).empty()) << command.id;
    }
    if (command.statusTextId) {
      EXPECT_FALSE(ExplorerCommandStatusText(command.id).empty()) << command.id;
      EXPECT_EQ(command.statusTextId, command.id) << "a status text is the string of its command";
    }
    EXPECT_EQ(IsExplorerCommand(command.id), command.id >= ID_EXPLORER_FIRST && command.id <= ID_EXPLORER_LAST)
        << command.id;
  }
  EXPECT_EQ(FindExplorerCommand(54011), nullptr);
}

TEST_F(CommandsAndMenusTest, MenusOfferOnlyWhatTheNodeCanDoNow) {
  TestLeaf node(nullptr, nullptr);
  node.enabled = {ID_EXPLORER_EXPLORE, ID_EXPLORER_DELETE, ID_HOST_RUN};
  CMenu menu;
  CContextMenuBuilder build(node, menu);
  EXPECT_TRUE(build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE));
  EXPECT_FALSE(build.Add(ID_EXPLORER_PASTE, IDS_MENU_PASTE));
  build.AddSeparator();
  EXPECT_TRUE(build.Add(ID_EXPLORER_DELETE, IDS_MENU_DELETE));
  EXPECT_FALSE(build.Add(ID_EXPLORER_RENAME, IDS_MENU_RENAME));
  EXPECT_TRUE(build.Add(ID_HOST_RUN));  // text 0: the command's own string
  EXPECT_TRUE(build.Add(ID_EXPLORER_DELETE, 0, MF_STRING | MF_GRAYED));

  ASSERT_EQ(menu.GetMenuItemCount(), 5);
  EXPECT_EQ(menu.GetMenuItemID(0), ID_EXPLORER_EXPLORE);
  EXPECT_EQ(menu.GetMenuString(0, MF_BYPOSITION), "E&xplore");
  EXPECT_TRUE(menu.Items()[1].IsSeparator());
  EXPECT_EQ(menu.GetMenuString(2, MF_BYPOSITION), "&Delete\tDel");
  EXPECT_EQ(menu.GetMenuString(3, MF_BYPOSITION), "R&un\tF5");
  EXPECT_FALSE(menu.Items()[4].IsEnabled());
  EXPECT_EQ(menu.GetMenuString(4, MF_BYPOSITION), "Delete this item.");  // the command's own string

  // A node that can do nothing gets an empty menu.
  node.enabled.clear();
  CMenu empty;
  CContextMenuBuilder none(node, empty);
  for (const ExplorerCommand& command : ExplorerCommandSet()) none.Add(command.id, command.menuTextId);
  EXPECT_EQ(empty.GetMenuItemCount(), 0);
  EXPECT_TRUE(empty.IsCreated());
}

}  // namespace
