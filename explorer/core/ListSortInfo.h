// How the contents pane sorts its rows: by one column, as text, integer or
// real, ascending or descending, asking each row's node for its sort value.
#pragma once

#include "platform/Types.h"

class CExplorerObject;

// Sort value kinds (LISTSORTINFO::type).
constexpr int LSI_TEXT = 0;
constexpr int LSI_INTEGER = 1;
constexpr int LSI_REAL = 2;

struct LISTSORTINFO {
  int column = 0;     // 0-based column (sub-item) to sort by
  int type = LSI_TEXT;  // set by the container's GetSortType
  int ascending = 1;  // 0 reverses the comparison
};

// Compares two rows' nodes: text without regard to case (negative, zero or
// positive), integers and reals -1 when the first is smaller and +1 otherwise
// (equal values give +1). Negated when descending. Hand it only to a sort that
// is safe with such answers (CListCtrl::SortItems is).
int CompareExplorerObjects(CExplorerObject& first, CExplorerObject& second, const LISTSORTINFO& info);
// The same in the list control's callback shape: both items' data are
// CExplorerObject pointers and sortInfo points at the LISTSORTINFO.
int CompareExplorerItems(LPARAM first, LPARAM second, LPARAM sortInfo);
