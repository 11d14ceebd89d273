// Sorting the contents pane: by the column the user clicked (kept for every
// Explorer as "SortColumn" and "SortColumnUp"), as text, integer or real as
// the context says. Each row's sort value is read once; the rows are then
// put in order by a stable sort with a strict less-than, so equal values keep
// the order the context listed them in, in both directions.
#include <algorithm>
#include <numeric>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerListView.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/TextCompare.h"

namespace {

// Row order for the sort values of each row: positions sorted stably by less.
template <typename Value, typename Less>
std::vector<std::uint32_t> SortedPositions(const std::vector<Value>& values, bool ascending, Less less) {
  std::vector<std::uint32_t> order(values.size());
  std::iota(order.begin(), order.end(), 0u);
  if (ascending) {
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return less(values[a], values[b]); });
  } else {
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return less(values[b], values[a]); });
  }
  return order;
}

template <typename Value>
std::vector<Value> SortValues(const std::vector<CExplorerObject*>& nodes, int column) {
  std::vector<Value> values(nodes.size());
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i]) nodes[i]->GetSortVal(column, values[i]);
  }
  return values;
}

}  // namespace

void CExplorerListView::SortRows(LISTSORTINFO info) {
  SetSortMark(info.column, info.ascending != 0);  // the header's arrow
  const int count = GetItemCount();
  if (count < 2) return;
  std::vector<CExplorerObject*> nodes(static_cast<std::size_t>(count));
  for (int row = 0; row < count; ++row) nodes[row] = GetRowObject(row);

  std::vector<std::uint32_t> order;
  const bool ascending = info.ascending != 0;
  switch (info.type) {
    case LSI_INTEGER:
      order = SortedPositions(SortValues<int>(nodes, info.column), ascending, std::less<int>());
      break;
    case LSI_REAL:
      order = SortedPositions(SortValues<double>(nodes, info.column), ascending, std::less<double>());
      break;
    default:
      order = SortedPositions(SortValues<std::string>(nodes, info.column), ascending,
                              [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
      break;
  }

  SetRedraw(FALSE);
  ArrangeItems(order);
  // A row whose node has gone keeps no pointer to it.
  for (std::uint32_t place = 0; place < order.size(); ++place) {
    if (!nodes[order[place]]) SetItemData(static_cast<int>(place), 0);
  }
  SetRedraw(TRUE);
  InvalidateLinks();
}

bool CExplorerListView::SortByCurrentColumn() {
  LISTSORTINFO info;
  info.column = m_nSortColumn;
  info.ascending = m_bSortAscending;
  if (!m_pContext || !m_pContext->GetSortType(info)) return false;
  SortRows(info);
  return true;
}

void CExplorerListView::SetColumnSortInfo(const std::string& columnName, int ascending) {
  m_bSortAscending = ascending ? 1 : 0;
  m_strSortColumn = columnName;
  if (!columnName.empty()) {
    const int column = FindColumn(columnName);
    if (column >= 0) m_nSortColumn = column;
  }
  SortByCurrentColumn();
}

void CExplorerListView::OnColumnClick(NMLISTVIEW* info) {
  const int column = info->iSubItem;
  const std::string heading = GetColumnHeading(column);
  if (column == m_nSortColumn) {
    m_bSortAscending = m_bSortAscending ? 0 : 1;
  } else {
    m_nSortColumn = column;
    m_bSortAscending = heading == LoadStringOrEmpty(IDS_ON_BOUND) ? 0 : 1;
  }
  // The name kept is always the clicked column's, so the direction stored goes with it.
  m_strSortColumn = heading;
  if (SortByCurrentColumn()) SaveSortSettings();
}

void CExplorerListView::SaveSortSettings() {
  CRegKey key;
  if (key.Create(HKEY_CURRENT_USER, CQVExplorer::GetSettingsRootKeyName()) != ERROR_SUCCESS) return;
  key.SetStringValue("SortColumn", m_strSortColumn);
  key.SetDWORDValue("SortColumnUp", static_cast<DWORD>(m_bSortAscending));
}
