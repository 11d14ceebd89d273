// The shared command set: every command's menu and status texts are in the
// string table. (Context menus built from what a node can do are read by every
// node's menu test.)
#include "explorer/core/ExplorerCommands.h"
#include "explorer/resources/CommandIds.h"
#include "tests/explorer_core/ExplorerCoreTestSupport.h"

namespace {

using namespace explorer_test;
using ExplorerCommandSetTest = ExplorerCoreTest;

TEST_F(ExplorerCommandSetTest, SharedCommandsCarryTheirMenuAndStatusTexts) {
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
  EXPECT_EQ(FindExplorerCommand(ID_EXPLORER_LAST), nullptr) << "the end of the range is no command";
}

}  // namespace
