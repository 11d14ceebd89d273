#include "explorer/core/ContextMenuBuilder.h"

#include "explorer/core/ExplorerObject.h"
#include "platform/Resources.h"

CContextMenuBuilder::CContextMenuBuilder(CExplorerObject& node, CMenu& menu) : m_node(node), m_menu(menu) {
  if (!m_menu.IsCreated()) m_menu.CreatePopupMenu();
}

bool CContextMenuBuilder::Add(UINT command, UINT textId, UINT flags) {
  if (!m_node.CanDoCommand(command)) return false;
  return m_menu.AppendMenu(flags, command, LoadStringOrEmpty(textId ? textId : command));
}

void CContextMenuBuilder::AddSeparator() { m_menu.AppendMenu(MF_SEPARATOR); }

void CContextMenuBuilder::AddPopup(UINT textId, std::shared_ptr<CMenu> popup) {
  m_menu.AppendPopup(LoadStringOrEmpty(textId), std::move(popup));
}
