// Instantiating a flowsheet of many blocks must stay linear in its size.
// Each measure is set against reading the same flowsheet text into its
// definition alone (the baseline, which any instantiation must do first); the
// counters show the cost per block, which must stay flat as the count grows tenfold.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/TimePerItem.h"
#include "workbench/simulation/FlowsheetInstantiation.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

// A store whose flowsheet is count tanks in series, each pair joined by a pipe.
struct TankSeries {
  CStore store;
  CStoreType* flowsheet = nullptr;
  std::string text;

  explicit TankSeries(int count) {
    CStoreBuilder build(store);
    CStorePalette& palette = *store.SimulationPalette();
    palette.AddUsedLibrary(&build.SystemLibrary());
    build.MaterialPipe(palette);
    build.Compiled(palette, StoreKind::Model, "Tank",
                   "Model Tank\n  Area as Value (3, Fixed);\n  Level as Value (1, Initial);\n"
                   "  Inlet as Input Material;\n  Outlet as Output Material;\n"
                   "  mass : Area * $Level = Inlet.F - Outlet.F;\n  Outlet.P = Inlet.P + Level;\nEnd\n");
    text = "Model Flowsheet\n";
    for (int i = 0; i < count; ++i) text += "  T" + std::to_string(i) + " as Tank;\n";
    for (int i = 1; i < count; ++i)
      text += "  S" + std::to_string(i) + " as Pipe (Source = T" + std::to_string(i - 1) + ".Outlet, Destination = T" +
              std::to_string(i) + ".Inlet);\n";
    text += "End\n";
    flowsheet = &build.Type(palette, StoreKind::Flowsheet, "Flowsheet", text);
  }
};

void SetPerBlock(benchmark::State& state) { SetTimePerItem(state, "per_block", static_cast<double>(state.range(0))); }

// Baseline: the flowsheet's text read into its definition, as opening the file does.
void BM_ReadFlowsheetTextOnly(benchmark::State& state) {
  TankSeries series(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    series.flowsheet->RestoreTexts(series.text, series.text, false);
    benchmark::DoNotOptimize(series.flowsheet->ParsedDefinition());
  }
  SetPerBlock(state);
}

// The same reading, then every block, stream, variable and equation made and counted.
void BM_ReadAndInstantiateFlowsheet(benchmark::State& state) {
  TankSeries series(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    series.flowsheet->RestoreTexts(series.text, series.text, false);
    std::unique_ptr<CFlowsheet> made = InstantiateFlowsheet(series.store, CFlowsheetValues{});
    benchmark::DoNotOptimize(made->Top().counts.equations);
  }
  SetPerBlock(state);
}

}  // namespace

BENCHMARK(BM_ReadFlowsheetTextOnly)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndInstantiateFlowsheet)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
