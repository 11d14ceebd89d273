#include "explorer/nodes/diagnostics/QVEOGroup.h"

#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/QVEOEquation.h"
#include "explorer/nodes/diagnostics/QVEOVariable.h"
#include "explorer/nodes/diagnostics/QVEVariableDisplayHolder.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

CQVEOGroup::CQVEOGroup(IZNDecompGroup* group, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVEODecompGroupNode(group, IDI_GROUP, IDS_GROUP, exclusionList, owner) {}

CQVEOGroup::~CQVEOGroup() {
  if (m_pDisplayHolder) m_pDisplayHolder->Unadvise();
}

CExplorerObject* CQVEOGroup::MakeRoot(IUnknown* group, CExplorerExclusionList* exclusionList, CWnd* owner) {
  CComPtr<IZNDecompGroup> found = ComQuery<IZNDecompGroup>(group);
  return found ? new CQVEOGroup(found, exclusionList, owner) : nullptr;
}

const GUID& CQVEOGroup::ClassID() { return CLSID_QVEOGroup; }

CExplorerObject* CQVEOGroup::Clone() { return new CQVEOGroup(m_pGroup, m_pExclusionList, GetOwner()); }

int CQVEOGroup::GetDisplayText(EOAspect aspect, std::string& text) {
  text.clear();
  if (aspect != EOAspectName) return 0;
  if (!m_pGroup) {
    text = "No data yet. Re-open the group node";
  } else if (Count(&IZNDecompGroup::GetType) == ZN_GROUP_TORN) {
    text = LoadStringOrEmpty(IDS_TORN);
  } else {
    text = FormatCount(Count(&IZNDecompGroup::GetNumber));
  }
  return 1;
}

std::string CQVEOGroup::StatusText() const {
  return m_nStatus == EO_STATUS_NOT_OK ? "UnConverged" : "Converged";
}

int CQVEOGroup::AddItem(CListCtrl& list, int row) {
  const int added = InsertListItem(list, row, this);
  if (added < 0 || !m_pGroup) return added;
  const int type = Count(&IZNDecompGroup::GetType);
  list.SetItemText(added, 1, GroupTypeName(type));
  if (type == ZN_GROUP_TORN) {
    const std::string size = FormatCount(Count(&IZNDecompGroup::GetTornSize));
    list.SetItemText(added, 2, size);
    list.SetItemText(added, 3, size);
    list.SetItemText(added, 4, "-");
  } else {
    list.SetItemText(added, 2, FormatCount(Count(&IZNDecompGroup::GetEquationCount)));
    list.SetItemText(added, 3, FormatCount(Count(&IZNDecompGroup::GetVariableCount)));
    list.SetItemText(added, 4, FormatCount(Count(&IZNDecompGroup::GetNonZeroCount)));
  }
  list.SetItemText(added, 5, StatusText());
  return added;
}

bool CQVEOGroup::ShowsVariables() const { return m_pExclusionList && m_pExclusionList->GetShowVariablesInGroups(); }

HTREEITEM CQVEOGroup::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  if (!InsertOwnItem(tree, parent, text)) return nullptr;
  if (m_pGroup) {
    if (ShowsVariables()) {
      AddPlaceholder(tree, new CQVEOVariable(static_cast<IZNDecompVariable*>(nullptr), GetOwner(), m_pExclusionList));
    } else {
      AddPlaceholder(tree, new CQVEOEquation(nullptr, GetOwner(), m_pExclusionList));
    }
  }
  return m_hItem;
}

void CQVEOGroup::FillChildren(CTreeCtrl& tree, HTREEITEM item) {
  if (!m_pGroup) return;
  DeleteChildItems(tree, item);
  if (ShowsVariables()) {
    AddVariables(tree, item);
  } else {
    AddEquations(tree, item);
  }
  m_bFilled = 1;
}

void CQVEOGroup::AddEquations(CTreeCtrl& tree, HTREEITEM item) {
  CComPtr<IEnum<IZNDecompEquation>> equations;
  if (!m_pGroup || IsExcluded(CLSID_QVEOEquation) || FAILED(m_pGroup->EnumEquations(&equations)) || !equations)
    return;
  for (CComPtr<IZNDecompEquation> equation; equations->Next(&equation) == S_OK && equation;)
    InsertChildNode(tree, item, new CQVEOEquation(equation, GetOwner(), m_pExclusionList));
  m_bFilled = 1;
  m_bChildrenDeferred = 0;
}

void CQVEOGroup::AddVariables(CTreeCtrl& tree, HTREEITEM item) {
  CComPtr<IEnum<IZNDecompVariable>> variables;
  if (!m_pGroup || IsExcluded(CLSID_QVEOVariable) || FAILED(m_pGroup->EnumVariables(&variables)) || !variables)
    return;
  for (CComPtr<IZNDecompVariable> variable; variables->Next(&variable) == S_OK && variable;) {
    auto* node = new CQVEOVariable(variable, GetOwner(), m_pExclusionList);
    node->SetOwningGroup(m_pGroup, item);
    InsertChildNode(tree, item, node);
  }
  m_bFilled = 1;
  m_bChildrenDeferred = 0;
}

bool CQVEOGroup::MatchChildrenToFlag(CTreeCtrl& tree, HTREEITEM item) {
  HTREEITEM first = tree.GetChildItem(item);
  auto* child = first ? reinterpret_cast<CExplorerObject*>(tree.GetItemData(first)) : nullptr;
  if (!m_bFilled || !child) return false;
  const bool variables = child->GetClassID() == CLSID_QVEOVariable;
  if (variables == ShowsVariables()) return false;
  DeleteChildItems(tree, item);
  if (ShowsVariables()) {
    AddVariables(tree, item);
  } else {
    AddEquations(tree, item);
  }
  return true;
}

CQVEVariableDisplayHolder& CQVEOGroup::DisplayHolder() {
  if (!m_pDisplayHolder) m_pDisplayHolder = MakeComObject<CQVEVariableDisplayHolder>();
  return *m_pDisplayHolder;
}

int CQVEOGroup::ShowContents(CListCtrl& list) {
  if (ShowsVariables()) {
    DisplayHolder().ShowGroupVariables(*this, list, m_pGroup);
    return 0;
  }
  if (!m_pGroup) return 0;
  EnsureChildren();
  if (IsExcluded(CLSID_QVEOEquation)) return 0;
  InsertDiagnosticsColumns(*this, list, CQVEOEquation::Columns());
  DeleteDiagnosticsRows(*this, list);
  CComPtr<IEnum<IZNDecompEquation>> equations;
  if (FAILED(m_pGroup->EnumEquations(&equations)) || !equations) return 0;
  for (CComPtr<IZNDecompEquation> equation; equations->Next(&equation) == S_OK && equation;) {
    auto* row = new CQVEOEquation(equation, GetOwner(), m_pExclusionList);
    if (row->AddItem(list, list.GetItemCount()) < 0) delete row;
  }
  return 0;
}

int CQVEOGroup::GetSortType(LISTSORTINFO& info) {
  if (ShowsVariables()) return CQVEVariableDisplayHolder::GetSortType(info);
  if (info.column == 0) info.type = LSI_TEXT;
  else if (info.column == 1) info.type = LSI_REAL;
  else if (info.column >= 2 && info.column <= 4) info.type = LSI_INTEGER;
  else return 0;
  return 1;
}

void CQVEOGroup::SelChanging() {
  if (m_pDisplayHolder) m_pDisplayHolder->Unadvise();
}
