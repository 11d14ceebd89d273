// A group of equations solved together: below it in the tree its equations or
// (with "show variables") its variables; in the contents pane its equations
// with their residuals, or its variables kept current while shown.
#pragma once

#include "explorer/nodes/diagnostics/DecompGroupNode.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDecompGroup.h"

class CQVEVariableDisplayHolder;

class CQVEOGroup : public CQVEODecompGroupNode, public IExplorerGroupNode {
 public:
  using CQVEODecompGroupNode::ShowContents;

  // group may be null: the placeholder below torn groups and pages.
  CQVEOGroup(IZNDecompGroup* group, CExplorerExclusionList* exclusionList, CWnd* owner);
  ~CQVEOGroup() override;
  // The root of an Explorer opened at a group.
  static CExplorerObject* MakeRoot(IUnknown* group, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  // Aspect 0: the number, "Torn" for a torn group, or the placeholder text.
  int GetDisplayText(EOAspect aspect, std::string& text) override;

  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;
  void SelChanging() override;
  int AddItem(CListCtrl& list, int row) override;

  // IExplorerGroupNode: the tree pane switches between equations and variables.
  void AddEquations(CTreeCtrl& tree, HTREEITEM item) override;
  void AddVariables(CTreeCtrl& tree, HTREEITEM item) override;

  // When the children below item are equations while the exclusion list asks for variables (or the other
  // way round, the list having changed since they were made), makes them again; true when it did.
  bool MatchChildrenToFlag(CTreeCtrl& tree, HTREEITEM item);
  // The variable display of the contents pane, made on first use.
  CQVEVariableDisplayHolder& DisplayHolder();

 protected:
  void FillChildren(CTreeCtrl& tree, HTREEITEM item) override;

 private:
  bool ShowsVariables() const;
  std::string StatusText() const;

  CComPtr<CQVEVariableDisplayHolder> m_pDisplayHolder;
};
