// What the contents pane does with the list's notifications and keys:
// images, clicks and double-clicks, selection, context menus, label edits,
// the commands it handles itself, and the link cells of variable lists.
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/MenuIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "platform/Draw.h"
#include "platform/TextTrim.h"

namespace {

constexpr int kLinkColumn = 4;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

bool NamesCalculatingGroup(const std::string& cellText) {
  const std::string text = TrimText(cellText);
  return text.rfind("Group", 0) == 0 || text.rfind("Torn in group", 0) == 0;
}

bool IsVariable(CExplorerObject* node) {
  return node && node->GetClassID() == CLSID_QVEOVariable;
}

}  // namespace

bool CExplorerListView::OnReflectedNotify(NMHDR* header, LRESULT* result) {
  *result = 0;
  switch (header->code) {
    case LVN_GETDISPINFO:
      OnGetDispInfo(reinterpret_cast<NMLVDISPINFO*>(header));
      return true;
    case NM_CLICK:
      OnClick(reinterpret_cast<NMITEMACTIVATE*>(header));
      return true;
    case NM_DBLCLK:
      OnDblClick(reinterpret_cast<NMITEMACTIVATE*>(header));
      return true;
    case NM_RCLICK:
      OnRClick(reinterpret_cast<NMITEMACTIVATE*>(header));
      *result = 1;
      return true;
    case LVN_ITEMCHANGED:
      OnItemChanged(reinterpret_cast<NMLISTVIEW*>(header));
      return true;
    case LVN_COLUMNCLICK:
      OnColumnClick(reinterpret_cast<NMLISTVIEW*>(header));
      return true;
    case LVN_BEGINDRAG:
    case LVN_BEGINRDRAG:
      OnBeginDrag(reinterpret_cast<NMLISTVIEW*>(header), header->code == LVN_BEGINRDRAG);
      return true;
    case LVN_BEGINLABELEDIT:
      *result = OnBeginLabelEdit(reinterpret_cast<NMLVDISPINFO*>(header)) ? 0 : 1;
      return true;
    case LVN_ENDLABELEDIT:
      *result = OnEndLabelEdit(reinterpret_cast<NMLVDISPINFO*>(header)) ? 1 : 0;
      return true;
    case NM_CUSTOMDRAW:
      *result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
      return true;
    case LVN_INSERTITEM:
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS:
    case LVN_ITEMCHANGING:
    case LVN_KEYDOWN:
      return true;  // nothing to do, and nothing for the parent
    default:
      return false;
  }
}

void CExplorerListView::OnGetDispInfo(NMLVDISPINFO* info) {
  if (!(info->item.mask & LVIF_IMAGE)) return;
  auto* node = reinterpret_cast<CExplorerObject*>(info->item.lParam);
  if (!CExplorerObject::IsLive(node)) return;
  info->item.iImage = node->GetImage(GetViewStyle() == LVS_ICON ? 1 : 0, 0);
}

// ---------------------------------------------------------------- clicks

void CExplorerListView::OnClick(NMITEMACTIVATE* info) {
  const int row = info->iItem;
  if (row >= 0 && info->iSubItem >= 0 && NamesCalculatingGroup(GetItemText(row, info->iSubItem)) &&
      TrimText(GetColumnHeading(info->iSubItem)) == "Calculated") {
    SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    CExplorerObject* node = GetRowObject(row);
    if (IsVariable(node) && node->CanDoCommand(ID_EXPLORER_FIND_GROUP)) node->DoCommand(ID_EXPLORER_FIND_GROUP);
  }
  // The link may have changed the rows: the row is read again.
  CExplorerObject* node = GetRowObject(row);
  if (CExplorerFrame* frame = Frame()) frame->SendMessage(EXPLORER_FOCUS_CHANGED, 0, reinterpret_cast<LPARAM>(node));
  if (CExplorerObject::IsLive(node) && !node->IsContainer()) node->OnSelect();
}

void CExplorerListView::ActivateRow(int row) {
  CExplorerObject* node = GetRowObject(row);
  if (!node) return;
  if (node->IsContainer()) {
    if (CExplorerFrame* frame = Frame()) frame->PostNodeMessage(EXPLORER_EXPAND_CONTAINER, node);
  } else {
    node->DoDefaultAction();
  }
}

void CExplorerListView::OnDblClick(NMITEMACTIVATE* info) { ActivateRow(info->iItem); }

void CExplorerListView::OnDefaultAction() { ActivateRow(GetNextItem(-1, LVNI_SELECTED)); }

void CExplorerListView::OnItemChanged(NMLISTVIEW* info) {
  if (!(info->uChanged & LVIF_STATE)) return;
  if (!(info->uNewState & LVIS_SELECTED) || (info->uOldState & LVIS_SELECTED)) return;
  CExplorerObject* node = GetRowObject(info->iItem);
  if (!node || node->IsContainer()) return;
  node->OnSelect();
  if (CExplorerFrame* frame = Frame()) frame->SetCurrentObject(node);
}

// ---------------------------------------------------------------- context menus

void CExplorerListView::TrackNodeMenu(CExplorerObject* node, CPoint screenPoint) {
  CExplorerFrame* frame = Frame();
  if (!node || !frame) return;
  CMenu menu;
  menu.CreatePopupMenu();
  if (node->BuildContextMenu(menu)) menu.TrackPopupMenu(TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, frame);
}

void CExplorerListView::OnRClick(NMITEMACTIVATE* info) {
  CPoint cursor;
  GetCursorPos(&cursor);
  CExplorerFrame* frame = Frame();
  if (CExplorerObject* node = GetRowObject(info->iItem)) {
    if (frame) frame->SendMessage(EXPLORER_FOCUS_CHANGED, 0, reinterpret_cast<LPARAM>(node));
    if (CExplorerObject::IsLive(node)) TrackNodeMenu(node, cursor);
    return;
  }
  CMenu menu;
  if (!menu.LoadMenu(IDM_CONTENTS_VIEW)) return;
  if (CMenu* view = menu.GetSubMenu(0)) view->TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, frame);
}

void CExplorerListView::OnContextMenu() {
  const int row = GetNextItem(-1, LVNI_SELECTED);
  CExplorerObject* node = GetRowObject(row);
  if (!node) return;
  CRect label;
  GetItemRect(row, &label, LVIR_LABEL);
  CPoint corner = label.TopLeft();
  ClientToScreen(&corner);
  TrackNodeMenu(node, corner);
}

bool CExplorerListView::OnCmdMsg(UINT id, int code, CCmdUI* ui) {
  const bool update = code == CN_UPDATE_COMMAND_UI;
  if (id == ID_CONTEXT_MENU || id == ID_DEFAULT_ACTION) {
    if (update) {
      if (ui) ui->Enable(GetCurrentObject() != nullptr);
    } else if (id == ID_CONTEXT_MENU) {
      OnContextMenu();
    } else {
      OnDefaultAction();
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
  return CListCtrl::OnCmdMsg(id, code, ui);
}

// ---------------------------------------------------------------- labels and keys

bool CExplorerListView::OnBeginLabelEdit(NMLVDISPINFO* info) {
  CExplorerObject* node = GetRowObject(info->item.iItem);
  return node && node->DontEditLabel() == 0;
}

bool CExplorerListView::OnEndLabelEdit(NMLVDISPINFO* info) {
  CExplorerObject* node = GetRowObject(info->item.iItem);
  return node && info->item.pszText && node->EditLabel(info->item.pszText);
}

// While a label is edited, Delete and Enter belong to the edit.
bool CExplorerListView::PreTranslateMessage(MSG* msg) {
  if (IsEditingLabel() && msg->message == WM_KEYDOWN && (msg->wParam == VK_DELETE || msg->wParam == VK_RETURN)) {
    if (CWnd* edit = GetEditControl()) edit->SendMessage(WM_KEYDOWN, msg->wParam);
    return true;
  }
  return CListCtrl::PreTranslateMessage(msg);
}

void CExplorerListView::OnSetFocus(CWnd* old) {
  CListCtrl::OnSetFocus(old);
  if (CExplorerFrame* frame = Frame()) frame->OnPaneFocused(this);
}

void CExplorerListView::OnActivateView(bool activate, CView*, CView*) {
  if (!activate || GetItemCount() == 0 || GetSelectedCount() > 0) return;
  SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

// ---------------------------------------------------------------- link cells

void CExplorerListView::ComputeLinks() {
  CExplorerTreeView* tree = TreeView();
  const void* firstRow = GetRowObject(0);
  HTREEITEM treeItem = tree ? tree->GetSelectedItem() : nullptr;
  if (m_linksValid && firstRow == m_linksFirstRow && treeItem == m_linksTreeItem) return;
  m_linksValid = true;
  m_linksFirstRow = firstRow;
  m_linksTreeItem = treeItem;
  m_linkRows.assign(static_cast<std::size_t>(GetItemCount()), 0);
  m_linkColumn = GetColumnCount() > kLinkColumn && TrimText(GetColumnHeading(kLinkColumn)) == "Calculated" ? kLinkColumn : -1;
  if (m_linkColumn < 0) return;
  for (int row = 0; row < GetItemCount(); ++row)
    m_linkRows[static_cast<std::size_t>(row)] = NamesCalculatingGroup(GetItemText(row, m_linkColumn)) ? 1 : 0;
}

bool CExplorerListView::IsLinkCell(int row, int column) const {
  return m_linkColumn >= 0 && column == m_linkColumn && row >= 0 &&
         static_cast<std::size_t>(row) < m_linkRows.size() && m_linkRows[static_cast<std::size_t>(row)];
}

LRESULT CExplorerListView::OnCustomDraw(NMLVCUSTOMDRAW* draw) {
  const DWORD stage = draw->nmcd.dwDrawStage;
  if (stage == CDDS_PREPAINT) {
    if (!m_windowTextRead) {
      m_windowText = GetSysColor(COLOR_WINDOWTEXT);
      m_windowTextRead = true;
    }
    return GetItemCount() > 0 && IsVariable(GetRowObject(0)) ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
  }
  if (stage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
  if (stage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) return CDRF_DODEFAULT;
  ComputeLinks();
  const bool link = IsLinkCell(static_cast<int>(draw->nmcd.dwItemSpec), draw->iSubItem);
  draw->clrText = link ? kLinkColour : m_windowText;
  draw->underline = link;
  return CDRF_NEWFONT;
}
