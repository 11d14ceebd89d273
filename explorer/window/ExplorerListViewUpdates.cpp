// Keeping the contents pane in step with the host: refills, statuses and
// degrees of freedom, by update hint and by the kind of node shown.
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "host/framework/UpdateHints.h"
#include "platform/ImageList.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr int kReservedRows = 50;

bool IsOneOf(const std::string& name, std::initializer_list<UINT> ids) {
  for (UINT id : ids) {
    if (name == LoadStringOrEmpty(id)) return true;
  }
  return false;
}

}  // namespace

void CExplorerListView::Update(LPARAM hint) {
  if (!m_pContext || !TreeIsReady()) return;
  std::string name;
  m_pContext->GetClassName(name);
  switch (hint) {
    case QV_HINT_COMPILED:
      if (IsOneOf(name, {IDS_BLOCK_TYPE, IDS_STREAM_TYPE, IDS_FLOWSHEET, IDS_STREAM, IDS_VARIABLE_TYPES, IDS_BLOCK})) {
        RefreshList();
      } else {
        UpdateStatus(1);
      }
      break;
    case QV_HINT_DEGREES_OF_FREEDOM:
      if (IsOneOf(name, {IDS_BLOCKS, IDS_STREAMS})) UpdateDOF();
      break;
    case QV_HINT_TASK_STATE:
    case QV_HINT_RUN_VALUES:
      UpdateStatus(1);
      break;
    case QV_HINT_FIXED_VARIABLES_CHANGED:
      if (IsOneOf(name, {IDS_FLOWSHEET})) {
        RefreshList();
      } else {
        UpdateStatus(1);
      }
      break;
    case QV_HINT_MODEL_TYPE_EDITED:
      if (IsOneOf(name, {IDS_BLOCK_TYPE})) RefreshList();
      break;
    default:
      break;
  }
}

void CExplorerListView::OnUpdate(CView*, LPARAM hint, void*) {
  if (!m_reservedRows) {
    SetItemCount(kReservedRows);
    m_reservedRows = true;
  }
  if (!m_pContext) return;
  const GUID& contextClass = m_pContext->GetClassID();
  if ((hint == QV_HINT_FLOWSHEET_CONTENTS && contextClass == CLSID_QVEOFlowsheet) ||
      ((hint == QV_HINT_EQUATIONS_CHANGED || hint == QV_HINT_UNITS_CHANGED) && contextClass == CLSID_QVEOEquation)) {
    Refill();
  } else if ((hint == QV_HINT_UNITS_CHANGED && contextClass == CLSID_QVEOUOMs) || hint == QV_HINT_STATUS_CHANGED) {
    UpdateStatus(0);
  }
}

void CExplorerListView::UpdateStatus(int reload) {
  if (!m_pContext) return;
  const GUID& contextClass = m_pContext->GetClassID();
  if (reload && (contextClass == CLSID_QVEOGroup || contextClass == CLSID_QVEOEquation)) m_pContext->ReloadData();
  const int statusColumn = GetViewStyle() == LVS_REPORT ? FindColumn(LoadStringOrEmpty(IDS_STATUS)) : -1;
  for (int row = 0; row < GetItemCount(); ++row) {
    CExplorerObject* node = GetRowObject(row);
    if (!node) continue;
    node->GetStatus();
    UINT overlay = node->GetStatusCode() == EO_STATUS_NOT_OK ? INDEXTOOVERLAYMASK(EO_OVERLAY_ERROR) : 0;
    int own = 0;
    if (node->GetOverlay(own)) overlay = static_cast<UINT>(own);  // the node's own overlay wins, as when inserted
    SetItemState(row, overlay, LVIS_OVERLAYMASK);
    if (statusColumn >= 0) {
      std::string status;
      node->GetDisplayText(EOAspectStatus, status);
      SetItemText(row, statusColumn, status);
    }
  }
  InvalidateLinks();
}

void CExplorerListView::UpdateDOF() {
  if (!m_pContext || GetViewStyle() != LVS_REPORT) return;
  CWaitCursor wait;
  static const EOAspect aspects[] = {EOAspectEquations, EOAspectVariables, EOAspectDegreesOfFreedom};
  for (int row = 0; row < GetItemCount(); ++row) {
    CExplorerObject* node = GetRowObject(row);
    if (!node) continue;
    node->GetStatus();
    if (auto* instance = dynamic_cast<IExplorerModelInstanceNode*>(node)) instance->SetStatisticsFlag(1);
    for (int i = 0; i < 3; ++i) {
      std::string text;
      node->GetDisplayText(aspects[i], text);
      SetItemText(row, 3 + i, text);
    }
  }
}
