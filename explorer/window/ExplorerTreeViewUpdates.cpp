// Keeping the tree pane in step with the host: document update hints,
// statuses, the flowsheet and the solver's decomposition, the first
// unconverged group, and equations or variables below groups.
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/com/Variant.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "host/framework/CRQVDocument.h"
#include "host/framework/UpdateHints.h"
#include "host/services/IQVEstimation.h"
#include "platform/Resources.h"
#include "platform/TextCompare.h"

namespace {

// A run-values update that a paused estimation sends at time zero changes nothing shown.
bool IsIdleEstimationUpdate(const void* object) {
  const auto* value = static_cast<const VARIANT*>(object);
  if (!value || value->vt != VT_R8 || value->dblVal != 0.0) return false;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document || document->GetRunMode() != ZN_RUN_ESTIMATION) return false;
  CComPtr<IQVEstimation> estimation;
  bool active = false;
  if (FAILED(document->GetEstimation(&estimation)) || !estimation || FAILED(estimation->IsActive(&active)))
    return false;
  return !active;
}

bool IsDecompositionRoot(REFGUID classId) {
  return classId == CLSID_QVEOGroup || classId == CLSID_QVEOTornGroup || classId == CLSID_QVEOEquivalence;
}

}  // namespace

void CExplorerTreeView::OnUpdate(CView*, LPARAM hint, void* object) {
  if (m_bClosing || !m_bReady) return;
  CExplorerFrame* frame = Frame();
  CExplorerListView* list = frame ? frame->GetListView() : nullptr;
  switch (hint) {
    case QV_HINT_DOCUMENT_RELOADED:
    case QV_HINT_LIBRARIES_CHANGED:
    case QV_HINT_TYPES_CHANGED:
      Refresh();
      break;
    case QV_HINT_DECOMPOSITION_READY:
      UpdateDecomposition(1);
      break;
    case QV_HINT_DECOMPOSITION_CLEARED:
      UpdateDecomposition(0);
      break;
    case QV_HINT_BLOCKS_ADDED:
    case QV_HINT_BLOCKS_REMOVED:
    case QV_HINT_STREAMS_ADDED:
    case QV_HINT_STREAMS_REMOVED:
    case QV_HINT_BLOCK_CHANGED:
    case QV_HINT_STREAM_CHANGED:
    case QV_HINT_CONNECTIONS_CHANGED:
    case QV_HINT_FLOWSHEET_REPLACED:
      UpdateFlowsheet(hint);
      break;
    case QV_HINT_COMPILED:
    case QV_HINT_DEGREES_OF_FREEDOM:
    case QV_HINT_TASK_STATE:
      UpdateStatus(hint);
      break;
    case QV_HINT_FIXED_VARIABLES_CHANGED:
    case QV_HINT_VALUES_CHANGED:
    case QV_HINT_MODEL_TYPE_EDITED:
      if (list) list->Update(hint);
      break;
    case QV_HINT_RUN_VALUES:
      if (frame && !IsIdleEstimationUpdate(object)) frame->PostMessage(EXPLORER_DETAILS_CHANGED, 1, QV_HINT_RUN_VALUES);
      break;
    case QV_HINT_CUSTOM_MODELING_CHANGED:
      if (frame) frame->CheckOwnerIsCustomModeling();
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------- statuses

void CExplorerTreeView::UpdateItemStatus(HTREEITEM item) {
  CExplorerObject* object = GetExplorerObject(item);
  if (!object) return;
  object->GetStatus();
  object->SetTreeItemStatus(*this, item);
}

void CExplorerTreeView::UpdateChildren(HTREEITEM item) {
  for (; item; item = GetNextSiblingItem(item)) {
    UpdateItemStatus(item);
    auto* container = AsContainer(GetExplorerObject(item));
    if (!container || !container->m_bChildrenDeferred) UpdateChildren(GetChildItem(item));
  }
}

void CExplorerTreeView::UpdateStatus(LPARAM hint) {
  UpdateChildren(GetRootItem());
  CExplorerFrame* frame = Frame();
  if (CExplorerListView* list = frame ? frame->GetListView() : nullptr) list->Update(hint);
}

// ---------------------------------------------------------------- flowsheet

HTREEITEM CExplorerTreeView::TopLevelItem(const std::string& text) const {
  for (HTREEITEM item = GetChildItem(m_hRootItem); item; item = GetNextSiblingItem(item)) {
    if (CompareNoCase(GetItemText(item), text) == 0) return item;
  }
  return nullptr;
}

void CExplorerTreeView::UpdateFlowsheet(LPARAM hint) {
  if (!m_pContext) return;
  const GUID& contextClass = m_pContext->GetClassID();
  if (contextClass == CLSID_QVEOFlowsheet) {
    Refresh();
    return;
  }
  if (contextClass == CLSID_QVEOBlockFolder || contextClass == CLSID_QVEOStreamFolder ||
      contextClass == CLSID_QVEOBlock || contextClass == CLSID_QVEOStream) {
    if (m_pContext->GetType()) {
      Refresh();
    } else if (CExplorerFrame* frame = Frame()) {
      frame->PostMessage(WM_CLOSE);
      m_bClosing = 1;
    }
    return;
  }
  // A structure of the flowsheet shown below it keeps its own items.
  HTREEITEM selected = GetSelectedItem();
  std::string className;
  if (CExplorerObject* object = GetExplorerObject(selected); object && object->GetClassName(className) &&
                                                               className == "Structure") {
    for (HTREEITEM up = GetParentItem(selected); up; up = GetParentItem(up)) {
      const std::string text = GetItemText(up);
      if (CompareNoCase(text, "Flowsheet") == 0) return;
      if (CompareNoCase(text, "Simulation") == 0) break;
    }
  }
  HTREEITEM flowsheet = TopLevelItem("Flowsheet");
  auto* node = AsContainer(GetExplorerObject(flowsheet));
  if (!node) return;
  const bool rebuild = hint == QV_HINT_BLOCKS_ADDED || hint == QV_HINT_BLOCKS_REMOVED ||
                       hint == QV_HINT_FLOWSHEET_REPLACED || !GetChildItem(flowsheet) || node->m_bExpanded ||
                       hint == QV_HINT_STREAMS_ADDED || hint == QV_HINT_STREAMS_REMOVED;
  if (!rebuild) {
    node->m_bChildrenDeferred = 1;
    return;
  }
  Expand(flowsheet, TVE_COLLAPSE);
  selected = GetSelectedItem();
  if (selected == flowsheet) {
    if (CExplorerFrame* frame = Frame())
      frame->SendMessage(EXPLORER_CONTEXT_CHANGED, 0, reinterpret_cast<LPARAM>(node));
  } else {
    for (HTREEITEM up = GetParentItem(selected); up; up = GetParentItem(up)) {
      if (up == flowsheet) {
        SelectItem(flowsheet);
        break;
      }
    }
  }
  if (!CExplorerObject::IsLive(node) || !IsValidItem(flowsheet)) return;
  FellChildren(flowsheet);
  node->ShowChildren(*this, flowsheet);
}

// ---------------------------------------------------------------- decomposition

void CExplorerTreeView::UpdateDecomposition(int rebuild) {
  if (!m_pContext) return;
  CExplorerFrame* frame = Frame();
  if (IsDecompositionRoot(m_pContext->GetClassID())) {
    if (frame) frame->PostMessage(WM_CLOSE);
    m_bClosing = 1;
    return;
  }
  const std::string diagnostics = LoadStringOrEmpty(IDS_DIAGNOSTICS);
  if (HTREEITEM old = TopLevelItem(diagnostics)) {
    Expand(old, TVE_COLLAPSE);
    Fell(old);
  }
  if (!rebuild) return;
  if (m_hRootItem && GetItemText(m_hRootItem) == LoadStringOrEmpty(IDS_SIMULATION) &&
      !m_pContext->IsExcluded(CLSID_QVEODiagnostic)) {
    CExplorerObject* made = CQVExplorer::Manufacture(CLSID_QVEODiagnostic, m_pContext->GetType(),
                                                     m_pContext->GetExclusionList(), m_pContext->GetOwner());
    auto* node = AsContainer(made);
    HTREEITEM inserted = node ? node->ShowContents(*this, m_hRootItem) : nullptr;
    if (inserted) {
      for (HTREEITEM item = GetChildItem(m_hRootItem); item; item = GetNextSiblingItem(item)) {
        if (item != inserted && GetItemText(item) == diagnostics) {
          Fell(item);
          break;
        }
      }
    } else {
      delete made;
    }
  }
  CExplorerObject* selected = GetCurrentObject();
  if (frame && selected && selected->GetClassID() == CLSID_QVEOSimulation) {
    frame->SetCurrentObject(nullptr);
    if (CExplorerListView* list = frame->GetListView()) list->Refill();
  }
}

// ---------------------------------------------------------------- unconverged groups

int CExplorerTreeView::GetFirstUnconverged(HTREEITEM item, HTREEITEM& found) {
  mbfHasUnconverged = 0;
  found = nullptr;
  for (HTREEITEM child = GetChildItem(item); child; child = GetNextSiblingItem(child)) {
    CExplorerObject* object = GetExplorerObject(child);
    if (object && object->GetStatusCode() == EO_STATUS_NOT_OK && GetItemState(child, TVIS_OVERLAYMASK) != 0 &&
        ItemHasChildren(child)) {
      found = child;
      return 1;
    }
  }
  return 0;
}

void CExplorerTreeView::GoToFirstUnconverged() {
  HTREEITEM diagnostics = TopLevelItem(LoadStringOrEmpty(IDS_DIAGNOSTICS));
  if (!diagnostics) return;
  SelectItem(diagnostics);
  Expand(diagnostics, TVE_EXPAND);
  HTREEITEM found = nullptr;
  for (HTREEITEM current = GetSelectedItem(); current && GetFirstUnconverged(current, found); current = found) {
    if (auto* group = AsContainer(GetExplorerObject(found)))
      group->ShowMoreContents(*this, found);
    if (!IsValidItem(found)) break;
    SelectItem(found);
  }
  if (HTREEITEM selected = GetSelectedItem()) {
    SelectSetFirstVisible(selected);
    Expand(selected, TVE_EXPAND);
  }
}

// ---------------------------------------------------------------- equations or variables below groups

void CExplorerTreeView::ReshowGroup(HTREEITEM group, GroupChange change) {
  CExplorerFrame* frame = Frame();
  CExplorerListView* list = frame ? frame->GetListView() : nullptr;
  const bool showing = list && list->GetContext() && list->GetContext() == GetExplorerObject(group);
  if (showing) list->ClearPane();
  (this->*change)(group);
  if (showing && CExplorerObject::IsLive(list->GetContext())) list->RefreshList();
}

void CExplorerTreeView::WalkGroups(HTREEITEM item, GroupChange change) {
  for (; item; item = GetNextSiblingItem(item)) {
    CExplorerObject* object = GetExplorerObject(item);
    if (object && object->GetClassID() == CLSID_QVEOGroup) {
      ReshowGroup(item, change);
    } else {
      WalkGroups(GetChildItem(item), change);
    }
  }
}

void CExplorerTreeView::AddGroupEquations(HTREEITEM group) {
  if (auto* node = dynamic_cast<IExplorerGroupNode*>(GetExplorerObject(group))) node->AddEquations(*this, group);
}

void CExplorerTreeView::AddGroupVariables(HTREEITEM group) {
  if (auto* node = dynamic_cast<IExplorerGroupNode*>(GetExplorerObject(group))) node->AddVariables(*this, group);
}

void CExplorerTreeView::FellEquationNodes(HTREEITEM item) { WalkGroups(item, &CExplorerTreeView::FellChildren); }

void CExplorerTreeView::FellVariableNodes(HTREEITEM item) { WalkGroups(item, &CExplorerTreeView::FellChildren); }

void CExplorerTreeView::AddEquationNodes(HTREEITEM item) { WalkGroups(item, &CExplorerTreeView::AddGroupEquations); }

void CExplorerTreeView::AddVariableNodes(HTREEITEM item) { WalkGroups(item, &CExplorerTreeView::AddGroupVariables); }

void CExplorerTreeView::ShowEqnsorVars() {
  CExplorerExclusionList* list = m_pContext ? m_pContext->GetExclusionList() : nullptr;
  if (list && list->GetShowVariablesInGroups()) {
    FellEquationNodes(m_hRootItem);
    AddVariableNodes(m_hRootItem);
  } else {
    FellVariableNodes(m_hRootItem);
    AddEquationNodes(m_hRootItem);
  }
}
