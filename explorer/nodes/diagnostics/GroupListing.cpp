#include "explorer/nodes/diagnostics/GroupListing.h"

#include <algorithm>

#include "explorer/core/ColumnWidths.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "explorer/nodes/diagnostics/QVEOGroupOverflowHolder.h"
#include "explorer/nodes/diagnostics/QVEOTornGroup.h"
#include "explorer/resources/StringIds.h"
#include "platform/Services.h"

namespace {

constexpr int kStatusColumn = 5;
constexpr int kTypeColumn = 1;
constexpr int kNarrowColumn = 50;
constexpr const char kNoDecomposition[] = "Decomposition information not available.";
constexpr const char kNoUnconvergedGroup[] = "No unconverged group to display.";

bool OnlyFirstUnconverged(CExplorerExclusionList* exclusionList) {
  return exclusionList && exclusionList->GetOnlyFirstUnconverged();
}

bool IsConverged(IZNDecompGroup* group) {
  bool converged = false;
  group->IsConverged(&converged);
  return converged;
}

// Walks the groups: every one, or with only-first-unconverged the first unconverged one. Returns how many it gave.
template <class Each>
int WalkGroups(IEnum<IZNDecompGroup>* groups, bool onlyFirstUnconverged, Each each) {
  int given = 0;
  for (CComPtr<IZNDecompGroup> group; groups->Next(&group) == S_OK && group;) {
    if (onlyFirstUnconverged && IsConverged(group)) continue;
    each(group.Get());
    ++given;
    if (onlyFirstUnconverged) break;
  }
  return given;
}

// The pages of count groups, N to a page: calls each(first, last).
template <class Each>
void ForEachPage(int count, int pageSize, Each each) {
  const int pages = (count - 1) / pageSize + 1;
  for (int page = 0; page < pages; ++page) each(pageSize * page + 1, std::min(pageSize * (page + 1), count));
}

void AddGroupRow(CListCtrl& list, CQVEOGroupLike* node) {
  if (node->AddItem(list, list.GetItemCount()) < 0) delete node;
}

}  // namespace

HRESULT CGroupSource::Enum(IEnum<IZNDecompGroup>** groups) const {
  if (m_decomposition) return m_decomposition->EnumGroups(groups);
  if (m_tornGroup) return m_tornGroup->EnumSubGroups(groups);
  return E_FAIL;
}

int CGroupSource::Count() const {
  int count = -1;
  HRESULT hr = E_FAIL;
  if (m_decomposition) hr = m_decomposition->GetGroupCount(&count);
  if (m_tornGroup) hr = m_tornGroup->GetSubGroupCount(&count);
  return SUCCEEDED(hr) ? count : -1;
}

CQVEOGroupLike* MakeGroupNode(IZNDecompGroup* group, CExplorerExclusionList* exclusionList, CWnd* owner) {
  int type = -1;
  if (group) group->GetType(&type);
  if (type == ZN_GROUP_TORN) return new CQVEOTornGroup(group, exclusionList, owner);
  return new CQVEOGroup(group, exclusionList, owner);
}

void InsertGroupColumns(CExplorerObject& owner, CListCtrl& list) {
  InsertDiagnosticsColumns(owner, list,
                           {{IDS_NAME, CColumnWidths::kFirstColumnDefault},
                            {IDS_TYPE, CColumnWidths::kFirstColumnDefault},
                            {IDS_EQUATION_COUNT, CColumnWidths::kOtherColumnDefault},
                            {IDS_VARIABLE_COUNT, kNarrowColumn},
                            {IDS_NON_ZEROS, kNarrowColumn},
                            {IDS_STATUS, kNarrowColumn}});
}

void InsertPageColumns(CExplorerObject& owner, CListCtrl& list) {
  InsertDiagnosticsColumns(owner, list, {{IDS_NAME, CColumnWidths::kFirstColumnDefault}, {IDS_STATUS, kNarrowColumn}});
}

int GroupListSortType(LISTSORTINFO& info) {
  info.type = info.column == kTypeColumn || info.column == kStatusColumn ? LSI_TEXT : LSI_INTEGER;
  return 1;
}

void InsertGroupItems(CTreeCtrl& tree, HTREEITEM item, const CGroupSource& source,
                      CExplorerExclusionList* exclusionList, CWnd* owner) {
  CComPtr<IEnum<IZNDecompGroup>> groups;
  if (FAILED(source.Enum(&groups)) || !groups) return;
  const bool onlyFirst = OnlyFirstUnconverged(exclusionList);
  const int pageSize = GroupsPerPage();
  const int count = source.Count();
  if (!onlyFirst && count > pageSize) {
    ForEachPage(count, pageSize, [&](int first, int last) {
      InsertChildNode(tree, item, new CQVEOGroupOverflowHolder(source, first, last, exclusionList, owner));
    });
    return;
  }
  CWaitCursor wait;
  WalkGroups(groups, onlyFirst, [&](IZNDecompGroup* group) {
    InsertChildNode(tree, item, MakeGroupNode(group, exclusionList, owner));
  });
}

void ListGroupRows(CExplorerObject& owner, CListCtrl& list, const CGroupSource& source,
                   CExplorerExclusionList* exclusionList, bool reserve) {
  CComPtr<IEnum<IZNDecompGroup>> groups;
  if (FAILED(source.Enum(&groups)) || !groups) {
    AddWarningRow(owner, list, kNoDecomposition, true);
    return;
  }
  const bool onlyFirst = OnlyFirstUnconverged(exclusionList);
  const int pageSize = GroupsPerPage();
  const int count = source.Count();
  if (!onlyFirst && count > pageSize) {
    InsertPageColumns(owner, list);
    ForEachPage(count, pageSize, [&](int first, int last) {
      AddGroupRow(list, new CQVEOGroupOverflowHolder(source, first, last, exclusionList, owner.GetOwner()));
    });
    return;
  }
  InsertGroupColumns(owner, list);
  CWaitCursor wait;
  if (reserve && list.GetItemCount() < count) list.SetItemCount(count);
  const int listed = WalkGroups(groups, onlyFirst, [&](IZNDecompGroup* group) {
    AddGroupRow(list, MakeGroupNode(group, exclusionList, owner.GetOwner()));
  });
  if (onlyFirst && listed == 0) AddWarningRow(owner, list, kNoUnconvergedGroup, false);
}

namespace {

// Walks the groups numbered first to last of source.
template <class Each>
bool WalkPage(const CGroupSource& source, int first, int last, Each each) {
  CComPtr<IEnum<IZNDecompGroup>> groups;
  if (FAILED(source.Enum(&groups)) || !groups) return false;
  if (first > 1 && groups->Skip(static_cast<ULONG>(first - 1)) != S_OK) return true;
  for (int number = first; number <= last; ++number) {
    CComPtr<IZNDecompGroup> group;
    if (groups->Next(&group) != S_OK || !group) break;
    each(group.Get());
  }
  return true;
}

}  // namespace

void InsertPageItems(CTreeCtrl& tree, HTREEITEM item, const CGroupSource& source, int first, int last,
                     CExplorerExclusionList* exclusionList, CWnd* owner) {
  WalkPage(source, first, last, [&](IZNDecompGroup* group) {
    InsertChildNode(tree, item, MakeGroupNode(group, exclusionList, owner));
  });
}

void ListPageRows(CExplorerObject& owner, CListCtrl& list, const CGroupSource& source, int first, int last,
                  CExplorerExclusionList* exclusionList) {
  InsertGroupColumns(owner, list);
  const bool found = WalkPage(source, first, last, [&](IZNDecompGroup* group) {
    AddGroupRow(list, MakeGroupNode(group, exclusionList, owner.GetOwner()));
  });
  if (!found) {
    DeleteDiagnosticsRows(owner, list);
    while (list.GetColumnCount() > 0) list.DeleteColumn(list.GetColumnCount() - 1);
    AddWarningRow(owner, list, kNoDecomposition, true);
  }
}
