// What the solver-diagnostics nodes share: columns with their own default
// widths, emptying a list with its nodes, warning rows, the names of run modes,
// equivalences, the host's groups-per-page setting, and the
// tree pane of the node's window.
#pragma once

#include <string>
#include <vector>

#include "explorer/core/DiagnosticsNames.h"
#include "platform/Types.h"

class CExplorerObject;
class CListCtrl;
class CTreeCtrl;
class CWnd;

struct DiagnosticsColumn {
  UINT titleId;
  int defaultWidth;
};

// Columns titled from the string table, each as wide as the node class last left it, else its default.
void InsertDiagnosticsColumns(CExplorerObject& node, CListCtrl& list, const std::vector<DiagnosticsColumn>& columns);
// Deletes every row with the node it holds (not owner), keeping the columns.
void DeleteDiagnosticsRows(CExplorerObject& owner, CListCtrl& list);
// A warning row with text under the single column "Name" (the list's other rows and columns are left alone
// when singleColumn is false).
void AddWarningRow(CExplorerObject& owner, CListCtrl& list, const std::string& text, bool singleColumn);

std::string FormatCount(int value);
// "ZN_Equivalence_0007".
std::string EquivalenceName(int number);

// The host application's groups (and equivalences) per page, at least 1.
int GroupsPerPage();

// The tree pane of node's Explorer window; null when it has none.
CTreeCtrl* OwnerTree(CExplorerObject& node);
