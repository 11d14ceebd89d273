// The explorer's shared command set (54001-54500): the commands context menus,
// the frame's menu and its accelerators route to the node that has the focus,
// with their menu texts and status texts, and the host's commands that nodes
// put into their menus for the host to perform (the host's run commands have
// menu texts under their own ids, the other two texts of their own).
#pragma once

#include <string>
#include <vector>

#include "explorer/resources/CommandIds.h"
#include "platform/Types.h"

struct ExplorerCommand {
  UINT id = 0;
  UINT menuTextId = 0;    // 0: no menu item (the default action)
  UINT statusTextId = 0;  // 0: no status text
};

// Every command of the shared set and the host commands nodes offer, in id order within each group.
const std::vector<ExplorerCommand>& ExplorerCommandSet();
// The entry for id, or null.
const ExplorerCommand* FindExplorerCommand(UINT id);
bool IsExplorerCommand(UINT id);  // in the shared range 54001-54500
// The menu text of id ("&Copy"), empty when the command has none.
std::string ExplorerCommandMenuText(UINT id);
// The status-bar text of id, empty when the command has none.
std::string ExplorerCommandStatusText(UINT id);
