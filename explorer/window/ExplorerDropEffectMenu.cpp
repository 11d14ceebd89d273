#include "explorer/window/ExplorerDropEffectMenu.h"

#include <vector>

#include "explorer/resources/CommandIds.h"
#include "explorer/resources/MenuIds.h"
#include "platform/Window.h"

namespace {

DROPEFFECT EffectOf(UINT command) {
  switch (command) {
    case ID_DROP_MOVE: return DROPEFFECT_MOVE;
    case ID_DROP_COPY: return DROPEFFECT_COPY;
    case ID_DROP_LINK: return DROPEFFECT_LINK;
    default: return DROPEFFECT_NONE;
  }
}

bool IsDropCommand(UINT command) { return command >= ID_DROP_MOVE && command <= ID_DROP_CANCEL; }

}  // namespace

CExplorerDropEffectMenu::CExplorerDropEffectMenu(DROPEFFECT allowed, DROPEFFECT defaultEffect) {
  CreatePopupMenu();
  CMenu resource;
  if (resource.LoadMenu(IDM_DROP_EFFECT)) {
    if (const CMenu* items = resource.GetSubMenu(0)) {
      for (const MenuItem& item : items->Items()) AppendMenu(item.flags & MF_SEPARATOR, item.id, item.text);
    }
  }
  EnableMenuItem(ID_DROP_MOVE, (allowed & DROPEFFECT_MOVE) ? MF_ENABLED : MF_GRAYED);
  EnableMenuItem(ID_DROP_COPY, (allowed & DROPEFFECT_COPY) ? MF_ENABLED : MF_GRAYED);
  EnableMenuItem(ID_DROP_LINK, (allowed & DROPEFFECT_LINK) ? MF_ENABLED : MF_GRAYED);
  UINT defaultItem = ID_DROP_CANCEL;
  if (defaultEffect & DROPEFFECT_COPY) {
    defaultItem = ID_DROP_COPY;
  } else if (defaultEffect & DROPEFFECT_MOVE) {
    defaultItem = ID_DROP_MOVE;
  } else if (defaultEffect & DROPEFFECT_LINK) {
    defaultItem = ID_DROP_LINK;
  }
  SetDefaultItem(defaultItem);
}

DROPEFFECT CExplorerDropEffectMenu::Track(CWnd& view, CPoint clientPoint) {
  if (!view.m_hWnd) return DROPEFFECT_NONE;
  CPoint screen = clientPoint;
  view.ClientToScreen(&screen);
  HWND target = view.m_hWnd;
  TrackPopupMenu(TPM_LEFTALIGN | TPM_NONOTIFY, screen.x, screen.y, &view);
  DROPEFFECT chosen = DROPEFFECT_NONE;
  std::vector<MSG> others;
  MSG msg;
  while (MessageQueue::Peek(&msg, target, WM_COMMAND, WM_COMMAND, true)) {
    UINT command = LOWORD(msg.wParam);
    if (IsDropCommand(command)) {
      chosen = EffectOf(command);
      break;
    }
    others.push_back(msg);
  }
  for (const MSG& other : others) ::PostMessage(other.hwnd, other.message, other.wParam, other.lParam);
  return chosen;
}
