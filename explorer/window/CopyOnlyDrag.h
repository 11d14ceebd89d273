// A pane's drag of a node, shared by both panes: the window that owns the node
// carries the copy-only mark for as long as the drag lasts.
#pragma once

#include "platform/Types.h"

class CExplorerObject;

// The node's own drag (DoDragDrop) with its owner window marked copy-only
// when copyOnly is set; the mark is cleared afterwards whether or not the
// node took it, unless the drop closed the window.
DWORD DragNode(CExplorerObject& node, bool copyOnly);
