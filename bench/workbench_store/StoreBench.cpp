// The store at the size of a large library: making a palette of models,
// finding types by name, and the first in-use test (which reads every text).
// Each is measured beside a baseline in the same run: the bare cost of
// keeping the same names and texts in a hash map.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>

#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

constexpr int kModels = 100000;

struct PlainType {
  std::string name;
  std::string text;
};

// Baseline: the names and texts alone in a hash map, as cheap as holding them can be.
void BM_Baseline_NamesAndTextsInAHashMap(benchmark::State& state) {
  for (auto _ : state) {
    std::unordered_map<std::string, std::unique_ptr<PlainType>> map;
    for (int i = 1; i <= kModels; ++i) {
      std::string name = "Model" + std::to_string(i);
      auto type = std::make_unique<PlainType>(PlainType{name, "Model " + name + "\nEnd\n"});
      map.emplace(std::move(name), std::move(type));
    }
    benchmark::DoNotOptimize(map.size());
  }
}

void BM_Store_PaletteOfModels(benchmark::State& state) {
  for (auto _ : state) {
    CStore store;
    CStoreBuilder build(store);
    benchmark::DoNotOptimize(build.Models(*store.SimulationPalette(), kModels).size());
  }
}

void BM_Store_FindTypeInAnyCase(benchmark::State& state) {
  CStore store;
  CStoreBuilder build(store);
  build.Models(*store.SimulationPalette(), kModels);
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(store.SimulationPalette()->Find("MODEL" + std::to_string(1 + i++ % kModels)));
  }
}

void BM_Store_FirstInUseTest(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto store = std::make_unique<CStore>();
    CStoreBuilder build(*store);
    build.Models(*store->SimulationPalette(), kModels);
    state.ResumeTiming();
    benchmark::DoNotOptimize(store->SimulationPalette()->IsInUse("Model1"));
    state.PauseTiming();
    store.reset();
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_Baseline_NamesAndTextsInAHashMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Store_PaletteOfModels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Store_FindTypeInAnyCase);
BENCHMARK(BM_Store_FirstInUseTest)->Unit(benchmark::kMillisecond);
