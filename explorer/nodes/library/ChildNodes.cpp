#include "explorer/nodes/library/ChildNodes.h"

#include "explorer/core/QVExplorer.h"

namespace library_nodes {

CExplorerObject* Make(REFGUID classId, IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                      int readOnly) {
  CExplorerObject* node = CQVExplorer::Manufacture(classId, instance, exclusionList, owner);
  if (node) node->SetReadOnly(readOnly);
  return node;
}

bool InsertInTree(CTreeCtrl& tree, HTREEITEM item, CExplorerObject* node) {
  if (!node) return false;
  if (node->IsContainer()) {
    if (static_cast<CExplorerContainerObject*>(node)->ShowContents(tree, item)) return true;
  } else {
    std::string name;
    node->GetDisplayText(EOAspectName, name);
    if (node->InsertTreeItem(tree, name, item, TVI_LAST, node->GetStatusCode() != EO_STATUS_NOT_OK)) return true;
  }
  delete node;
  return false;
}

void AddRow(CListCtrl& list, CExplorerObject* node, const EOAspect aspects[], int count) {
  if (node && CExplorerObject::AddListItem(list, node, aspects, count) < 0) delete node;
}

DWORD CopyOrMoveEffect(DWORD keyState) { return (keyState & MK_SHIFT) ? DROPEFFECT_MOVE : DROPEFFECT_COPY; }

bool IsCopyOrMove(DWORD dropEffect) { return (dropEffect & (DROPEFFECT_COPY | DROPEFFECT_MOVE)) != 0; }

}  // namespace library_nodes
