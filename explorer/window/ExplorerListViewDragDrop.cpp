// Drags from and onto the contents pane: starting a row's drag (telling the
// flowsheet which model type comes), the drop target with its highlighted
// row, and the drop-effect menu of right-button drops.
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/window/CopyOnlyDrag.h"
#include "explorer/window/DraggedModelType.h"
#include "explorer/window/ExplorerDropEffectMenu.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "host/framework/CRBaseApp.h"
#include "platform/Resources.h"

void CExplorerListView::OnBeginDrag(NMLISTVIEW* info, bool rightButton) {
  if (CRBaseApp* app = CRBaseApp::GetApp()) {
    app->BeginDrag();
    if (rightButton) app->BeginRightDrag();
  }
  DragRow(info->iItem, false);
}

void CExplorerListView::OnBeginDragListItem(int row, bool copyOnly) { DragRow(row, copyOnly); }

void CExplorerListView::DragRow(int row, bool copyOnly) {
  CExplorerObject* node = GetRowObject(row);
  if (!node || node->GetStatusCode() == EO_STATUS_NOT_OK) return;
  node->OnSelect();
  IRModelType* modelType = nullptr;
  if (!CExplorerObject::IsLive(node) || !DraggedModelType(*node, modelType)) return;
  if (modelType) SetPFSModelType(modelType);
  DragNode(*node, copyOnly);
  SetPFSModelType(nullptr);  // this pane may be gone after the drop: the call uses none of it
}

// ---------------------------------------------------------------- drop target

void CExplorerListView::SetDropHighlight(int row) {
  if (row == m_nDropHighlight) return;
  const int previous = m_nDropHighlight;
  m_nDropHighlight = row;
  if (previous >= 0) {
    SetItemState(previous, 0, LVIS_DROPHILITED);
    RedrawItems(previous, previous);
  }
  if (row >= 0) {
    SetItemState(row, LVIS_DROPHILITED, LVIS_DROPHILITED);
    RedrawItems(row, row);
  }
}

DROPEFFECT CExplorerListView::OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point) {
  m_bRightDrag = (keyState & MK_RBUTTON) ? 1 : 0;
  return OnDragOver(data, keyState, point);
}

DROPEFFECT CExplorerListView::OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) {
  const int row = HitTest(point);
  SetDropHighlight(row);
  CExplorerObject* node = GetRowObject(row);
  m_dropEffect = node ? node->OnDragOver(data, keyState) : DROPEFFECT_NONE;
  return m_dropEffect;
}

void CExplorerListView::OnDragLeave() {
  SetDropHighlight(-1);
  m_dropEffect = DROPEFFECT_NONE;
}

bool CExplorerListView::OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point) {
  OnDragLeave();
  CExplorerObject* node = GetRowObject(HitTest(point));
  return node && node->OnDrop(data, effect) != 0;
}

DROPEFFECT CExplorerListView::OnDropEx(COleDataObject* data, DROPEFFECT dropDefault, DROPEFFECT dropList,
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
