// One equation of a group: a tree item below its group, a row with its
// residual and counts, and a contents pane of its variables kept current
// while shown. "Show residual text" opens the equation written out with the
// current values in a window of its own.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDecompEquation.h"

class CQVEVariableDisplayHolder;

class CQVEOEquation : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  // equation may be null: the tree placeholder.
  CQVEOEquation(IZNDecompEquation* equation, CWnd* owner, CExplorerExclusionList* exclusionList);
  ~CQVEOEquation() override;

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  int operator==(CExplorerObject& other) override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int GetSortVal(int column, std::string& value) override;
  int GetSortVal(int column, int& value) override;
  int GetSortVal(int column, double& value) override;

  int IsEmpty() override { return 0; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;
  void SelChanging() override;

  // The equation's row: name, residual, variables, all elements, active variables.
  int AddItem(CListCtrl& list, int row);
  // Opens the modeless window with the equation's long residual text.
  void ShowEquationResidualText();

  IZNDecompEquation* GetEquation() const { return m_pEquation; }
  CQVEVariableDisplayHolder& DisplayHolder() { return *m_pDisplayHolder; }

  // The columns of an equation list.
  static const std::vector<DiagnosticsColumn>& Columns();

 private:
  CComPtr<IZNDecompEquation> m_pEquation;
  CComPtr<CQVEVariableDisplayHolder> m_pDisplayHolder;
};
