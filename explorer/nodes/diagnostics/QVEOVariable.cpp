#include "explorer/nodes/diagnostics/QVEOVariable.h"

#include <cstdio>

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/diagnostics/BoundState.h"
#include "explorer/nodes/diagnostics/DiagnosticsExplorerOpening.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/QVEOEquation.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/diagnostics/IZNDecompEquivalence.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IQVVariable.h"
#include "explorer/core/QVExplorer.h"
#include "platform/Resources.h"
#include "platform/TextCompare.h"

namespace {

constexpr int kProblemOverlay = 5;
constexpr int kEquivalenceOverlay = 6;

int EquivalenceOf(IZNDecompVariable* variable) {
  int number = 0;
  if (variable) variable->GetEquivalenceNumber(&number);
  return number;
}

std::string PropertyText(IQVVariable* variable, const char* property) {
  std::string text;
  if (!variable || FAILED(variable->GetPropertyText(property, text))) return {};
  return text;
}

// The n-th (1-based) member of a collection; null when it has none there.
CComPtr<IZNDecompGroup> GroupAt(IEnum<IZNDecompGroup>* groups, int number) {
  CComPtr<IZNDecompGroup> group;
  if (!groups || number < 1) return group;
  if (number > 1 && groups->Skip(static_cast<ULONG>(number - 1)) != S_OK) return group;
  if (groups->Next(&group) != S_OK) group = nullptr;
  return group;
}

}  // namespace

CQVEOVariable::CQVEOVariable(IZNDecompVariable* variable, CWnd* owner, CExplorerExclusionList* exclusionList)
    : CExplorerContainerObject(ForType{}, nullptr, exclusionList, IDI_VARIABLE, IDI_VARIABLE, owner, 0),
      m_pVariable(variable) {
  GetStatus();
}

CQVEOVariable::CQVEOVariable(IZNDecompEquation* equation, CWnd* owner)
    : CExplorerContainerObject(ForType{}, nullptr, nullptr, IDI_VARIABLE, IDI_VARIABLE, owner, 0),
      m_pEquation(equation) {
  GetStatus();
}

const GUID& CQVEOVariable::ClassID() { return CLSID_QVEOVariable; }

int CQVEOVariable::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_VARIABLE);
  return !name.empty();
}

CExplorerObject* CQVEOVariable::Clone() {
  auto* copy = m_pVariable ? new CQVEOVariable(m_pVariable.Get(), GetOwner(), m_pExclusionList)
                           : new CQVEOVariable(m_pEquation.Get(), GetOwner());
  copy->SetOwningGroup(m_pOwningGroup, m_hGroupItem);
  return copy;
}

void CQVEOVariable::GetStatus() {
  bool problem = false;
  if (m_pVariable) m_pVariable->HasProblem(&problem);
  m_nStatus = problem ? EO_STATUS_NOT_OK : EO_STATUS_OK;
}

int CQVEOVariable::GetOverlay(int& state) {
  state = 0;
  int index = m_nStatus == EO_STATUS_NOT_OK ? kProblemOverlay : 0;
  if (EquivalenceOf(m_pVariable) != 0) index += kEquivalenceOverlay;
  if (index == 0) return 0;
  state = static_cast<int>(INDEXTOOVERLAYMASK(static_cast<UINT>(index)));
  return 1;
}

int CQVEOVariable::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectName) return 0;
  if (m_pVariable) return SUCCEEDED(m_pVariable->GetName(text));
  text = LoadStringOrEmpty(IDS_RESIDUAL);
  return 1;
}

std::string CQVEOVariable::TreeText() {
  if (!m_pVariable) return "No data yet. Re-open the variable node";
  std::string name;
  m_pVariable->GetName(name);
  if (const int number = EquivalenceOf(m_pVariable)) name += " (" + EquivalenceName(number) + ")";
  return name;
}

std::string CQVEOVariable::GroupText() {
  int group = 0, sub = 0;
  if (!m_pVariable) return {};
  m_pVariable->GetGroupIndex(&group);
  m_pVariable->GetSubGroupIndex(&sub);
  char text[64];
  if (group == ZN_VARIABLE_TORN) {
    std::snprintf(text, sizeof text, "Torn in group %d", sub);
  } else if (group == ZN_VARIABLE_CALCULATED) {
    return LoadStringOrEmpty(IDS_CALCULATED);
  } else if (group == ZN_VARIABLE_NO_GROUP) {
    return "-";
  } else if (sub != 0) {
    std::snprintf(text, sizeof text, "Group %d sub group %d", group, sub);
  } else {
    std::snprintf(text, sizeof text, "Group %d", group);
  }
  return text;
}

int CQVEOVariable::BuildContextMenu(CMenu& menu) {
  if (!m_pVariable) return 0;
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_FIND_GROUP, IDS_MENU_FIND_GROUP);
  build.Add(ID_EXPLORER_FIND_EQUIVALENCE, IDS_MENU_FIND_EQUIVALENCE);
  return 1;
}

int CQVEOVariable::CanDoCommand(UINT id) {
  if (!m_pVariable) return 0;
  if (id == ID_EXPLORER_FIND_GROUP) {
    int group = 0;
    m_pVariable->GetGroupIndex(&group);
    return group != ZN_VARIABLE_NO_GROUP && group != ZN_VARIABLE_CALCULATED;
  }
  if (id == ID_EXPLORER_FIND_EQUIVALENCE) return EquivalenceOf(m_pVariable) != 0;
  return 0;
}

void CQVEOVariable::DoCommand(UINT id) {
  if (id == ID_EXPLORER_FIND_GROUP || id == ID_EXPLORER_DEFAULT_ACTION) {
    FindGroup();
  } else if (id == ID_EXPLORER_FIND_EQUIVALENCE) {
    FindEquivalence();
  }
}

void CQVEOVariable::FindGroup() {
  if (!m_pVariable) return;
  int group = 0, sub = 0;
  m_pVariable->GetGroupIndex(&group);
  m_pVariable->GetSubGroupIndex(&sub);
  if (group == ZN_VARIABLE_NO_GROUP || group == ZN_VARIABLE_CALCULATED) return;
  CComPtr<IZNDecomposition> decomposition;
  CComPtr<IEnum<IZNDecompGroup>> groups;
  if (FAILED(m_pVariable->GetDecomposition(&decomposition)) || !decomposition ||
      FAILED(decomposition->EnumGroups(&groups)))
    return;
  const bool torn = group == ZN_VARIABLE_TORN;
  CComPtr<IZNDecompGroup> target = GroupAt(groups, torn ? sub : group);
  if (!torn && target && sub != 0) {
    CComPtr<IEnum<IZNDecompGroup>> subGroups;
    target = SUCCEEDED(target->EnumSubGroups(&subGroups)) ? GroupAt(subGroups, sub) : nullptr;
  }
  if (!target) return;
  std::string name;
  m_pVariable->GetName(name);
  OpenDiagnosticsExplorer(*this, torn ? CLSID_QVEOTornGroup : CLSID_QVEOGroup, target, name,
                          EquivalenceOf(m_pVariable));
}

void CQVEOVariable::FindEquivalence() {
  const int number = EquivalenceOf(m_pVariable);
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IZNDiagnostics> diagnostics;
  CComPtr<IEnum<IZNDecompEquivalence>> equivalences;
  if (number == 0 || !document || FAILED(document->GetDiagnostics(&diagnostics)) || !diagnostics ||
      FAILED(diagnostics->EnumEquivalences(&equivalences)))
    return;
  for (CComPtr<IZNDecompEquivalence> equivalence; equivalences->Next(&equivalence) == S_OK && equivalence;) {
    int found = 0;
    equivalence->GetNumber(&found);
    if (found != number) continue;
    std::string name;
    m_pVariable->GetName(name);
    OpenDiagnosticsExplorer(*this, CLSID_QVEOEquivalence, equivalence, name, number);
    return;
  }
}

int CQVEOVariable::GetSortVal(int column, std::string& value) {
  if (column == 0) return GetDisplayText(EOAspectName, value);
  if (column == 4) {
    value = GroupText();
    return 1;
  }
  if (column == 8) {
    if (!m_pVariable) {
      value = " ";
      return 1;
    }
    return SUCCEEDED(m_pVariable->GetBoundState(value));
  }
  return 0;
}

int CQVEOVariable::GetSortType(LISTSORTINFO& info) {
  if (info.column == 0) {
    info.type = LSI_TEXT;
    return 1;
  }
  if (info.column == 1) {
    info.type = LSI_REAL;
    return 1;
  }
  return 0;
}

void CQVEOVariable::SetOwningGroup(IZNDecompGroup* group, HTREEITEM groupItem) {
  m_pOwningGroup = group;
  m_hGroupItem = groupItem;
}

HTREEITEM CQVEOVariable::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  HTREEITEM item = InsertTreeItem(tree, TreeText(), parent, TVI_LAST, 1);
  int overlay = 0;
  GetOverlay(overlay);
  if (item) tree.SetItemState(item, static_cast<UINT>(overlay), TVIS_OVERLAYMASK);
  return item;
}

int CQVEOVariable::ShowContents(CListCtrl& list) {
  if (!m_pOwningGroup || IsExcluded(CLSID_QVEOEquation)) return 0;
  InsertDiagnosticsColumns(*this, list, CQVEOEquation::Columns());
  DeleteDiagnosticsRows(*this, list);
  CTreeCtrl* tree = OwnerTree(*this);
  const std::string selected = tree ? tree->GetItemText(tree->GetSelectedItem()) : TreeText();
  const bool byEquivalence = selected.find("ZN_Equivalence_") != std::string::npos;
  CComPtr<IEnum<IZNDecompEquation>> equations;
  if (FAILED(m_pOwningGroup->EnumEquations(&equations)) || !equations) return 0;
  for (CComPtr<IZNDecompEquation> equation; equations->Next(&equation) == S_OK && equation;) {
    CComPtr<IEnum<IZNDecompVariable>> variables;
    if (FAILED(equation->EnumVariables(&variables)) || !variables) continue;
    bool matches = false;
    for (CComPtr<IZNDecompVariable> variable; !matches && variables->Next(&variable) == S_OK && variable;) {
      if (byEquivalence) {
        const int number = EquivalenceOf(variable);
        matches = number >= 1 && selected.find(EquivalenceName(number)) != std::string::npos;
      } else {
        std::string name;
        variable->GetName(name);
        matches = CompareNoCase(name, selected) == 0;
      }
    }
    if (matches) {
      auto* row = new CQVEOEquation(equation, GetOwner(), m_pExclusionList);
      if (row->AddItem(list, list.GetItemCount()) < 0) delete row;
    }
  }
  return 0;
}

int CQVEOVariable::AddItem(CListCtrl& list, int row, bool flagged, const std::string& name, const std::string& value,
                           IQVVariable* hostVariable, bool derivative) {
  if (!m_pVariable) return -1;
  GetStatus();
  m_rowName = name;
  const int number = EquivalenceOf(m_pVariable);
  LVITEM item;
  std::string label = number ? name + " (" + EquivalenceName(number) + ")" : name;
  item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  item.iItem = row;
  item.pszText = label.data();
  item.iImage = I_IMAGECALLBACK;
  item.lParam = reinterpret_cast<LPARAM>(this);
  item.stateMask = LVIS_OVERLAYMASK | (flagged ? LVIS_SELECTED : 0u);
  int overlay = 0;
  GetOverlay(overlay);
  item.state = static_cast<UINT>(overlay) | (flagged ? LVIS_SELECTED : 0u);
  const int added = list.InsertItem(&item);
  if (added < 0) return added;
  list.SetItemText(added, 1, value);
  if (hostVariable) {
    list.SetItemText(added, 2, PropertyText(hostVariable, "Units"));
    list.SetItemText(added, 3, PropertyText(hostVariable, "Spec"));
  }
  list.SetItemText(added, 4, GroupText());
  if (hostVariable) {
    list.SetItemText(added, 5, PropertyText(hostVariable, "Description"));
    list.SetItemText(added, 6, PropertyText(hostVariable, "Lower"));
    list.SetItemText(added, 7, PropertyText(hostVariable, "Upper"));
    const std::string state = derivative ? std::string(" ") : VariableBoundState(hostVariable);
    list.SetItemText(added, 8, state);
    m_shownBoundMark = state[0];
    m_pVariable->SetBoundState(state);
  }
  return added;
}

int CQVEOVariable::AddResidual(CListCtrl& list, int row) {
  if (!m_pEquation) return -1;
  const int added = InsertListItem(list, row, this);
  if (added < 0) return added;
  std::string text;
  m_pEquation->GetResidualText(text);
  list.SetItemText(added, 1, text);
  return added;
}
