// Reading what the tree pane and the contents pane show, and emptying them
// with the nodes their items own, for tests that fill panes from nodes.
#pragma once

#include <string>
#include <vector>

#include "explorer/core/ExplorerObject.h"
#include "platform/ListCtrl.h"
#include "platform/Menu.h"
#include "platform/TreeCtrl.h"

namespace explorer_test {

// The labels of item's children (the root items for null).
inline std::vector<std::string> TreeLabels(const CTreeCtrl& tree, HTREEITEM item) {
  std::vector<std::string> labels;
  HTREEITEM child = item ? tree.GetChildItem(item) : tree.GetRootItem();
  for (; child; child = tree.GetNextSiblingItem(child)) labels.push_back(tree.GetItemText(child));
  return labels;
}

inline HTREEITEM FindTreeChild(const CTreeCtrl& tree, HTREEITEM item, const std::string& label) {
  HTREEITEM child = item ? tree.GetChildItem(item) : tree.GetRootItem();
  for (; child; child = tree.GetNextSiblingItem(child))
    if (tree.GetItemText(child) == label) return child;
  return nullptr;
}

inline std::vector<std::string> ListColumnTexts(const CListCtrl& list, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
  return texts;
}

inline std::vector<std::string> ListHeadingTexts(const CListCtrl& list) {
  std::vector<std::string> headings;
  for (int column = 0; column < list.GetColumnCount(); ++column) {
    char text[64] = {};
    LVCOLUMN heading;
    heading.mask = LVCF_TEXT;
    heading.pszText = text;
    heading.cchTextMax = sizeof text;
    list.GetColumn(column, &heading);
    headings.push_back(text);
  }
  return headings;
}

// The plain texts of a menu's items: "-" for a separator, "[Run]" for a popup.
inline std::vector<std::string> MenuTexts(const CMenu& menu) {
  std::vector<std::string> texts;
  for (const MenuItem& item : menu.Items()) {
    const std::string text = item.IsSeparator() ? "-" : PlainMenuText(item.text);
    texts.push_back(item.IsPopup() ? "[" + text + "]" : text);
  }
  return texts;
}

// The texts of the context menu a node builds.
inline std::vector<std::string> MenuTexts(CExplorerObject& node) {
  CMenu menu;
  node.BuildContextMenu(menu);
  return MenuTexts(menu);
}

// Deletes every row and tree item with the node it holds, and the columns.
inline void ClearPanesAndNodes(CTreeCtrl& tree, CListCtrl& list) {
  for (int row = list.GetItemCount() - 1; row >= 0; --row) {
    auto* node = reinterpret_cast<CExplorerObject*>(list.GetItemData(row));
    list.DeleteItem(row);
    if (CExplorerObject::IsLive(node)) delete node;
  }
  while (list.GetColumnCount() > 0) list.DeleteColumn(list.GetColumnCount() - 1);
  std::vector<HTREEITEM> pending;
  for (HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item)) pending.push_back(item);
  std::vector<CExplorerObject*> nodes;
  while (!pending.empty()) {
    HTREEITEM item = pending.back();
    pending.pop_back();
    nodes.push_back(reinterpret_cast<CExplorerObject*>(tree.GetItemData(item)));
    for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
      pending.push_back(child);
  }
  tree.DeleteAllItems();
  for (CExplorerObject* node : nodes)
    if (CExplorerObject::IsLive(node)) delete node;
}

}  // namespace explorer_test
