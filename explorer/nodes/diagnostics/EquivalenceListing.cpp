#include "explorer/nodes/diagnostics/EquivalenceListing.h"

#include <algorithm>

#include "explorer/core/ColumnWidths.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/QVEOEquivalence.h"
#include "explorer/nodes/diagnostics/QVEOEquivalenceOverflowHolder.h"
#include "explorer/nodes/diagnostics/QVEOGroupLike.h"
#include "explorer/resources/StringIds.h"
#include "host/diagnostics/IZNDecompEquivalence.h"

namespace {

int EquivalenceCount(IZNDiagnostics* diagnostics) {
  int count = 0;
  if (diagnostics) diagnostics->GetEquivalenceCount(&count);
  return count;
}

// Calls page(first, last) for each page when paging applies, else each(equivalence) for those numbered first to last.
template <class Page, class Each>
void WalkEquivalences(IZNDiagnostics* diagnostics, int first, int last, bool paging, Page page, Each each) {
  const int count = EquivalenceCount(diagnostics);
  const int pageSize = GroupsPerPage();
  if (paging && count > pageSize) {
    for (int p = 0; p <= (count - 1) / pageSize; ++p) page(pageSize * p + 1, std::min(pageSize * (p + 1), count));
    return;
  }
  CComPtr<IEnum<IZNDecompEquivalence>> equivalences;
  if (!diagnostics || FAILED(diagnostics->EnumEquivalences(&equivalences)) || !equivalences) return;
  if (first > 1 && equivalences->Skip(static_cast<ULONG>(first - 1)) != S_OK) return;
  for (int number = first; last == 0 || number <= last; ++number) {
    CComPtr<IZNDecompEquivalence> equivalence;
    if (equivalences->Next(&equivalence) != S_OK || !equivalence) break;
    each(equivalence.Get());
  }
}

}  // namespace

void InsertEquivalenceColumns(CExplorerObject& owner, CListCtrl& list) {
  const int width = CColumnWidths::kOtherColumnDefault;
  InsertDiagnosticsColumns(owner, list,
                           {{IDS_NAME, CColumnWidths::kFirstColumnDefault},
                            {IDS_VARIABLES, width},
                            {IDS_LOWER_BOUND, width},
                            {IDS_UPPER_BOUND, width},
                            {IDS_SCALE_FACTOR, width}});
}

int EquivalenceListSortType(LISTSORTINFO& info) {
  if (info.column < 0 || info.column > 4) return 0;
  info.type = info.column == 0 ? LSI_TEXT : info.column == 1 ? LSI_INTEGER : LSI_REAL;
  return 1;
}

void InsertEquivalenceItems(CTreeCtrl& tree, HTREEITEM item, IZNDiagnostics* diagnostics, int first, int last,
                            bool paging, CExplorerExclusionList* exclusionList, CWnd* owner) {
  WalkEquivalences(
      diagnostics, first, last, paging,
      [&](int from, int to) {
        InsertChildNode(tree, item, new CQVEOEquivalenceOverflowHolder(diagnostics, from, to, exclusionList, owner));
      },
      [&](IZNDecompEquivalence* equivalence) {
        InsertChildNode(tree, item, new CQVEOEquivalence(equivalence, exclusionList, owner));
      });
}

void ListEquivalenceRows(CExplorerObject& owner, CListCtrl& list, IZNDiagnostics* diagnostics, int first, int last,
                         bool paging, CExplorerExclusionList* exclusionList) {
  InsertEquivalenceColumns(owner, list);
  WalkEquivalences(
      diagnostics, first, last, paging,
      [&](int from, int to) {
        auto* page = new CQVEOEquivalenceOverflowHolder(diagnostics, from, to, exclusionList, owner.GetOwner());
        if (page->AddItem(list, list.GetItemCount()) < 0) delete page;
      },
      [&](IZNDecompEquivalence* equivalence) {
        auto* row = new CQVEOEquivalence(equivalence, exclusionList, owner.GetOwner());
        if (row->AddItem(list, list.GetItemCount()) < 0) delete row;
      });
}
