// The registered messages an Explorer frame handles: selection and focus from
// its panes, changes announced by nodes, the host's notices, and forwarding
// of changes to every other open Explorer. A node pointer that arrives in a
// posted message is used only while that node is still alive and still the
// one the message was about.
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/LibraryToolbarLink.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "explorer/window/PaneLabelView.h"
#include "host/framework/CRBaseApp.h"

namespace {

CExplorerObject* LiveNode(LPARAM lParam) {
  auto* node = reinterpret_cast<CExplorerObject*>(lParam);
  return CExplorerObject::IsLive(node) ? node : nullptr;
}

constexpr WPARAM kForwarded = 1;

}  // namespace

LRESULT CExplorerFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message < kFirstRegisteredId) return CRQVMDIChildFrame::WindowProc(message, wParam, lParam);
  if (message == EXPLORER_CONTEXT_CHANGED) return OnContextChanged(LiveNode(lParam));
  if (message == EXPLORER_FOCUS_CHANGED) return OnFocusChanged(LiveNode(lParam));
  if (message == EXPLORER_EXPAND_CONTAINER) return OnExpandContainer(reinterpret_cast<CExplorerObject*>(lParam));
  if (message == EXPLORER_CONTENTS_CHANGED) return OnContentsChanged(wParam);
  if (message == EXPLORER_DETAILS_CHANGED) return OnDetailsChanged(wParam, lParam);
  if (message == EXPLORER_OBJECT_DELETED) return OnObjectDeleted(wParam, LiveNode(lParam));
  if (message == EXPLORER_POSTOBJECT_DELETED) return OnPostObjectDeleted(reinterpret_cast<CExplorerObject*>(lParam));
  if (message == EXPLORER_OBJECT_ADDED) return OnObjectAdded(wParam, lParam);
  if (message == EXPLORER_OBJECT_MOVED) return OnObjectMoved(wParam, lParam);
  if (message == EXPLORER_OBJECT_RENAMED) return OnObjectRenamed(wParam, LiveNode(lParam));
  if (!m_pTreeView) return CRQVMDIChildFrame::WindowProc(message, wParam, lParam);
  if (message == EXPLORER_DECOMP_UPDATE) {
    m_pTreeView->UpdateDecomposition(1);
  } else if (message == EXPLORER_GOTO_FIRST_UNCONVERGED) {
    m_pTreeView->GoToFirstUnconverged();
  } else if (message == EXPLORER_SHOW_EQNORVARS) {
    m_pTreeView->ShowEqnsorVars();
  } else if (message == EXPLORER_REFRESH_TREEVIEW) {
    m_pTreeView->Refresh();
  } else if (message == WM_CORVANECM_RUN_STOPPED) {
    OnViewRefresh();
  } else if (message == WM_CORVANECM_MODEL_EDITED) {
    return m_pTreeView->SendMessage(message, wParam, lParam);
  } else {
    return CRQVMDIChildFrame::WindowProc(message, wParam, lParam);
  }
  return 1;
}

LRESULT CExplorerFrame::OnContextChanged(CExplorerObject* object) {
  SetCurrentObject(object);
  if (object && m_pContentsLabel) {
    std::string name;
    object->GetDisplayText(EOAspectName, name);
    m_pContentsLabel->SetText("Contents of " + name);
  }
  if (m_pListView) m_pListView->SetContext(AsContainer(object));
  return 1;
}

LRESULT CExplorerFrame::OnFocusChanged(CExplorerObject* object) {
  if (!object && m_pTreeView) object = m_pTreeView->GetCurrentObject();
  SetCurrentObject(object);
  if (CExplorerObject* current = GetCurrentObject()) current->OnSelect();
  return 1;
}

void CExplorerFrame::PostNodeMessage(UINT message, CExplorerObject* object) {
  m_pendingObjects.insert(object);
  PostMessage(message, 0, reinterpret_cast<LPARAM>(object));
}

bool CExplorerFrame::TakePending(CExplorerObject* object) {
  auto found = m_pendingObjects.find(object);
  if (found == m_pendingObjects.end()) return false;
  m_pendingObjects.erase(found);
  return CExplorerObject::IsLive(object);
}

LRESULT CExplorerFrame::OnExpandContainer(CExplorerObject* object) {
  if (TakePending(object) && m_pTreeView) m_pTreeView->SetCurrentNode(object, 0);
  return 1;
}

LRESULT CExplorerFrame::OnContentsChanged(WPARAM wParam) {
  OnViewRefresh();
  if (wParam != kForwarded) ForwardNotification(EXPLORER_CONTENTS_CHANGED, kForwarded, 0);
  return 1;
}

LRESULT CExplorerFrame::OnDetailsChanged(WPARAM wParam, LPARAM lParam) {
  if (lParam == 901 && m_pTreeView) m_pTreeView->UpdateStatus(0);
  if (m_pListView) m_pListView->UpdateStatus(lParam != 808);
  if (wParam != kForwarded) ForwardNotification(EXPLORER_DETAILS_CHANGED, kForwarded, lParam);
  return 1;
}

void CExplorerFrame::DeleteRowOf(CExplorerObject* object) {
  if (!m_pListView) return;
  CExplorerObject* row = m_pListView->DetachItem(object);
  if (row && row != object && CExplorerObject::IsLive(row)) {
    ForgetObject(row);
    delete row;
  }
}

LRESULT CExplorerFrame::OnObjectDeleted(WPARAM wParam, CExplorerObject* object) {
  if (!object) return 1;
  if (wParam != kForwarded) {
    // The node's own Explorer: its follow-up comes posted once the host object is gone.
    if (object->IsContainer() && m_pListView) m_pListView->DeletingContainer(object);
    m_pendingObjects.insert(object);
    ForwardNotificationSend(EXPLORER_OBJECT_DELETED, kForwarded, reinterpret_cast<LPARAM>(object));
    return 1;
  }
  if (!object->IsContainer()) {
    DeleteRowOf(object);
  } else if (m_pRootObject && (*object == *m_pRootObject)) {
    if (m_pTreeView) m_pTreeView->SelectItem(nullptr);
    PostMessage(WM_CLOSE);
  } else {
    if (m_pTreeView) m_pTreeView->DeleteNode(object, 1);
    DeleteRowOf(object);
  }
  return 1;
}

LRESULT CExplorerFrame::OnPostObjectDeleted(CExplorerObject* object) {
  if (!TakePending(object)) return 1;
  if (!object->IsContainer()) {
    CExplorerObject* row = m_pListView ? m_pListView->DetachItem(object) : nullptr;
    if (row && CExplorerObject::IsLive(row)) {
      ForgetObject(row);
      delete row;
    }
  } else {
    CExplorerObject* treeCurrent = m_pTreeView ? m_pTreeView->GetCurrentObject() : nullptr;
    if (treeCurrent && (*treeCurrent == *object)) {
      m_pTreeView->DeleteNode(nullptr, 1);
    } else {
      // The row goes first: the tree may delete the very node the row holds.
      CExplorerObject* row = m_pListView ? m_pListView->DetachItem(object) : nullptr;
      if (m_pTreeView) m_pTreeView->DeleteNode(object, 1);
      if (row && CExplorerObject::IsLive(row)) {
        ForgetObject(row);
        delete row;
      }
    }
  }
  ForgetObject(object);
  return 1;
}

LRESULT CExplorerFrame::OnObjectRenamed(WPARAM wParam, CExplorerObject* object) {
  if (!object) return 1;
  if (wParam != kForwarded) ForwardNotificationSend(EXPLORER_OBJECT_RENAMED, kForwarded, reinterpret_cast<LPARAM>(object));
  if (!CExplorerObject::IsLive(object)) return 1;
  if (m_pTreeView) m_pTreeView->RenameNode(object);
  if (m_pListView) m_pListView->RenameItem(object);
  return 1;
}

// ---------------------------------------------------------------- forwarding

void CExplorerFrame::ForwardNotification(UINT message, WPARAM wParam, LPARAM lParam) {
  Forward(message, wParam, lParam, QV_LIBTOOLBAR_CONTENTS_CHANGED);
}

void CExplorerFrame::ForwardNotificationSend(UINT message, WPARAM wParam, LPARAM lParam) {
  Forward(message, wParam, lParam, QV_LIBTOOLBAR_REFRESH);
}

void CExplorerFrame::Forward(UINT message, WPARAM wParam, LPARAM lParam, int toolbarNotification) {
  if (!IsWindowVisible()) return;
  // A frame may close or open others while it handles the message: walk a copy.
  const std::vector<CExplorerFrame*> frames = m_ActiveExplorers;
  for (CExplorerFrame* frame : frames) {
    if (frame == this || std::find(m_ActiveExplorers.begin(), m_ActiveExplorers.end(), frame) == m_ActiveExplorers.end())
      continue;
    frame->SendMessage(message, wParam, lParam);
  }
  if (message != EXPLORER_DETAILS_CHANGED) CLibraryToolbarLink::NotifyIfPresent(toolbarNotification);
}
