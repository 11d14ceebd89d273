// Nodes added or moved elsewhere appear in this Explorer's tree: the new (or
// moved) node inserts itself below the item a drop is being handled on, else
// below the selected item, with two placement rules (a type added to the
// types folder goes into its kind's folder; a node added beside one of its
// own class goes under the same parent).
#include <optional>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/store/IFFolder.h"
#include "platform/Resources.h"

namespace {

std::optional<GUID> ClassIdText(WPARAM wParam) {
  const char* text = reinterpret_cast<const char*>(wParam);
  if (!text) return std::nullopt;
  return GUID::Parse(text);
}

}  // namespace

HTREEITEM CExplorerFrame::InsertionPoint(REFGUID classId, bool sameClassNests) {
  if (!m_pTreeView) return nullptr;
  HTREEITEM point = m_pTreeView->GetDropItem();
  if (!m_pTreeView->IsValidItem(point)) point = m_pTreeView->GetSelectedItem();
  CExplorerObject* at = m_pTreeView->GetExplorerObject(point);
  if (!at) return point;
  if (at->GetClassID() == CLSID_QVEOTypesFolder) {
    UINT kindFolder = classId == CLSID_QVEOBlockType ? IDS_MODELS : classId == CLSID_QVEOStreamType ? IDS_STREAM_TYPES : 0;
    if (kindFolder) {
      if (HTREEITEM folder = m_pTreeView->FindNode(point, LoadStringOrEmpty(kindFolder).c_str(), 0)) point = folder;
    }
  } else if (at->GetClassID() == classId && !sameClassNests) {
    point = m_pTreeView->GetParentItem(point);
  }
  return point;
}

bool CExplorerFrame::InsertInTree(CExplorerObject* node, HTREEITEM point) {
  auto* container = AsContainer(node);
  // The host's own update may have shown the node there already.
  const bool shown = container && point && m_pTreeView && m_pTreeView->FindNode(point, node, 0);
  if (container && point && m_pTreeView && !shown) {
    container->m_bExpanded = 0;
    if (container->ShowContents(*m_pTreeView, point)) return true;
  }
  if (node) {
    ForgetObject(node);
    delete node;
  }
  return false;
}

LRESULT CExplorerFrame::OnObjectAdded(WPARAM wParam, LPARAM lParam) {
  std::optional<GUID> classId = ClassIdText(wParam);
  if (lParam && classId && m_pTreeView) {
    const bool userFolder = *classId == CLSID_QVEOUserFolder;
    CExplorerObject* node = nullptr;
    if (userFolder) {
      CExplorerObject* current = m_pTreeView->GetCurrentObject();
      node = MakeUserFolder(current ? current->GetType() : nullptr, reinterpret_cast<IFFolder*>(lParam));
    } else {
      node = CQVExplorer::Manufacture(*classId, reinterpret_cast<IFInstance*>(lParam), m_pExclusionList, this);
    }
    if (node) InsertInTree(node, InsertionPoint(*classId, userFolder));
  }
  if (m_pListView) m_pListView->RefreshList();
  ForwardNotification(EXPLORER_CONTENTS_CHANGED, 1, 0);
  return 1;
}

LRESULT CExplorerFrame::OnObjectMoved(WPARAM wParam, LPARAM lParam) {
  std::optional<GUID> classId = ClassIdText(wParam);
  const char* name = reinterpret_cast<const char*>(lParam);
  if (classId && name && m_pTreeView) {
    HTREEITEM item = m_pTreeView->FindNode(m_pTreeView->GetRootTreeItem(), name, *classId, 1);
    if (item && item != m_pTreeView->GetRootTreeItem()) {
      CExplorerObject* node = m_pTreeView->RemoveItem(item);
      if (node) InsertInTree(node, InsertionPoint(*classId, false));
    }
  }
  if (m_pListView) m_pListView->RefreshList();
  ForwardNotification(EXPLORER_CONTENTS_CHANGED, 1, 0);
  return 1;
}
