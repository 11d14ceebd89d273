// Listing the solver's equivalences (variables compressed into one), whole or
// page-wise: the holder's children and its pages' children, in the tree and
// in the contents pane.
#pragma once

#include "explorer/core/ListSortInfo.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "platform/TreeCtrl.h"

class CExplorerExclusionList;
class CExplorerObject;
class CListCtrl;
class CWnd;

// The five equivalence columns.
void InsertEquivalenceColumns(CExplorerObject& owner, CListCtrl& list);
// Text column 0, integer column 1, real columns 2-4.
int EquivalenceListSortType(LISTSORTINFO& info);

// The equivalences numbered first to last (1-based; last 0: all), or pages of N when there are more than N and
// paging is asked for: tree items under item, or rows.
void InsertEquivalenceItems(CTreeCtrl& tree, HTREEITEM item, IZNDiagnostics* diagnostics, int first, int last,
                            bool paging, CExplorerExclusionList* exclusionList, CWnd* owner);
void ListEquivalenceRows(CExplorerObject& owner, CListCtrl& list, IZNDiagnostics* diagnostics, int first, int last,
                         bool paging, CExplorerExclusionList* exclusionList);
