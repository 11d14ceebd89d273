// What the small folders directly below the simulation share: "E&xplore" as
// their only command, never empty, a tree item of their own (a folder may add
// children below it), and a contents pane with the columns "Name" and "Type"
// whose rows the folder supplies.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"

class CQVEOTopLevelFolder : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  int GetClassName(std::string& name) override;
  // Aspects 0 and 1: the folder's class name; nonzero when it is not empty.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;

  int IsEmpty() override { return 0; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;

 protected:
  CQVEOTopLevelFolder(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, UINT classNameId);

  // The folder's rows, after the columns are in place.
  virtual void AddRows(CListCtrl& list) = 0;
  // Appends node's row with its type in column 1. The list owns the node
  // from then on; a node no row took is deleted.
  static void AddRow(CListCtrl& list, CExplorerObject* node);
  // The folder's own tree item under parent, last, without error mark.
  HTREEITEM InsertOwnItem(CTreeCtrl& tree, HTREEITEM parent);

 private:
  UINT m_classNameId;
};
