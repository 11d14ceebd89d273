// Listing the groups of a decomposition or the sub-groups of a torn group, in
// the tree and in the contents pane: pages of N groups when there are more
// than N (N the host's groups per page), otherwise one node per group — torn
// groups for type 2 — and, with "show first unconverged only", the first
// unconverged group alone.
#pragma once

#include "explorer/core/ExplorerObject.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDecompGroup.h"
#include "host/diagnostics/IZNDecomposition.h"

class CExplorerContainerObject;
class CExplorerExclusionList;
class CQVEOGroupLike;

// Where a list of groups comes from: a decomposition's groups or a torn group's sub-groups.
class CGroupSource {
 public:
  explicit CGroupSource(IZNDecomposition* decomposition) : m_decomposition(decomposition) {}
  explicit CGroupSource(IZNDecompGroup* tornGroup) : m_tornGroup(tornGroup) {}

  IZNDecomposition* Decomposition() const { return m_decomposition; }
  IZNDecompGroup* TornGroup() const { return m_tornGroup; }
  bool IsEmpty() const { return !m_decomposition && !m_tornGroup; }
  HRESULT Enum(IEnum<IZNDecompGroup>** groups) const;
  // The number of groups; -1 when it cannot be had.
  int Count() const;

 private:
  CComPtr<IZNDecomposition> m_decomposition;
  CComPtr<IZNDecompGroup> m_tornGroup;
};

// A torn-group node for a group of type 2, a group node for any other.
CQVEOGroupLike* MakeGroupNode(IZNDecompGroup* group, CExplorerExclusionList* exclusionList, CWnd* owner);

// The children of source below item: pages, or the groups (first unconverged only when the flag is set).
void InsertGroupItems(CTreeCtrl& tree, HTREEITEM item, const CGroupSource& source,
                      CExplorerExclusionList* exclusionList, CWnd* owner);
// The contents pane of source: page rows under "Name" and "Status", or group rows under the six group
// columns, the warning rows where nothing can be shown. reserve asks the list to make room for every group.
void ListGroupRows(CExplorerObject& owner, CListCtrl& list, const CGroupSource& source,
                   CExplorerExclusionList* exclusionList, bool reserve);
// The groups numbered first to last (1-based) of source: tree items under item, or rows.
void InsertPageItems(CTreeCtrl& tree, HTREEITEM item, const CGroupSource& source, int first, int last,
                     CExplorerExclusionList* exclusionList, CWnd* owner);
void ListPageRows(CExplorerObject& owner, CListCtrl& list, const CGroupSource& source, int first, int last,
                  CExplorerExclusionList* exclusionList);

// The six columns of a group list, and the two of a page list.
void InsertGroupColumns(CExplorerObject& owner, CListCtrl& list);
void InsertPageColumns(CExplorerObject& owner, CListCtrl& list);

// The sort rule of a group list: columns 1 and 5 text, the others integer.
int GroupListSortType(LISTSORTINFO& info);
