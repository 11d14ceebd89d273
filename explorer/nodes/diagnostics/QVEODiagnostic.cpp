#include "explorer/nodes/diagnostics/QVEODiagnostic.h"

#include "explorer/core/ColumnWidths.h"
#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/QVEDiagnosticPropSheet.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/QVEODecomposition.h"
#include "explorer/nodes/diagnostics/QVEOEquivalenceHolder.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/services/IQVSolverOptions.h"
#include "platform/Registry.h"
#include "platform/Resources.h"

namespace {

constexpr int kDiagnosticsCountWidth = 50;

// Each decomposition of diagnostics, in the host's order.
template <class Each>
void ForEachDecomposition(IZNDiagnostics* diagnostics, Each each) {
  CComPtr<IEnum<IZNDecomposition>> decompositions;
  if (!diagnostics || FAILED(diagnostics->EnumDecompositions(&decompositions)) || !decompositions) return;
  for (CComPtr<IZNDecomposition> decomposition; decompositions->Next(&decomposition) == S_OK && decomposition;)
    each(decomposition.Get());
}

}  // namespace

CQVEODiagnostic::CQVEODiagnostic(IFInstance* simulation, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CExplorerContainerObject(ForInstance{}, simulation, exclusionList, IDI_DIAGNOSTICS, IDI_DIAGNOSTICS, owner, 0) {}

const GUID& CQVEODiagnostic::ClassID() { return CLSID_QVEODiagnostic; }

int CQVEODiagnostic::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_DIAGNOSTICS);
  return !name.empty();
}

CExplorerObject* CQVEODiagnostic::Clone() { return new CQVEODiagnostic(m_pInstance, m_pExclusionList, GetOwner()); }

int CQVEODiagnostic::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectName) return 0;
  return GetClassName(text);
}

CComPtr<IZNDiagnostics> CQVEODiagnostic::DocumentDiagnostics() {
  CComPtr<IZNDiagnostics> diagnostics;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document || FAILED(document->GetDiagnostics(&diagnostics))) diagnostics = nullptr;
  return diagnostics;
}

bool CQVEODiagnostic::IsEquivalencingOn() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IQVSolverOptions> solver;
  VARIANT value;
  if (!document || FAILED(document->GetSolver(&solver)) || !solver || FAILED(solver->GetProperty("Compression", &value)))
    return false;
  return value.vt == VT_BOOL && value.boolVal;
}

int CQVEODiagnostic::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
  build.Add(ID_EXPLORER_FIRST_UNCONVERGED_ONLY, IDS_MENU_FIRST_UNCONVERGED_ONLY);
  build.Add(ID_EXPLORER_GOTO_FIRST_UNCONVERGED, IDS_GO_TO_FIRST_UNCONVERGED);
  if (m_pExclusionList && m_pExclusionList->GetShowVariablesInGroups()) {
    build.Add(ID_EXPLORER_SHOW_EQUATIONS, IDS_MENU_SHOW_EQUATIONS);
  } else {
    build.Add(ID_EXPLORER_SHOW_VARIABLES, IDS_MENU_SHOW_VARIABLES);
  }
  return 1;
}

int CQVEODiagnostic::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_FIRST_UNCONVERGED_ONLY:
    case ID_EXPLORER_GOTO_FIRST_UNCONVERGED:
      return 1;
    case ID_EXPLORER_SHOW_VARIABLES:
    case ID_EXPLORER_SHOW_EQUATIONS:
      return m_pExclusionList != nullptr;
    default:
      return 0;
  }
}

void CQVEODiagnostic::SetCommandState(CCmdUI* ui) {
  if (!ui) return;
  ui->Enable(true);
  if (ui->m_nID == ID_EXPLORER_FIRST_UNCONVERGED_ONLY)
    ui->SetCheck(m_pExclusionList && m_pExclusionList->GetOnlyFirstUnconverged() ? 1 : 0);
}

void CQVEODiagnostic::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
      ShowProperties();
      break;
    case ID_EXPLORER_FIRST_UNCONVERGED_ONLY:
      ToggleOnlyFirstUnconverged();
      break;
    case ID_EXPLORER_SHOW_VARIABLES:
    case ID_EXPLORER_SHOW_EQUATIONS:
      if (m_pExclusionList) m_pExclusionList->SetShowVariablesInGroups(id == ID_EXPLORER_SHOW_VARIABLES, this);
      break;
    case ID_EXPLORER_GOTO_FIRST_UNCONVERGED:
      PostToOwner(EXPLORER_GOTO_FIRST_UNCONVERGED, 0, 0);
      break;
    default:
      break;
  }
}

void CQVEODiagnostic::ToggleOnlyFirstUnconverged() {
  if (!m_pExclusionList) return;
  const int on = m_pExclusionList->GetOnlyFirstUnconverged() ? 0 : 1;
  m_pExclusionList->SetOnlyFirstUnconverged(on);
  PostToOwner(EXPLORER_DECOMP_UPDATE, 0, 0);
  CRegKey key;
  if (key.Create(HKEY_CURRENT_USER, CQVExplorer::GetSettingsRootKeyName()) == ERROR_SUCCESS)
    key.SetDWORDValue("OnlyShowFirstUnconvergedGroup", static_cast<DWORD>(on));
}

void CQVEODiagnostic::ShowProperties() {
  CComPtr<IZNDiagnostics> diagnostics = DocumentDiagnostics();
  int runMode = 0;
  ForEachDecomposition(diagnostics, [&](IZNDecomposition* decomposition) {
    if (runMode == 0) decomposition->GetRunMode(&runMode);
  });
  CQVEDiagnosticPropSheet sheet(IDS_DIAGNOSTIC_PROPERTIES, runMode);
  sheet.DoModal();
}

HTREEITEM CQVEODiagnostic::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  CComPtr<IZNDiagnostics> diagnostics = DocumentDiagnostics();
  HTREEITEM own = nullptr;
  if (!IsExcluded(CLSID_QVEODecomposition)) {
    ForEachDecomposition(diagnostics, [&](IZNDecomposition* decomposition) {
      auto* node = new CQVEODecomposition(decomposition, m_pExclusionList, GetOwner());
      if (!own) own = InsertTreeItem(tree, LoadStringOrEmpty(IDS_DIAGNOSTICS), parent, TVI_LAST, 1);
      if (!own || !node->ShowContents(tree, own)) delete node;
    });
  }
  if (own && IsEquivalencingOn() && !IsExcluded(CLSID_QVEOEquivalenceHolder)) {
    auto* holder = new CQVEOEquivalenceHolder(diagnostics, m_pExclusionList, GetOwner());
    if (!holder->ShowContents(tree, own)) delete holder;
  }
  return own;
}

int CQVEODiagnostic::ShowContents(CListCtrl& list) {
  const int count = kDiagnosticsCountWidth;
  InsertDiagnosticsColumns(*this, list,
                           {{IDS_NAME, CColumnWidths::kFirstColumnDefault},
                            {IDS_EQUATION_COUNT, CColumnWidths::kOtherColumnDefault},
                            {IDS_GROUPS, count},
                            {IDS_EXPLICIT_GROUPS, count},
                            {IDS_LINEAR_GROUPS, count},
                            {IDS_NONLINEAR_GROUPS, count},
                            {IDS_TORN_GROUPS, count},
                            {IDS_MOST_EQUATIONS_IN_A_GROUP, count},
                            {IDS_STATUS, count}});
  CComPtr<IZNDiagnostics> diagnostics = DocumentDiagnostics();
  if (!IsExcluded(CLSID_QVEODecomposition)) {
    ForEachDecomposition(diagnostics, [&](IZNDecomposition* decomposition) {
      auto* row = new CQVEODecomposition(decomposition, m_pExclusionList, GetOwner());
      if (row->AddItem(list, list.GetItemCount()) < 0) delete row;
    });
  }
  if (diagnostics && IsEquivalencingOn() && !IsExcluded(CLSID_QVEOEquivalenceHolder)) {
    auto* holder = new CQVEOEquivalenceHolder(diagnostics, m_pExclusionList, GetOwner());
    if (holder->AddItem(list, list.GetItemCount()) < 0) delete holder;
  }
  return 0;
}

int CQVEODiagnostic::GetSortType(LISTSORTINFO& info) {
  if (info.column < 0 || info.column > 8) return 0;
  info.type = info.column == 0 || info.column == 8 ? LSI_TEXT : LSI_INTEGER;
  return 1;
}
