// What a node asks of the Explorer window that owns it, beyond its panes: the
// selection questions of the packaging commands, a pause of the tree's
// reaction to host updates while the node changes the store, the top-level
// nodes of the window's tree and the window's copy-only drag mark. The
// Explorer frame implements it; a node reaches it through GetOwnerWindow and
// finds none when its owner is some other window or is gone.
#pragma once

#include <string>

#include "explorer/core/ExplorerPanes.h"

class CExplorerObject;

class IExplorerWindow : public IExplorerPanes {
 public:
  // The focused node is a block type that is not a hierarchy model.
  virtual int IsModelBlockSelected() = 0;
  // The focused node is a structure type.
  virtual int IsStructureBlockSelected() = 0;
  // The window's tree shows "Custom Modeling" directly below its root.
  virtual int IsModelInCustomModeling() = 0;

  // Stop and restart the tree pane's reaction to host updates.
  virtual void SuspendUpdates() = 0;
  virtual void ResumeUpdates() = 0;

  // The node of the item labelled label directly below the tree's root; null when there is none.
  virtual CExplorerObject* FindTopLevelNode(const std::string& label) = 0;

  // A pane marks the drag it starts as one that may only copy (a drag that
  // makes an instance on the flowsheet); the dragged node takes the mark,
  // which clears it. The mark belongs to this window alone.
  virtual void MarkCopyOnlyDrag(bool copyOnly) = 0;
  virtual bool TakeCopyOnlyDrag() = 0;
};
