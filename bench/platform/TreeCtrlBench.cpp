// A tree control with many children under one parent must stay linear:
// inserting them, expanding the parent, sorting them twice (by text and by
// item data, n log n) and felling them one by one from the first, as the tree
// pane does. Set against making the same texts in a plain vector (the
// baseline); the per-child counter must stay flat as the count grows tenfold.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/TimePerItem.h"
#include "platform/TreeCtrl.h"

namespace {

// Texts in descending order, so that sorting has all the work to do.
std::string Text(int i, int children) { return "Model " + std::to_string(children - i + 100000); }

void BM_TreeBaselineTexts(benchmark::State& state) {
  const int children = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<std::string> texts;
    for (int i = 0; i < children; ++i) texts.push_back(Text(i, children));
    benchmark::DoNotOptimize(texts.data());
  }
  SetTimePerItem(state, "per_child", static_cast<double>(children));
}

void BM_TreeInsertExpandSortAndFell(benchmark::State& state) {
  const int children = static_cast<int>(state.range(0));
  for (auto _ : state) {
    CTreeCtrl tree;
    HTREEITEM parent = tree.InsertItem("Palette");
    for (int i = 0; i < children; ++i)
      tree.InsertItem(TVIF_TEXT | TVIF_PARAM, Text(i, children), 0, 0, 0, 0, i, parent, TVI_LAST);
    tree.Expand(parent, TVE_EXPAND);
    tree.SortChildren(parent);
    TVSORTCB byData{parent, [](LPARAM a, LPARAM b, LPARAM) { return a < b ? -1 : 1; }, 0};
    tree.SortChildrenCB(&byData);
    tree.SelectItem(tree.GetChildItemAt(parent, children / 2));
    while (HTREEITEM first = tree.GetChildItem(parent)) tree.DeleteItem(first);
    benchmark::DoNotOptimize(tree.GetCount());
  }
  SetTimePerItem(state, "per_child", static_cast<double>(children));
}

BENCHMARK(BM_TreeBaselineTexts)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeInsertExpandSortAndFell)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
