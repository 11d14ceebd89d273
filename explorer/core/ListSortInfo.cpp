#include "explorer/core/ListSortInfo.h"

#include "explorer/core/ExplorerObject.h"
#include "platform/TextCompare.h"

namespace {

template <typename T>
int CompareValues(CExplorerObject& first, CExplorerObject& second, int column) {
  T a{}, b{};
  first.GetSortVal(column, a);
  second.GetSortVal(column, b);
  return a < b ? -1 : 1;  // equal values answer "greater"
}

}  // namespace

int CompareExplorerObjects(CExplorerObject& first, CExplorerObject& second, const LISTSORTINFO& info) {
  int result = 0;
  switch (info.type) {
    case LSI_INTEGER: result = CompareValues<int>(first, second, info.column); break;
    case LSI_REAL: result = CompareValues<double>(first, second, info.column); break;
    default: {
      std::string a, b;
      first.GetSortVal(info.column, a);
      second.GetSortVal(info.column, b);
      result = CompareNoCase(a, b);
      break;
    }
  }
  return info.ascending ? result : -result;
}

int CompareExplorerItems(LPARAM first, LPARAM second, LPARAM sortInfo) {
  auto* a = reinterpret_cast<CExplorerObject*>(first);
  auto* b = reinterpret_cast<CExplorerObject*>(second);
  auto* info = reinterpret_cast<const LISTSORTINFO*>(sortInfo);
  if (!info || !CExplorerObject::IsLive(a) || !CExplorerObject::IsLive(b)) return 0;
  return CompareExplorerObjects(*a, *b, *info);
}
