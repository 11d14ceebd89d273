#include "explorer/nodes/diagnostics/DiagnosticsOpenAt.h"

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/QVEOEquation.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "host/diagnostics/IZNDecompVariable.h"
#include "host/framework/CRQVDocument.h"
#include "host/framework/CorvaneViewContext.h"
#include "platform/TextCompare.h"
#include "platform/TextTrim.h"

namespace {

constexpr const char kGroupRequest[] = "Error: Bad parsing for \"Group ... or Group ... sub group ...\"";
constexpr const char kTornRequest[] = "Error: Bad parsing for \"Torn in group ...\"";
constexpr const char kServerFailed[] = "! One of application servers has been failed.";
constexpr const char kUserCode[] = "This could be due to user supplied application code.";

void ReportOpenAtProblem(const std::string& line) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document) return;
  document->OutputMessage(line, -1, 0);
  document->OutputMessage(kUserCode, -1, 0);
}

// The variable the Explorer was opened for: by name, or by its equivalence.
struct OpenAtTarget {
  std::string name;
  int equivalence = 0;

  bool Matches(const std::string& text) const {
    const std::string trimmed = TrimText(text);
    if (equivalence > 0) return trimmed.find(EquivalenceName(equivalence)) != std::string::npos;
    return CompareNoCase(trimmed, name) == 0;
  }
  bool Matches(IZNDecompVariable* variable) const {
    if (equivalence > 0) {
      int number = 0;
      variable->GetEquivalenceNumber(&number);
      return number == equivalence;
    }
    std::string variableName;
    variable->GetName(variableName);
    return CompareNoCase(variableName, name) == 0;
  }
};

bool EquationUses(CExplorerObject* row, const OpenAtTarget& target) {
  auto* equation = dynamic_cast<CQVEOEquation*>(row);
  CComPtr<IEnum<IZNDecompVariable>> variables;
  if (!equation || !equation->GetEquation() || FAILED(equation->GetEquation()->EnumVariables(&variables)) ||
      !variables)
    return false;
  for (CComPtr<IZNDecompVariable> variable; variables->Next(&variable) == S_OK && variable;)
    if (target.Matches(variable)) return true;
  return false;
}

// The row of the variable, or (when the group lists its equations) of the first equation that uses it.
bool SelectMatchingRow(CListCtrl& list, const OpenAtTarget& target) {
  for (int row = 0; row < list.GetItemCount(); ++row) {
    if (!target.Matches(list.GetItemText(row, 0)) &&
        !EquationUses(reinterpret_cast<CExplorerObject*>(list.GetItemData(row)), target))
      continue;
    list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (row > 1) list.EnsureVisible(row - 2, FALSE);
    return true;
  }
  return false;
}

HTREEITEM FindMatchingChild(CTreeCtrl& tree, HTREEITEM parent, const OpenAtTarget& target) {
  for (HTREEITEM child = tree.GetChildItem(parent); child; child = tree.GetNextSiblingItem(child))
    if (target.Matches(tree.GetItemText(child))) return child;
  return nullptr;
}

CExplorerContainerObject* ItemContainer(CTreeCtrl& tree, HTREEITEM item) {
  return dynamic_cast<CExplorerContainerObject*>(reinterpret_cast<CExplorerObject*>(tree.GetItemData(item)));
}

bool GroupHolds(IZNDecompGroup* group, const OpenAtTarget& target) {
  CComPtr<IEnum<IZNDecompVariable>> variables;
  if (!group || FAILED(group->EnumVariables(&variables)) || !variables) return false;
  for (CComPtr<IZNDecompVariable> variable; variables->Next(&variable) == S_OK && variable;)
    if (target.Matches(variable)) return true;
  return false;
}

// Selects the target below a group's item (variables in the tree) or among the rows (equations' variables).
bool SelectWithinGroup(IExplorerWindow& window, CTreeCtrl& tree, HTREEITEM group, bool variablesInTree,
                       const OpenAtTarget& target, const char* request) {
  if (!variablesInTree) {
    CListCtrl* list = window.GetContentsPaneControl();
    if (!list || list->GetItemCount() == 0) {
      ReportOpenAtProblem(std::string(request) + " (no root)! ");
      return false;
    }
    if (!SelectMatchingRow(*list, target)) ReportOpenAtProblem(std::string(request) + kServerFailed);
    return true;
  }
  if (!tree.GetChildItem(group)) {
    ReportOpenAtProblem(std::string(request) + " (no children)" + kServerFailed);
    return false;
  }
  HTREEITEM found = FindMatchingChild(tree, group, target);
  if (!found) {
    ReportOpenAtProblem(std::string(request) + " (no variable)" + kServerFailed);
    return false;
  }
  tree.SelectItem(found);
  tree.EnsureVisible(found);
  return true;
}

void OpenAtTornGroup(IExplorerWindow& window, CTreeCtrl& tree, CExplorerContainerObject& root, bool variablesInTree,
                     const OpenAtTarget& target) {
  HTREEITEM torn = tree.GetRootItem();
  if (!torn) {
    ReportOpenAtProblem(std::string(kTornRequest) + " (no root)" + kServerFailed);
    return;
  }
  root.ShowMoreContents(tree, torn);
  tree.SelectItem(torn);
  tree.Expand(torn, TVE_EXPAND);
  if (!tree.GetChildItem(torn)) {
    ReportOpenAtProblem(std::string(kTornRequest) + " (no children of root) " + kServerFailed);
    return;
  }
  // The sub-group that solves the variable, opened and selected, then the variable within it.
  for (HTREEITEM child = tree.GetChildItem(torn); child; child = tree.GetNextSiblingItem(child)) {
    auto* group = dynamic_cast<CQVEOGroup*>(ItemContainer(tree, child));
    if (!group || !GroupHolds(group->GetGroup(), target)) continue;
    group->ShowMoreContents(tree, child);
    tree.SelectItem(child);
    tree.Expand(child, TVE_EXPAND);
    SelectWithinGroup(window, tree, child, variablesInTree, target, kTornRequest);
    return;
  }
  ReportOpenAtProblem(std::string(kTornRequest) + " (no sel variable)" + kServerFailed);
}

}  // namespace

void OpenDiagnosticsExplorerAt(IExplorerWindow& window, CExplorerContainerObject& root,
                               const tag_CorvaneViewContext& context) {
  CTreeCtrl* tree = window.GetTreePaneControl();
  OpenAtTarget target{TrimText(context.openAtName), context.openAtEquivalence};
  if (!tree || target.name.empty()) return;
  CExplorerExclusionList* exclusions = root.GetExclusionList();
  const bool variablesInTree = exclusions && exclusions->GetShowVariablesInGroups();
  if (root.GetClassID() == CLSID_QVEOTornGroup) {
    OpenAtTornGroup(window, *tree, root, variablesInTree, target);
    return;
  }
  HTREEITEM rootItem = tree->GetRootItem();
  if (!rootItem) {
    ReportOpenAtProblem(std::string(kGroupRequest) + " (no root)" + kServerFailed);
    return;
  }
  root.ShowMoreContents(*tree, rootItem);
  // The window took its stored equations-or-variables choice after the root had shown itself.
  auto* group = dynamic_cast<CQVEOGroup*>(&root);
  if (group && group->MatchChildrenToFlag(*tree, rootItem)) {
    if (CListCtrl* list = window.GetContentsPaneControl()) {
      root.ClearList(*list);
      root.ShowContents(*list);
    }
  }
  SelectWithinGroup(window, *tree, rootItem, variablesInTree, target, kGroupRequest);
}
