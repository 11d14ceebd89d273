#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"

#include <cstdio>

#include "explorer/core/ColumnWidths.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/diagnostics/QVEOWarning.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "platform/Resources.h"

void InsertDiagnosticsColumns(CExplorerObject& node, CListCtrl& list,
                              const std::vector<DiagnosticsColumn>& columns) {
  std::string key;
  if (!node.GetColumnWidthKey(key)) key.clear();
  CColumnWidths widths(key);
  int index = 0;
  for (const DiagnosticsColumn& column : columns) {
    list.InsertColumn(index, LoadStringOrEmpty(column.titleId), LVCFMT_LEFT, widths.Width(index, column.defaultWidth));
    ++index;
  }
}

void DeleteDiagnosticsRows(CExplorerObject& owner, CListCtrl& list) {
  for (int row = list.GetItemCount() - 1; row >= 0; --row) {
    auto* node = reinterpret_cast<CExplorerObject*>(list.GetItemData(row));
    list.SetItemData(row, 0);
    list.DeleteItem(row);
    if (node != &owner && CExplorerObject::IsLive(node)) delete node;
  }
}

void AddWarningRow(CExplorerObject& owner, CListCtrl& list, const std::string& text, bool singleColumn) {
  if (singleColumn) InsertDiagnosticsColumns(owner, list, {{IDS_NAME, CColumnWidths::kFirstColumnDefault}});
  auto* warning = new CQVEOWarning(owner.GetOwner(), text);
  if (CExplorerObject::InsertListItem(list, list.GetItemCount(), warning) < 0) delete warning;
}

std::string FormatCount(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return text;
}

std::string EquivalenceName(int number) {
  char text[64];
  std::snprintf(text, sizeof text, LoadStringOrEmpty(IDS_EQUIVALENCE_NAME_FORMAT).c_str(), number);
  return text;
}

int GroupsPerPage() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  const int size = document ? document->m_ApplicationSettings.m_iGroupsPerPage : 1000;
  // A page size below one would make no pages at all (and divide by zero).
  return size < 1 ? 1 : size;
}

CTreeCtrl* OwnerTree(CExplorerObject& node) {
  IExplorerWindow* window = node.GetOwnerWindow();
  return window ? window->GetTreePaneControl() : nullptr;
}
