// A list control with many rows must stay linear: appending rows, deleting
// them from the last to the first, and sorting (n log n). Each measure is set
// against making the same row texts in a plain vector (the baseline), so the
// ratio holds on a busy machine; the per-row counters must stay flat as the
// row count grows tenfold. bytes_per_row is the heap one row costs, its two
// texts included.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>
#include <vector>

#include "bench/TimePerItem.h"
#include "platform/ListCtrl.h"

namespace {

std::string Label(int i) { return "Variable B" + std::to_string(i) + ".T_out"; }

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// Ties answer "greater", as the contents pane's integer comparison does.
int CompareByTens(LPARAM a, LPARAM b, LPARAM) { return a / 10 < b / 10 ? -1 : 1; }

void Fill(CListCtrl& list, int rows) {
  list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
  list.InsertColumn(1, "Value", LVCFMT_LEFT, 60);
  list.SetItemCount(rows);
  for (int i = 0; i < rows; ++i) {
    int row = list.InsertItem(LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE, i, Label(i), 0, 0, I_IMAGECALLBACK, (i * 7919) % rows);
    list.SetItemText(row, 1, "1.5");
  }
}

void BM_BaselineTexts(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<std::string> labels, values;
    for (int i = 0; i < rows; ++i) {
      labels.push_back(Label(i));
      values.push_back("1.5");
    }
    benchmark::DoNotOptimize(labels.data());
    benchmark::DoNotOptimize(values.data());
  }
  PerRow(state);
}

void BM_AppendThenDeleteFromTheEnd(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    CListCtrl list;
    std::size_t before = HeapInUse();
    Fill(list, rows);
    bytes = HeapInUse() - before;
    for (int row = rows - 1; row >= 0; --row) list.DeleteItem(row);
    benchmark::DoNotOptimize(list.GetItemCount());
  }
  PerRow(state);
  state.counters["bytes_per_row"] = static_cast<double>(bytes) / rows;
}

void BM_AppendSortAndClear(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    CListCtrl list;
    Fill(list, rows);
    list.SortItems(CompareByTens, 0);
    list.SortItems(CompareByTens, 0);  // sorted input, ties everywhere
    list.DeleteAllItems();
  }
  PerRow(state);
}

// Selecting a row in a single-selection list lets go of the one selected
// before: the cost of a selection must not grow with the row count.
void BM_SelectAcrossASingleSelectionList(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const int selections = 1000;
  CListCtrl list;
  list.Create(WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 400, 300), nullptr, 1);
  Fill(list, rows);
  for (auto _ : state) {
    for (int k = 0; k < selections; ++k) {
      int row = static_cast<int>((static_cast<long long>(k) * 7919) % rows);
      list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
  }
  SetTimePerItem(state, "per_selection", selections);
}

BENCHMARK(BM_BaselineTexts)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendThenDeleteFromTheEnd)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendSortAndClear)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAcrossASingleSelectionList)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
