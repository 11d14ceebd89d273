// Commands named as a person reads them: the menu text without "&" and
// without the accelerator ("Rename", "Properties...", "Details"), or a
// numeric command id. The current node's context menu is searched first,
// then the Explorer's view and window menus, then the frame's own commands
// that have no menu item ("Close Explorer").
#pragma once

#include <string>

#include "platform/Menu.h"

class CExplorerObject;

// The context menu of node as its panes show it (empty when it offers nothing).
void BuildNodeMenu(CExplorerObject& node, CMenu& menu);
// The command id named by text for node (null: no current node); 0 when nothing has that name.
UINT FindCommandByName(CExplorerObject* node, const std::string& text);
