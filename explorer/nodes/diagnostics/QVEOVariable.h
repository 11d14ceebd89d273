// One variable of a decomposition, as a tree item below its group or as a
// row of a variable list (value, units, spec, group, bounds, bound state),
// and the residual row closing an equation's variables. "Find Group" and
// "Find Equivalence" open a further Explorer on where the variable is solved
// or merged; its contents pane lists the equations of its group that use it.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "host/diagnostics/IZNDecompEquation.h"
#include "host/diagnostics/IZNDecompGroup.h"
#include "host/diagnostics/IZNDecompVariable.h"

struct IQVVariable;

class CQVEOVariable : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  // A variable row (variable may be null: the tree placeholder).
  CQVEOVariable(IZNDecompVariable* variable, CWnd* owner, CExplorerExclusionList* exclusionList);
  // The residual row of equation.
  CQVEOVariable(IZNDecompEquation* equation, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  void GetStatus() override;
  int GetOverlay(int& state) override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int GetSortVal(int column, std::string& value) override;
  using CExplorerObject::GetSortVal;

  int IsEmpty() override { return 1; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;

  // The group that shows this variable in the tree, and its item.
  void SetOwningGroup(IZNDecompGroup* group, HTREEITEM groupItem);
  IZNDecompVariable* GetVariable() const { return m_pVariable; }

  // Adds this variable's row at row (-1 without a variable): flagged rows come selected; without host
  // variable only the name, value and group columns are filled; a derivative row has no bound state.
  int AddItem(CListCtrl& list, int row, bool flagged, const std::string& name, const std::string& value,
              IQVVariable* hostVariable, bool derivative);
  // Adds the equation's residual row at row (-1 without an equation).
  int AddResidual(CListCtrl& list, int row);

  // What the row was added with: the variable's name, and the first character of its "On Bound" cell.
  const std::string& RowName() const { return m_rowName; }
  char ShownBoundMark() const { return m_shownBoundMark; }
  void SetShownBoundMark(char mark) { m_shownBoundMark = mark; }

  // The tree label: the name with its equivalence, or the placeholder text.
  std::string TreeText();
  // "Torn in group 3", "Calculated", "Group 4 sub group 2", "Group 4" or "-".
  std::string GroupText();

  void FindGroup();
  void FindEquivalence();

 private:
  CComPtr<IZNDecompVariable> m_pVariable;
  CComPtr<IZNDecompEquation> m_pEquation;
  CComPtr<IZNDecompGroup> m_pOwningGroup;
  HTREEITEM m_hGroupItem = nullptr;
  std::string m_rowName;
  char m_shownBoundMark = '\0';
};
