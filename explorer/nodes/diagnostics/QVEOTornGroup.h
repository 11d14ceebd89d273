// A torn group: its sub-groups listed like a decomposition's groups (pages of
// N, first unconverged only when asked), and a property sheet with its first
// unconverged sub-group.
#pragma once

#include "explorer/nodes/diagnostics/DecompGroupNode.h"

class CQVEOTornGroup : public CQVEODecompGroupNode {
 public:
  using CQVEODecompGroupNode::ShowContents;

  CQVEOTornGroup(IZNDecompGroup* tornGroup, CExplorerExclusionList* exclusionList, CWnd* owner);
  // The root of an Explorer opened at a torn group.
  static CExplorerObject* MakeRoot(IUnknown* group, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;

  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;
  int AddItem(CListCtrl& list, int row) override;

  // The decomposition sheet "Torn Group: <number>" with the first unconverged sub-group.
  void ShowProperties();

 protected:
  void FillChildren(CTreeCtrl& tree, HTREEITEM item) override;
};
