// Drags from and onto the tree pane: starting a node's drag (telling the
// flowsheet which model type comes), the drop target with its auto-scroll
// bands at the pane's edges, and the drop-effect menu of right-button drops.
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/window/CopyOnlyDrag.h"
#include "explorer/window/DraggedModelType.h"
#include "explorer/window/ExplorerDropEffectMenu.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/framework/CRBaseApp.h"
#include "platform/Resources.h"
#include "platform/Scroll.h"
#include "platform/Services.h"

namespace {

constexpr int kScrollInset = 15;

}  // namespace

void CExplorerTreeView::OnBeginDrag(NMTREEVIEW* info, bool rightButton) {
  if (CRBaseApp* app = CRBaseApp::GetApp()) {
    app->BeginDrag();
    if (rightButton) app->BeginRightDrag();
  }
  DragItem(info->itemNew.hItem, false);
}

void CExplorerTreeView::OnBeginDragTreehItem(HTREEITEM item, bool copyOnly) { DragItem(item, copyOnly); }

void CExplorerTreeView::DragItem(HTREEITEM item, bool copyOnly) {
  CExplorerObject* object = GetExplorerObject(item);
  if (!object || object->GetStatusCode() == EO_STATUS_NOT_OK) return;
  SelectItem(item);
  if (!CExplorerObject::IsLive(object)) return;
  IRModelType* modelType = nullptr;
  if (!DraggedModelType(*object, modelType)) return;
  if (modelType) CExplorerListView::SetPFSModelType(modelType);
  DragNode(*object, copyOnly);
  CExplorerListView::SetPFSModelType(nullptr);  // this pane may be gone after the drop: the call uses none of it
}

// ---------------------------------------------------------------- drop target

DWORD CExplorerTreeView::ScrollZoneAt(CPoint point) const {
  CRect inner;
  GetClientRect(&inner);
  const int dx = inner.Width() >= 16 ? kScrollInset : 0;
  const int dy = inner.Height() >= 16 ? kScrollInset : 0;
  inner.DeflateRect(dx, dy);
  if (point.y < inner.top) return EXPLORER_SCROLL_UP;
  if (point.y >= inner.bottom) return EXPLORER_SCROLL_DOWN;
  if (point.x < inner.left) return EXPLORER_SCROLL_LEFT;
  if (point.x >= inner.right) return EXPLORER_SCROLL_RIGHT;
  return EXPLORER_SCROLL_NONE;
}

DROPEFFECT CExplorerTreeView::OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point) {
  m_bRightDrag = (keyState & MK_RBUTTON) ? 1 : 0;
  return OnDragOver(data, keyState, point);
}

DROPEFFECT CExplorerTreeView::OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) {
  HTREEITEM item = HitTest(point, 0);
  SelectDropTarget(item);
  DROPEFFECT effect = DROPEFFECT_NONE;
  if (CExplorerObject* object = GetExplorerObject(item)) effect = object->OnDragOver(data, keyState);

  const DWORD zone = ScrollZoneAt(point);
  if (zone == EXPLORER_SCROLL_NONE) {
    m_dwScrollZone = EXPLORER_SCROLL_NONE;
    m_dwScrollStart = 0;
  } else {
    effect |= DROPEFFECT_SCROLL;
    const DWORD now = GetTickCount();
    if (zone != m_dwScrollZone) {
      m_dwScrollZone = zone;
      m_dwScrollStart = now;
    } else if (now - m_dwScrollStart > m_nScrollDelay) {
      const bool vertical = zone == EXPLORER_SCROLL_UP || zone == EXPLORER_SCROLL_DOWN;
      const UINT code = zone == EXPLORER_SCROLL_UP || zone == EXPLORER_SCROLL_LEFT ? SB_LINEUP : SB_LINEDOWN;
      SendMessage(vertical ? WM_VSCROLL : WM_HSCROLL, code, 0);
      m_dwScrollStart = now;
    }
  }
  m_dropEffect = effect;
  return effect;
}

void CExplorerTreeView::OnDragLeave() {
  SelectDropTarget(nullptr);
  m_dropEffect = DROPEFFECT_NONE;
  m_dwScrollZone = EXPLORER_SCROLL_NONE;
  m_dwScrollStart = 0;
}

bool CExplorerTreeView::OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point) {
  OnDragLeave();
  HTREEITEM item = HitTest(point, 0);
  CExplorerObject* object = GetExplorerObject(item);
  if (!object) return false;
  m_hDropItem = item;
  const int result = object->OnDrop(data, effect);
  m_hDropItem = nullptr;
  return result != 0;
}

DROPEFFECT CExplorerTreeView::OnDropEx(COleDataObject* data, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                       CPoint point) {
  if (!m_bRightDrag) return EXPLORER_DROP_DECLINED;
  CExplorerDropEffectMenu menu(dropList, dropDefault);
  const DROPEFFECT chosen = menu.Track(*this, point);
  if (chosen == DROPEFFECT_NONE) {
    OnDragLeave();
    return DROPEFFECT_NONE;
  }
  return OnDrop(data, chosen, point) ? chosen : DROPEFFECT_NONE;
}
