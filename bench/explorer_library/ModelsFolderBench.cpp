// A palette of many models shown by its models folder: expanding the folder
// in the tree (one node and item per model, then the folder's children
// sorted) and filling its contents pane (one node and row per model with its
// status column). Each is set beside a baseline measured in the same run:
// making the same row texts and stable-sorting them. The per-row figures
// must stay flat from 100 000 to 200 000 models; "bytes_per_row" is the heap
// a shown tree row costs beyond its texts.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/TimePerItem.h"
#include "explorer/core/ExplorerModule.h"
#include "explorer/core/NodePool.h"
#include "explorer/nodes/library/QVEOBlockTypes.h"
#include "platform/ListCtrl.h"
#include "platform/TreeCtrl.h"
#include "platform/Window.h"
#include "tests/explorer_core/PaneTestSupport.h"
#include "workbench/document/WorkbenchApp.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StoreInstance.h"

namespace {

using explorer_test::ClearPanesAndNodes;

// One host with a palette of count models, kept for every benchmark of that size.
struct Palette {
  explicit Palette(int count) {
    CStoreBuilder build(app.Document().Store());
    build.Models(build.Simulation(), count);
    owner.Create("owner", "", WS_VISIBLE, CRect(0, 0, 600, 400), nullptr, 0);
    tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 400), &owner, 1);
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(200, 0, 600, 400), &owner, 2);
  }
  IFInstance* Simulation() { return app.Document().Store().SimulationInstance(); }

  CWorkbenchApp app;
  CWnd owner;
  CTreeCtrl tree;
  CListCtrl list;
};

Palette& PaletteOf(int count) {
  static std::map<int, std::unique_ptr<Palette>> palettes;
  static const bool started = [] {
    // Column widths and other settings go to a scratch directory, not the user's.
    setenv("VORTAN_CONFIG_DIR", "/tmp/vortan-bench-explorer-library", 1);
    ExplorerModule::Initialize();
    return true;
  }();
  (void)started;
  std::unique_ptr<Palette>& palette = palettes[count];
  if (!palette) {
    palette = std::make_unique<Palette>(count);
    // One untimed showing first: the store makes each type's instance on first
    // request, a cost of building the simulation, not of showing it.
    CQVEOBlockTypes folder(palette->Simulation(), nullptr, &palette->owner, 0);
    folder.ShowContents(palette->list);
    ClearPanesAndNodes(palette->tree, palette->list);
  }
  return *palette;
}

// The heap keeps what it got from the system: no run pays the kernel for
// pages an earlier run gave back, so the baselines and the panes are measured
// alike, by their own work.
const bool kHeapKept = [] {
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  return true;
}();

// Heap memory in use, the node pool's slots included.
std::size_t HeapBytesInUse() { return mallinfo2().uordblks + node_pool::SlotBytesInUse(); }

std::string ModelName(int i) { return "Model" + std::to_string(i + 1); }

// ---- baselines: the same texts made and stable-sorted
void BM_BaselineTreeTexts(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<std::string> names;
    for (int i = 0; i < rows; ++i) names.push_back(ModelName(i));
    std::stable_sort(names.begin(), names.end());
    benchmark::DoNotOptimize(names.data());
  }
  PerRow(state);
}

void BM_BaselineListTexts(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::vector<std::string> names, statuses;
    for (int i = 0; i < rows; ++i) {
      names.push_back(ModelName(i));
      statuses.push_back("OK");
    }
    std::stable_sort(names.begin(), names.end());
    benchmark::DoNotOptimize(names.data());
    benchmark::DoNotOptimize(statuses.data());
  }
  PerRow(state);
}

// ---- the models folder
void BM_ExpandModelsFolderInTree(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Palette& palette = PaletteOf(rows);
  std::size_t textBytes = 0;
  for (int i = 0; i < rows; ++i) textBytes += ModelName(i).size() + 1;
  double bytesPerRow = 0;
  for (auto _ : state) {
    // Reading the heap's figures walks its free lists: not part of the timing.
    state.PauseTiming();
    const std::size_t before = HeapBytesInUse();
    state.ResumeTiming();
    auto* folder = new CQVEOBlockTypes(palette.Simulation(), nullptr, &palette.owner, 0);
    HTREEITEM item = folder->ShowContents(palette.tree, TVI_ROOT);
    state.PauseTiming();
    const std::size_t after = HeapBytesInUse();
    state.ResumeTiming();
    if (!item || static_cast<int>(palette.tree.GetCount()) < rows) state.SkipWithError("models missing from the tree");
    bytesPerRow = (static_cast<double>(after) - static_cast<double>(before) - static_cast<double>(textBytes)) / rows;
    state.PauseTiming();
    ClearPanesAndNodes(palette.tree, palette.list);
    state.ResumeTiming();
  }
  state.counters["bytes_per_row"] = bytesPerRow;
  PerRow(state);
}

void BM_FillModelsContentsPane(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Palette& palette = PaletteOf(rows);
  CQVEOBlockTypes folder(palette.Simulation(), nullptr, &palette.owner, 0);
  for (auto _ : state) {
    folder.ShowContents(palette.list);
    if (palette.list.GetItemCount() < rows) state.SkipWithError("models missing from the contents pane");
    state.PauseTiming();
    ClearPanesAndNodes(palette.tree, palette.list);
    state.ResumeTiming();
  }
  PerRow(state);
}

constexpr int kRows = 100000;
constexpr int kDoubleRows = 200000;

BENCHMARK(BM_BaselineTreeTexts)->Arg(kRows)->Arg(kDoubleRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandModelsFolderInTree)->Arg(kRows)->Arg(kDoubleRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineListTexts)->Arg(kRows)->Arg(kDoubleRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillModelsContentsPane)->Arg(kRows)->Arg(kDoubleRows)->Unit(benchmark::kMillisecond);

}  // namespace
