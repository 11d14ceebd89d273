// Builds a node's context menu: a command is added only when the node can do
// it at that moment (CanDoCommand), so a menu never offers what would fail.
#pragma once

#include "platform/Menu.h"

class CExplorerObject;

class CContextMenuBuilder {
 public:
  // menu is made a popup menu when it is not one yet.
  CContextMenuBuilder(CExplorerObject& node, CMenu& menu);

  // Appends command when the node can do it; its text is string textId, or
  // the string with the command's own id when textId is 0. True when added.
  bool Add(UINT command, UINT textId = 0, UINT flags = MF_STRING);
  void AddSeparator();
  // Appends a popup submenu as it is (the caller built it with its own builder).
  void AddPopup(UINT textId, std::shared_ptr<CMenu> popup);

  CMenu& Menu() { return m_menu; }
  int ItemCount() const { return m_menu.GetMenuItemCount(); }

 private:
  CExplorerObject& m_node;
  CMenu& m_menu;
};
