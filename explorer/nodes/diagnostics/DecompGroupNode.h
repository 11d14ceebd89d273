// What a group node and a torn-group node share over their host group: the
// status from its converged mark, its counts, the same host object meaning
// the same node, and the sort values of a row in a list of groups.
#pragma once

#include "explorer/nodes/diagnostics/QVEOGroupLike.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDecompGroup.h"

class CQVEODecompGroupNode : public CQVEOGroupLike {
 public:
  int operator==(CExplorerObject& other) override;
  // Text: column 1 the type name, column 5 "Converged" or "Unconverged", others the name.
  int GetSortVal(int column, std::string& value) override;
  // Integer: column 0 the number, 2 equations, 3 variables, 4 non-zeros.
  int GetSortVal(int column, int& value) override;
  using CExplorerObject::GetSortVal;
  // Fewer than one member (equations, or sub-groups of a torn group).
  int IsEmpty() override;

  IZNDecompGroup* GetGroup() const { return m_pGroup; }

 protected:
  CQVEODecompGroupNode(IZNDecompGroup* group, UINT iconId, UINT classNameId, CExplorerExclusionList* exclusionList,
                       CWnd* owner);
  // One of the group's counts (0 when it has none).
  int Count(HRESULT (IZNDecompGroup::*get)(int*)) const;

  CComPtr<IZNDecompGroup> m_pGroup;
};
