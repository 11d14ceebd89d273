// What the tree pane does with the tree's notifications and keys: images,
// selection, lazy expansion, clicks, context menus, label edits and the
// commands it handles itself.
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/MenuIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerTreeView.h"
#include "platform/Command.h"
#include "platform/Resources.h"

bool CExplorerTreeView::OnReflectedNotify(NMHDR* header, LRESULT* result) {
  *result = 0;
  switch (header->code) {
    case TVN_GETDISPINFO:
      OnGetDispInfo(reinterpret_cast<NMTVDISPINFO*>(header));
      return true;
    case TVN_SELCHANGED:
      OnSelChanged(reinterpret_cast<NMTREEVIEW*>(header));
      return true;
    case TVN_SELCHANGING:
      OnSelChanging(reinterpret_cast<NMTREEVIEW*>(header));
      return true;
    case TVN_ITEMEXPANDING:
      OnExpandingItem(reinterpret_cast<NMTREEVIEW*>(header));
      return true;
    case NM_CLICK:
      OnClick();
      return true;
    case NM_DBLCLK:
      OnDblClick();
      *result = 1;  // the pane toggles the item itself
      return true;
    case NM_RCLICK:
      OnRClick();
      *result = 1;
      return true;
    case TVN_BEGINDRAG:
    case TVN_BEGINRDRAG:
      OnBeginDrag(reinterpret_cast<NMTREEVIEW*>(header), header->code == TVN_BEGINRDRAG);
      return true;
    case TVN_BEGINLABELEDIT:
      *result = OnBeginLabelEdit(reinterpret_cast<NMTVDISPINFO*>(header)) ? 0 : 1;
      return true;
    case TVN_ENDLABELEDIT:
      *result = OnEndLabelEdit(reinterpret_cast<NMTVDISPINFO*>(header)) ? 1 : 0;
      return true;
    default:
      return false;
  }
}

void CExplorerTreeView::OnGetDispInfo(NMTVDISPINFO* info) {
  if (!(info->item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE))) return;
  CExplorerObject* object = GetExplorerObject(info->item.hItem);
  if (!object) return;
  const bool open = GetItemState(info->item.hItem, TVIS_EXPANDED | TVIS_SELECTED) != 0;
  const int image = object->GetImage(0, open ? 1 : 0);
  info->item.iImage = image;
  info->item.iSelectedImage = image;
}

void CExplorerTreeView::OnSelChanged(NMTREEVIEW* info) { ReportSelection(info->itemNew.hItem); }

void CExplorerTreeView::OnSelChanging(NMTREEVIEW* info) {
  if (auto* container = AsContainer(GetExplorerObject(info->itemOld.hItem)))
    container->SelChanging();
}

// The item being opened makes its waiting children now; every expand and
// collapse is noted in its node.
void CExplorerTreeView::OnExpandingItem(NMTREEVIEW* info) {
  HTREEITEM item = info->itemNew.hItem;
  auto* container = AsContainer(GetExplorerObject(item));
  if (!container) return;
  if (info->action != TVE_EXPAND) {
    container->m_bExpanded = 0;
    return;
  }
  container->m_bExpanded = 1;
  if (!container->m_bChildrenDeferred) return;
  container->m_bChildrenDeferred = 0;
  FellChildren(item);
  container->ShowChildren(*this, item);
}

HTREEITEM CExplorerTreeView::HitTest(CPoint* screenPoint, int select) {
  CPoint cursor;
  GetCursorPos(&cursor);
  if (screenPoint) *screenPoint = cursor;
  ScreenToClient(&cursor);
  return HitTest(cursor, select);
}

HTREEITEM CExplorerTreeView::HitTest(CPoint clientPoint, int select) {
  UINT flags = 0;
  HTREEITEM item = CTreeCtrl::HitTest(clientPoint, &flags);
  if (item && select) SelectItem(item);
  return item;
}

void CExplorerTreeView::OnClick() {
  HTREEITEM item = HitTest(static_cast<CPoint*>(nullptr), 0);
  if (auto* container = AsContainer(GetExplorerObject(item)))
    container->ShowMoreContents(*this, item);
}

void CExplorerTreeView::OnDblClick() {
  if (HTREEITEM item = HitTest(static_cast<CPoint*>(nullptr), 0)) Expand(item, TVE_TOGGLE);
}

// ---------------------------------------------------------------- context menus

void CExplorerTreeView::TrackNodeMenu(CExplorerObject* object, CPoint screenPoint) {
  CExplorerFrame* frame = Frame();
  if (!object || !frame) return;
  CMenu menu;
  menu.CreatePopupMenu();
  if (object->BuildContextMenu(menu)) menu.TrackPopupMenu(TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, frame);
}

void CExplorerTreeView::TrackViewMenu(CPoint screenPoint) {
  CMenu menu;
  if (!menu.LoadMenu(IDM_TREE_VIEW)) return;
  if (CMenu* view = menu.GetSubMenu(0))
    view->TrackPopupMenu(TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, Frame());
}

void CExplorerTreeView::NoteContextMenuOpening(HTREEITEM item) {
  mbfHasUnconverged = 0;
  if (item && GetItemText(item) == LoadStringOrEmpty(IDS_DIAGNOSTICS) && ItemHasChildren(item)) {
    HTREEITEM found = nullptr;
    if (GetFirstUnconverged(item, found)) mbfHasUnconverged = 1;
  }
}

void CExplorerTreeView::OnRClick() {
  mbfHasUnconverged = 0;
  CPoint screen;
  HTREEITEM item = HitTest(&screen, 1);
  if (!item) {
    TrackViewMenu(screen);
    return;
  }
  NoteContextMenuOpening(item);
  if (auto* container = AsContainer(GetExplorerObject(item)))
    container->ShowMoreContents(*this, item);
  CExplorerObject* object = GetExplorerObject(item);
  if (!object) return;
  if (CExplorerFrame* frame = Frame()) frame->SendMessage(EXPLORER_FOCUS_CHANGED, 0, reinterpret_cast<LPARAM>(object));
  if (CExplorerObject::IsLive(object)) TrackNodeMenu(object, screen);
}

void CExplorerTreeView::OnContextMenu() {
  HTREEITEM item = GetSelectedItem();
  CExplorerObject* object = GetExplorerObject(item);
  if (!object) return;
  CRect text;
  GetItemRect(item, &text, TRUE);
  CPoint corner = text.TopLeft();
  ClientToScreen(&corner);
  TrackNodeMenu(object, corner);
}

bool CExplorerTreeView::OnCmdMsg(UINT id, int code, CCmdUI* ui) {
  const bool update = code == CN_UPDATE_COMMAND_UI;
  if (id == ID_CONTEXT_MENU) {
    if (update) {
      if (ui) ui->Enable(GetCurrentObject() != nullptr);
    } else {
      OnContextMenu();
    }
    return true;
  }
  if (id == ID_EDIT_PASTE) {
    CExplorerFrame* frame = Frame();
    if (!frame) return false;
    if (update) {
      CExplorerObject* current = frame->GetCurrentObject();
      if (ui) ui->Enable(current && current->CanDoCommand(ID_EXPLORER_PASTE));
    } else {
      frame->OnExplorerObjectCommand(ID_EXPLORER_PASTE);
    }
    return true;
  }
  return CTreeCtrl::OnCmdMsg(id, code, ui);
}

// ---------------------------------------------------------------- labels and keys

// The node decides; while its label is open it cannot be deleted.
bool CExplorerTreeView::OnBeginLabelEdit(NMTVDISPINFO* info) {
  CExplorerObject* object = GetExplorerObject(info->item.hItem);
  if (!object) return false;
  const int refused = object->DontEditLabel();
  object->SetDeletable(refused);
  return refused == 0;
}

bool CExplorerTreeView::OnEndLabelEdit(NMTVDISPINFO* info) {
  CExplorerObject* object = GetExplorerObject(info->item.hItem);
  if (!object) return false;
  const bool accepted = info->item.pszText && object->EditLabel(info->item.pszText);
  if (CExplorerObject::IsLive(object)) object->SetDeletable(1);
  return accepted;
}

void CExplorerTreeView::OnKeyDown(UINT key, UINT repeat, UINT flags) {
  if (key == VK_MULTIPLY) return;  // no expanding of a whole subtree
  CTreeCtrl::OnKeyDown(key, repeat, flags);
}

// While a label is edited, Enter ends the edit and Delete stays with the edit's text.
bool CExplorerTreeView::PreTranslateMessage(MSG* msg) {
  if (!IsEditingLabel() || msg->message != WM_KEYDOWN) return CTreeCtrl::PreTranslateMessage(msg);
  if (msg->wParam == VK_RETURN) {
    SetFocus();
    return true;
  }
  if (msg->wParam == VK_DELETE) {
    if (CWnd* edit = GetEditControl()) edit->SendMessage(WM_KEYDOWN, VK_DELETE);
    return true;
  }
  return CTreeCtrl::PreTranslateMessage(msg);
}

void CExplorerTreeView::OnSetFocus(CWnd* old) {
  CTreeCtrl::OnSetFocus(old);
  if (CExplorerFrame* frame = Frame()) frame->OnPaneFocused(this);
}

LRESULT CExplorerTreeView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CORVANECM_MODEL_EDITED) {
    OnModelEdited();
    return 1;
  }
  return CTreeCtrl::WindowProc(message, wParam, lParam);
}

void CExplorerTreeView::OnModelEdited() { UpdateDecomposition(0); }
