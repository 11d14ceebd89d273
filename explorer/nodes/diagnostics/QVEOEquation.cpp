#include "explorer/nodes/diagnostics/QVEOEquation.h"

#include <cmath>

#include "explorer/core/ColumnWidths.h"
#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/EqnResidualDlg.h"
#include "explorer/nodes/diagnostics/QVEVariableDisplayHolder.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "platform/Resources.h"

namespace {

constexpr int kEquationCountWidth = 50;

int EquationCount(IZNDecompEquation* equation, HRESULT (IZNDecompEquation::*get)(int*)) {
  int value = 0;
  if (equation) (equation->*get)(&value);
  return value;
}

}  // namespace

CQVEOEquation::CQVEOEquation(IZNDecompEquation* equation, CWnd* owner, CExplorerExclusionList* exclusionList)
    : CExplorerContainerObject(ForType{}, nullptr, exclusionList, IDI_EQUATION, IDI_EQUATION, owner, 0),
      m_pEquation(equation), m_pDisplayHolder(MakeComObject<CQVEVariableDisplayHolder>()) {}

CQVEOEquation::~CQVEOEquation() { m_pDisplayHolder->Unadvise(); }

const GUID& CQVEOEquation::ClassID() { return CLSID_QVEOEquation; }

const std::vector<DiagnosticsColumn>& CQVEOEquation::Columns() {
  static const std::vector<DiagnosticsColumn> columns = {{IDS_NAME, CColumnWidths::kFirstColumnDefault},
          {IDS_RESIDUAL, kEquationCountWidth},
          {IDS_VARIABLE_COUNT, kEquationCountWidth},
          {IDS_ALL_ELEMENTS, kEquationCountWidth},
          {IDS_ACTIVE_VARIABLES, kEquationCountWidth}};
  return columns;
}

int CQVEOEquation::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_EQUATION);
  return !name.empty();
}

CExplorerObject* CQVEOEquation::Clone() { return new CQVEOEquation(m_pEquation, GetOwner(), m_pExclusionList); }

int CQVEOEquation::operator==(CExplorerObject& other) {
  auto* equation = dynamic_cast<CQVEOEquation*>(&other);
  return equation && equation->GetClassID() == GetClassID() && equation->m_pEquation.Get() == m_pEquation.Get();
}

int CQVEOEquation::GetDisplayText(EOAspect aspect, std::string& text) {
  text.clear();
  if (aspect != EOAspectName) return 1;
  if (!m_pEquation) {
    text = "No data yet. Re-open the equation node";
    return 1;
  }
  return SUCCEEDED(m_pEquation->GetName(text));
}

int CQVEOEquation::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_SHOW_RESIDUAL_TEXT, IDS_MENU_SHOW_RESIDUAL_TEXT);
  return 1;
}

int CQVEOEquation::CanDoCommand(UINT id) { return id == ID_EXPLORER_SHOW_RESIDUAL_TEXT && m_pEquation; }

void CQVEOEquation::DoCommand(UINT id) {
  if (id == ID_EXPLORER_SHOW_RESIDUAL_TEXT) ShowEquationResidualText();
}

void CQVEOEquation::ShowEquationResidualText() {
  if (!m_pEquation) return;
  std::string name, text;
  m_pEquation->GetName(name);
  m_pEquation->GetLongResidualText(text);
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CEqnResidualDlg::Open(AfxGetMainWnd(), "Residual text for equation: " + name, text, document);
}

int CQVEOEquation::AddItem(CListCtrl& list, int row) {
  const int added = InsertListItem(list, row, this);
  if (added < 0 || !m_pEquation) return added;
  std::string residual;
  m_pEquation->GetResidualText(residual);
  list.SetItemText(added, 1, residual);
  list.SetItemText(added, 2, FormatCount(EquationCount(m_pEquation, &IZNDecompEquation::GetVariableCount)));
  list.SetItemText(added, 3, FormatCount(EquationCount(m_pEquation, &IZNDecompEquation::GetElementCount)));
  list.SetItemText(added, 4, FormatCount(EquationCount(m_pEquation, &IZNDecompEquation::GetActiveVariableCount)));
  return added;
}

int CQVEOEquation::GetSortVal(int /*column*/, std::string& value) { return GetDisplayText(EOAspectName, value); }

int CQVEOEquation::GetSortVal(int column, int& value) {
  if (column == 2) value = EquationCount(m_pEquation, &IZNDecompEquation::GetVariableCount);
  else if (column == 3) value = EquationCount(m_pEquation, &IZNDecompEquation::GetElementCount);
  else if (column == 4) value = EquationCount(m_pEquation, &IZNDecompEquation::GetActiveVariableCount);
  else return 0;
  return 1;
}

int CQVEOEquation::GetSortVal(int /*column*/, double& value) {
  double residual = 0;
  if (!m_pEquation || FAILED(m_pEquation->GetResidual(&residual))) return 0;
  value = std::fabs(residual);
  return 1;
}

HTREEITEM CQVEOEquation::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  return InsertTreeItem(tree, text, parent, TVI_LAST, 1);
}

int CQVEOEquation::ShowContents(CListCtrl& list) {
  if (m_pEquation) m_pDisplayHolder->ShowEquationVariables(*this, list, m_pEquation);
  return 0;
}

int CQVEOEquation::GetSortType(LISTSORTINFO& info) { return CQVEVariableDisplayHolder::GetSortType(info); }

void CQVEOEquation::SelChanging() { m_pDisplayHolder->Unadvise(); }
