#include "app/headless/ExplorerPlace.h"

#include "app/headless/ExplorerPath.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "platform/Window.h"

int FindRowByName(const CExplorerListView& list, const std::string& name) {
  int row = list.FindRowByLabel(name);
  if (row < 0 && !name.empty() && name.front() != ' ') row = list.FindRowByLabel(" " + name);
  return row;
}

bool SelectTreeItem(CExplorerFrame& frame, HTREEITEM item) {
  CExplorerTreeView* tree = frame.GetTreeView();
  if (!tree || !item) return false;
  const bool clicked = tree->UserClick(item);
  MessageQueue::Pump();
  return clicked;
}

bool FindExplorerPlace(CExplorerFrame& frame, const std::vector<std::string>& labels, bool allowRow,
                       ExplorerPlace& place, std::string& problem) {
  place = ExplorerPlace{};
  CExplorerTreeView* tree = frame.GetTreeView();
  if (!tree || labels.empty()) {
    problem = "no path given";
    return false;
  }
  if (HTREEITEM item = tree->FindItemByLabels(labels)) {
    place.item = item;
    return true;
  }
  const std::vector<std::string> parentLabels(labels.begin(), labels.end() - 1);
  HTREEITEM parent = parentLabels.empty() ? nullptr : tree->FindItemByLabels(parentLabels);
  if (allowRow && parent && SelectTreeItem(frame, parent)) {
    const int row = FindRowByName(*frame.GetListView(), labels.back());
    if (row >= 0) {
      place.item = parent;
      place.row = row;
      return true;
    }
  }
  problem = "no item \"" + JoinExplorerPath(labels) + "\"" +
            (allowRow && parent ? " (nor a row \"" + labels.back() + "\" in its folder's contents)" : "");
  return false;
}

CExplorerObject* PlaceNode(CExplorerFrame& frame, const ExplorerPlace& place) {
  if (place.row >= 0) return frame.GetListView() ? frame.GetListView()->GetRowObject(place.row) : nullptr;
  return frame.GetTreeView() ? frame.GetTreeView()->GetExplorerObject(place.item) : nullptr;
}
