#include "app/headless/ExplorerPrinters.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/ImageList.h"

namespace {

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

std::string OverlaySuffix(UINT state, const char* separator) {
  const UINT overlay = (state & TVIS_OVERLAYMASK) >> 8;
  return overlay ? separator + ("[overlay " + std::to_string(overlay) + "]") : std::string();
}

std::string ColumnHeading(const CListCtrl& list, int column) {
  char text[256] = {};
  LVCOLUMN heading;
  heading.mask = LVCF_TEXT;
  heading.pszText = text;
  heading.cchTextMax = sizeof text;
  return list.GetColumn(column, &heading) ? std::string(text) : std::string();
}

void PrintMenuItems(const CMenu& menu, const std::string& indent, std::ostream& out) {
  for (const MenuItem& item : menu.Items()) {
    if (item.IsSeparator()) {
      out << indent << "-\n";
    } else {
      out << indent << item.text << (item.IsEnabled() ? "" : "  [unavailable]") << '\n';
      if (item.IsPopup() && item.popup) PrintMenuItems(*item.popup, indent + "  ", out);
    }
  }
}

}  // namespace

void PrintTree(CTreeCtrl& tree, HTREEITEM item, std::ostream& out) {
  // Depth first with an explicit stack: deep hierarchies cannot exhaust the call stack.
  std::vector<std::pair<HTREEITEM, int>> pending;
  std::vector<HTREEITEM> firsts;
  if (item) {
    firsts.push_back(item);
  } else {
    for (HTREEITEM top = tree.GetRootItem(); top; top = tree.GetNextSiblingItem(top)) firsts.push_back(top);
  }
  for (auto it = firsts.rbegin(); it != firsts.rend(); ++it) pending.emplace_back(*it, 0);
  while (!pending.empty()) {
    auto [current, level] = pending.back();
    pending.pop_back();
    out << std::string(2 * level, ' ') << OneLine(tree.GetItemText(current))
        << OverlaySuffix(tree.GetItemState(current, TVIS_OVERLAYMASK), "  ") << '\n';
    if (tree.ItemHasChildren(current) && !(tree.GetItemState(current, TVIS_EXPANDED) & TVIS_EXPANDED))
      tree.Expand(current, TVE_EXPAND);
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = tree.GetChildItem(current); child; child = tree.GetNextSiblingItem(child))
      children.push_back(child);
    for (auto it = children.rbegin(); it != children.rend(); ++it) pending.emplace_back(*it, level + 1);
  }
}

void PrintList(const CListCtrl& list, std::ostream& out) {
  const int columns = list.GetColumnCount();
  for (int column = 0; column < columns; ++column) out << (column ? "\t" : "") << OneLine(ColumnHeading(list, column));
  out << '\n';
  const int cells = columns > 0 ? columns : 1;  // a pane without columns still shows its labels
  for (int row = 0; row < list.GetItemCount(); ++row) {
    for (int column = 0; column < cells; ++column) out << (column ? "\t" : "") << OneLine(list.GetItemText(row, column));
    out << OverlaySuffix(list.GetItemState(row, LVIS_OVERLAYMASK), "\t") << '\n';
  }
}

void PrintMenu(const CMenu& menu, std::ostream& out) { PrintMenuItems(menu, "", out); }
