// Where a PATH leads in an Explorer window: a tree item, or (where a command
// allows it) a row of the contents pane of the tree item above it, since
// some nodes, such as variable types, have no tree item of their own.
#pragma once

#include <string>
#include <vector>

#include "platform/TreeCtrl.h"

class CExplorerFrame;
class CExplorerListView;
class CExplorerObject;

struct ExplorerPlace {
  HTREEITEM item = nullptr;  // the tree item; for a row, the item whose contents hold it
  int row = -1;              // the contents-pane row, or -1 for the tree item itself
};

// Finds labels in frame, expanding items on the way. With allowRow, a last
// label that names no tree item may name a row of its parent's contents; the
// parent is then selected so that the pane shows it. False with problem set
// when nothing fits.
bool FindExplorerPlace(CExplorerFrame& frame, const std::vector<std::string>& labels, bool allowRow,
                       ExplorerPlace& place, std::string& problem);
// The node shown at place (null when it is gone).
CExplorerObject* PlaceNode(CExplorerFrame& frame, const ExplorerPlace& place);
// The row labelled name; a label that begins with a blank (" Add Model") may
// be named with or without it. -1 when none.
int FindRowByName(const CExplorerListView& list, const std::string& name);
// Selects item as a person clicks it, so the contents pane shows its children.
bool SelectTreeItem(CExplorerFrame& frame, HTREEITEM item);
