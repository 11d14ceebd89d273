#include "explorer/window/CopyOnlyDrag.h"

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ExplorerWindow.h"
#include "platform/Window.h"

DWORD DragNode(CExplorerObject& node, bool copyOnly) {
  IExplorerWindow* window = node.GetOwnerWindow();
  CWnd* owner = node.GetOwner();
  const HWND ownerHandle = owner ? owner->GetSafeHwnd() : nullptr;
  if (window) window->MarkCopyOnlyDrag(copyOnly);
  const DWORD effect = node.DoDragDrop();
  // The drop may have closed the window (and deleted the node): find it again by its handle.
  if (auto* still = dynamic_cast<IExplorerWindow*>(CWnd::FromHandle(ownerHandle))) still->MarkCopyOnlyDrag(false);
  return effect;
}
