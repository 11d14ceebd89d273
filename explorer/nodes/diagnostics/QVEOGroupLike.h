// What groups, torn groups and group pages share: "S&how equations" or
// "S&how variables" as their commands, a tree item of their own with one
// placeholder child until they are first opened (whether by a click, by the
// tree's expansion, or by filling the contents pane), and a row in a list of
// groups.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"

class CQVEOGroupLike : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  int GetClassName(std::string& name) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  // Opening the item the first time replaces the placeholder by the real children.
  void ShowChildren(CTreeCtrl& tree, HTREEITEM item) override;
  void ShowMoreContents(CTreeCtrl& tree, HTREEITEM item) override;

  // The node's row in a list of groups; negative when none was added.
  virtual int AddItem(CListCtrl& list, int row) = 0;
  HTREEITEM GetTreeItem() const { return m_hItem; }
  bool ChildrenFilled() const { return m_bFilled != 0; }

 protected:
  CQVEOGroupLike(UINT iconId, UINT classNameId, CExplorerExclusionList* exclusionList, CWnd* owner);

  // Inserts the children in place of the placeholder; called once.
  virtual void FillChildren(CTreeCtrl& tree, HTREEITEM item) = 0;
  // Fills the tree children when they have not been yet (the contents pane does this before listing).
  void EnsureChildren();
  // Inserts this node as the last child of parent, remembered, with its status overlay.
  HTREEITEM InsertOwnItem(CTreeCtrl& tree, HTREEITEM parent, const std::string& text);
  // Lets placeholder in below the own item; the tree's first expansion then fills the real children.
  void AddPlaceholder(CTreeCtrl& tree, CExplorerContainerObject* placeholder);
  // Deletes item's children with their nodes.
  static void DeleteChildItems(CTreeCtrl& tree, HTREEITEM item);

  HTREEITEM m_hItem = nullptr;
  int m_bFilled = 0;

 private:
  void Fill(CTreeCtrl& tree, HTREEITEM item);
  UINT m_classNameId;
};

// Inserts each node of a walk under parent; a node that inserts nothing is deleted.
void InsertChildNode(CTreeCtrl& tree, HTREEITEM parent, CExplorerContainerObject* node);
