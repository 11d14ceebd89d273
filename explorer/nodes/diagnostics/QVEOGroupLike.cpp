#include "explorer/nodes/diagnostics/QVEOGroupLike.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

CQVEOGroupLike::CQVEOGroupLike(UINT iconId, UINT classNameId, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CExplorerContainerObject(ForType{}, nullptr, exclusionList, iconId, iconId, owner, 0),
      m_classNameId(classNameId) {}

int CQVEOGroupLike::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(m_classNameId);
  return !name.empty();
}

int CQVEOGroupLike::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  if (m_pExclusionList && m_pExclusionList->GetShowVariablesInGroups()) {
    build.Add(ID_EXPLORER_SHOW_EQUATIONS, IDS_MENU_SHOW_EQUATIONS);
  } else {
    build.Add(ID_EXPLORER_SHOW_VARIABLES, IDS_MENU_SHOW_VARIABLES);
  }
  return 1;
}

int CQVEOGroupLike::CanDoCommand(UINT id) {
  return (id == ID_EXPLORER_SHOW_VARIABLES || id == ID_EXPLORER_SHOW_EQUATIONS) && m_pExclusionList;
}

void CQVEOGroupLike::DoCommand(UINT id) {
  if (!m_pExclusionList) return;
  if (id == ID_EXPLORER_SHOW_VARIABLES) m_pExclusionList->SetShowVariablesInGroups(1, this);
  if (id == ID_EXPLORER_SHOW_EQUATIONS) m_pExclusionList->SetShowVariablesInGroups(0, this);
}

void CQVEOGroupLike::ShowChildren(CTreeCtrl& tree, HTREEITEM item) { Fill(tree, item); }

void CQVEOGroupLike::ShowMoreContents(CTreeCtrl& tree, HTREEITEM item) {
  if (tree.GetChildItem(item)) Fill(tree, item);
}

void CQVEOGroupLike::Fill(CTreeCtrl& tree, HTREEITEM item) {
  if (m_bFilled || !item) return;
  m_bChildrenDeferred = 0;
  FillChildren(tree, item);
}

void CQVEOGroupLike::EnsureChildren() {
  CTreeCtrl* tree = OwnerTree(*this);
  if (tree && m_hItem && tree->IsValidItem(m_hItem) && reinterpret_cast<CQVEOGroupLike*>(tree->GetItemData(m_hItem)) == this)
    ShowMoreContents(*tree, m_hItem);
}

HTREEITEM CQVEOGroupLike::InsertOwnItem(CTreeCtrl& tree, HTREEITEM parent, const std::string& text) {
  m_hItem = InsertTreeItem(tree, text, parent, TVI_LAST, 1);
  if (m_hItem) SetTreeItemStatus(tree, m_hItem);
  return m_hItem;
}

void CQVEOGroupLike::AddPlaceholder(CTreeCtrl& tree, CExplorerContainerObject* placeholder) {
  if (!m_hItem || !placeholder) {
    delete placeholder;
    return;
  }
  InsertChildNode(tree, m_hItem, placeholder);
  m_bChildrenDeferred = 1;
}

void CQVEOGroupLike::DeleteChildItems(CTreeCtrl& tree, HTREEITEM item) {
  while (HTREEITEM child = tree.GetChildItem(item)) {
    DeleteChildItems(tree, child);
    auto* node = reinterpret_cast<CExplorerObject*>(tree.GetItemData(child));
    tree.SetItemData(child, 0);
    tree.DeleteItem(child);
    if (CExplorerObject::IsLive(node)) delete node;
  }
}

void InsertChildNode(CTreeCtrl& tree, HTREEITEM parent, CExplorerContainerObject* node) {
  if (node && !node->ShowContents(tree, parent)) delete node;
}
