// Filling the panes: columns with their stored widths, rows and tree items
// for nodes, and clearing a list together with the nodes it owns.
#include <vector>

#include "explorer/core/ColumnWidths.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/QVExplorer.h"
#include "platform/Resources.h"

int CExplorerObject::GetColumnWidthKey(std::string& key) {
  std::string settings;
  if (!CQVExplorer::GetSettingsRegistryKeyName(GetClassID(), settings)) return 0;
  key = settings + "\\Column Widths";
  return 1;
}

void CExplorerObject::InsertColumns(CListCtrl& list, int count, const UINT titleIds[]) {
  std::string key;
  if (!GetColumnWidthKey(key)) key.clear();
  CColumnWidths widths(key);
  for (int column = 0; column < count; ++column) {
    list.InsertColumn(column, LoadStringOrEmpty(titleIds[column]), LVCFMT_LEFT,
                      widths.Width(column, CColumnWidths::DefaultWidth(column)));
  }
}

int CExplorerObject::InsertListItem(CListCtrl& list, int position, CExplorerObject* node) {
  if (!node) return -1;
  std::string text;
  node->GetDisplayText(EOAspectName, text);
  LVITEM item;
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  item.iItem = position;
  item.pszText = text.data();
  item.iImage = I_IMAGECALLBACK;
  item.lParam = reinterpret_cast<LPARAM>(node);
  item.stateMask = LVIS_OVERLAYMASK;
  int overlay = 0;
  if (node->GetOverlay(overlay)) {
    item.state = static_cast<UINT>(overlay);
  } else if (node->m_nStatus == EO_STATUS_NOT_OK) {
    item.state = INDEXTOOVERLAYMASK(EO_OVERLAY_ERROR);
  }
  return list.InsertItem(&item);
}

int CExplorerObject::AddListItem(CListCtrl& list, CExplorerObject* node, const EOAspect aspects[], int count) {
  int row = InsertListItem(list, list.GetItemCount(), node);
  if (row < 0) return row;
  for (int i = 0; i < count; ++i) {
    std::string text;
    if (node->GetDisplayText(aspects[i], text)) list.SetItemText(row, i + 1, text);
  }
  return row;
}

HTREEITEM CExplorerObject::InsertTreeItem(CTreeCtrl& tree, const std::string& text, HTREEITEM parent,
                                          HTREEITEM insertAfter, int ok) {
  TVINSERTSTRUCT insert;
  insert.hParent = parent;
  insert.hInsertAfter = insertAfter;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
  insert.item.pszText = text.c_str();
  insert.item.iImage = I_IMAGECALLBACK;
  insert.item.iSelectedImage = I_IMAGECALLBACK;
  insert.item.lParam = reinterpret_cast<LPARAM>(this);
  insert.item.stateMask = TVIS_OVERLAYMASK;
  insert.item.state = ok ? 0 : INDEXTOOVERLAYMASK(EO_OVERLAY_ERROR);
  return tree.InsertItem(&insert);
}

void CExplorerObject::SetTreeItemStatus(CTreeCtrl& tree, HTREEITEM item) {
  UINT state = m_nStatus == EO_STATUS_NOT_OK ? INDEXTOOVERLAYMASK(EO_OVERLAY_ERROR) : 0;
  tree.SetItemState(item, state, TVIS_OVERLAYMASK);
}

void CExplorerObject::ClearList(CListCtrl& list) {
  // From the last row to the first; the row lets go of its node before the
  // node is deleted, so nothing sees a deleted node through the row.
  for (int row = list.GetItemCount() - 1; row >= 0; --row) {
    auto* node = reinterpret_cast<CExplorerObject*>(list.GetItemData(row));
    list.SetItemData(row, 0);
    list.DeleteItem(row);
    if (node != this && IsLive(node)) delete node;
  }
  std::string key;
  if (GetColumnWidthKey(key)) {
    std::vector<int> widths;
    for (int column = 0; column < list.GetColumnCount(); ++column) widths.push_back(list.GetColumnWidth(column));
    CColumnWidths(key).Save(widths);
  }
  while (list.GetColumnCount() > 0) list.DeleteColumn(list.GetColumnCount() - 1);
}
