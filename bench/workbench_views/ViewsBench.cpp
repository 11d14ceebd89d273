// The variable finder and the run history on large flowsheets must stay
// linear: each is set against the bare walk over the same variables (the
// baseline, which any search must make), per variable, as the flowsheet
// grows tenfold.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/TimePerItem.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/UnitSets.h"
#include "workbench/views/RunHistory.h"
#include "workbench/views/VariableFinder.h"

namespace {

// count variables, five to a block ("B12.Level").
std::unique_ptr<CFlowsheet> ManyVariables(int count) {
  auto flowsheet = std::make_unique<CFlowsheet>();
  FlowsheetUnit top;
  top.kind = UnitKind::Flowsheet;
  flowsheet->AddUnit(top);
  const char* names[] = {"F", "P", "T", "Level", "x"};
  const auto lengthTexts = std::make_shared<const VariableTexts>(VariableTexts{"", "Length", ""});
  for (int b = 0; b < count / 5; ++b) {
    FlowsheetUnit unit;
    unit.name = "B" + std::to_string(b);
    unit.path = unit.name;
    unit.parent = 0;
    const int index = flowsheet->AddUnit(unit);
    for (const char* name : names) {
      InstanceVariable variable;
      variable.path = unit.path + "." + name;
      variable.unit = index;
      variable.texts = lengthTexts;
      variable.value = b;
      flowsheet->AddVariable(variable);
    }
  }
  return flowsheet;
}

void PerVariable(benchmark::State& state) { SetTimePerItem(state, "per_variable", static_cast<double>(state.range(0))); }

// Baseline: every variable's path looked at once.
void BM_WalkVariablePaths(benchmark::State& state) {
  std::unique_ptr<CFlowsheet> flowsheet = ManyVariables(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::size_t length = 0;
    for (const InstanceVariable& variable : flowsheet->Variables()) length += variable.path.size();
    benchmark::DoNotOptimize(length);
  }
  PerVariable(state);
}

// A pattern matching a fifth of the variables, each found one shown in the current units.
void BM_FindVariables(benchmark::State& state) {
  std::unique_ptr<CFlowsheet> flowsheet = ManyVariables(static_cast<int>(state.range(0)));
  CUnitSets units;
  for (auto _ : state) benchmark::DoNotOptimize(FindVariables(*flowsheet, units, "", "B*.L?vel").size());
  PerVariable(state);
}

// One report of a run recorded for every variable (a history far past its bound is thinned meanwhile).
void BM_RecordReport(benchmark::State& state) {
  std::unique_ptr<CFlowsheet> flowsheet = ManyVariables(static_cast<int>(state.range(0)));
  std::vector<std::string> paths;
  for (const InstanceVariable& variable : flowsheet->Variables()) paths.push_back(variable.path);
  CRunHistory history;
  history.Watch(paths);
  double time = 0.0;
  for (auto _ : state) history.Record(time += 1.0, *flowsheet);
  PerVariable(state);
}

}  // namespace

BENCHMARK(BM_WalkVariablePaths)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindVariables)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordReport)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
