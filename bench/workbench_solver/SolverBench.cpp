// Solving a generated flowsheet of N tanks in series with a recycle from the
// last back to the first, at 1 000, 10 000 and 100 000 tanks (about nine
// equations a tank). Each measure stands beside its baseline in the same run:
// the decomposition beside SuiteSparse's BTF alone on the same pattern, the
// group-by-group steady-state solve beside one KLU factorisation and solve of
// the whole Jacobian. Counters give the time per equation (flat as the count
// grows tenfold means linear) and the bytes per equation of the system and
// its decomposition.
#include <benchmark/benchmark.h>

#include <klu.h>

#include <map>
#include <memory>
#include <string>

#include "bench/TimePerItem.h"
#include "host/diagnostics/IZNDecomposition.h"
#include "workbench/simulation/FlowsheetInstantiation.h"
#include "workbench/solver/Decomposition.h"
#include "workbench/solver/EquationSystem.h"
#include "workbench/solver/GroupSolver.h"
#include "workbench/store/Builder.h"
#include "workbench/store/Store.h"
#include "workbench/store/StorePalette.h"

namespace {

// The flowsheet: Feed -> Mix -> T0 -> ... -> T(N-1) -> Split -> Product, with Split's second outlet back to Mix.
struct RecycleTanks {
  CStore store;
  std::unique_ptr<CFlowsheet> flowsheet;

  explicit RecycleTanks(int count) {
    CStoreBuilder build(store);
    CStorePalette& palette = *store.SimulationPalette();
    palette.AddUsedLibrary(&build.SystemLibrary());
    build.MaterialPipe(palette);
    build.Compiled(palette, StoreKind::Model, "Feed",
                   "Model Feed\n  F as MassFlow (2, Fixed);\n  P as Pressure (300000, Fixed);\n"
                   "  Outlet as Output Material;\n  Outlet.F = F;\n  Outlet.P = P;\nEnd\n");
    build.Compiled(palette, StoreKind::Model, "Mix",
                   "Model Mix\n  In1 as Input Material;\n  In2 as Input Material;\n  Outlet as Output Material;\n"
                   "  Outlet.F = In1.F + In2.F;\n  Outlet.P = In1.P;\nEnd\n");
    build.Compiled(palette, StoreKind::Model, "Split",
                   "Model Split\n  Back as Value (0.25, Fixed);\n  Inlet as Input Material;\n"
                   "  Out1 as Output Material;\n  Out2 as Output Material;\n"
                   "  Out2.F = Back * Inlet.F;\n  Out1.F = Inlet.F - Out2.F;\n  Out1.P = Inlet.P;\n  Out2.P = Inlet.P;\nEnd\n");
    build.Compiled(palette, StoreKind::Model, "Tank",
                   "Model Tank\n  Area as Value (3, Fixed);\n  Level as Value (1, Initial);\n  k as Value (0.8, Fixed);\n"
                   "  Inlet as Input Material;\n  Outlet as Output Material;\n"
                   "  mass : Area * $Level = Inlet.F - Outlet.F;\n  valve : Outlet.F = k * sqrt(Level);\n"
                   "  Outlet.P = Inlet.P - 0.001 * Level;\nEnd\n");
    std::string text = "Model Flowsheet\n  Feed as Feed;\n  Mix as Mix;\n  Split as Split;\n";
    for (int i = 0; i < count; ++i) text += "  T" + std::to_string(i) + " as Tank;\n";
    const auto pipe = [&](const std::string& name, const std::string& from, const std::string& to) {
      text += "  " + name + " as Pipe (Source = " + from + ", Destination = " + to + ");\n";
    };
    pipe("SF", "Feed.Outlet", "Mix.In1");
    pipe("SM", "Mix.Outlet", "T0.Inlet");
    for (int i = 1; i < count; ++i)
      pipe("S" + std::to_string(i), "T" + std::to_string(i - 1) + ".Outlet", "T" + std::to_string(i) + ".Inlet");
    pipe("SL", "T" + std::to_string(count - 1) + ".Outlet", "Split.Inlet");
    pipe("SR", "Split.Out2", "Mix.In2");
    text += "End\n";
    build.Type(palette, StoreKind::Flowsheet, "Flowsheet", text);
    flowsheet = InstantiateFlowsheet(store, CFlowsheetValues{});
  }
};

// One flowsheet per size, made once for every benchmark of that size.
RecycleTanks& Tanks(int count) {
  static std::map<int, std::unique_ptr<RecycleTanks>> made;
  std::unique_ptr<RecycleTanks>& tanks = made[count];
  if (!tanks) tanks = std::make_unique<RecycleTanks>(count);
  return *tanks;
}

std::unique_ptr<CEquationSystem> MakeSystem(RecycleTanks& tanks) {
  std::vector<std::string> messages;
  return CEquationSystem::Make(*tanks.flowsheet, ZN_RUN_STEADY_STATE, true, messages);
}

void PerEquation(benchmark::State& state, const CEquationSystem& system) {
  SetTimePerItem(state, "per_equation", system.RowCount());
  state.counters["equations"] = system.RowCount();
}

// Building the system: every equation compiled, unknowns chosen, equalities compressed, the pattern made.
void BM_BuildSystem(benchmark::State& state) {
  RecycleTanks& tanks = Tanks(static_cast<int>(state.range(0)));
  std::unique_ptr<CEquationSystem> system;
  for (auto _ : state) {
    system = MakeSystem(tanks);
    benchmark::DoNotOptimize(system->RowCount());
  }
  PerEquation(state, *system);
  const CDecomposition decomposition = [&] {
    std::vector<std::string> messages;
    return CDecomposition::Make(*system, messages);
  }();
  // Per equation solved (after compression), and per equation of the flowsheet.
  const double bytes = static_cast<double>(system->Bytes() + decomposition.Bytes());
  state.counters["bytes_per_equation"] = bytes / system->RowCount();
  state.counters["bytes_per_flowsheet_equation"] = bytes / static_cast<double>(tanks.flowsheet->Equations().size());
}

// Baseline of the decomposition: btf_order alone on the system's pattern.
void BM_BtfOrderOnly(benchmark::State& state) {
  std::unique_ptr<CEquationSystem> system = MakeSystem(Tanks(static_cast<int>(state.range(0))));
  std::vector<int> starts(static_cast<std::size_t>(system->ColumnCount()) + 1, 0), rows(static_cast<std::size_t>(system->EntryCount()));
  for (int e = 0; e < system->EntryCount(); ++e) ++starts[static_cast<std::size_t>(system->EntryColumn(e)) + 1];
  for (int c = 0; c < system->ColumnCount(); ++c) starts[static_cast<std::size_t>(c) + 1] += starts[static_cast<std::size_t>(c)];
  std::vector<int> next(starts.begin(), starts.end() - 1);
  for (int r = 0; r < system->RowCount(); ++r)
    for (int e = system->RowStart(r); e < system->RowStart(r + 1); ++e)
      rows[static_cast<std::size_t>(next[static_cast<std::size_t>(system->EntryColumn(e))]++)] = r;
  for (auto _ : state) benchmark::DoNotOptimize(CDecomposition::BlockTriangularOrder(system->RowCount(), starts, rows));
  PerEquation(state, *system);
}

// The decomposition: BTF, groups in solving order, classification, tearing.
void BM_Decompose(benchmark::State& state) {
  std::unique_ptr<CEquationSystem> system = MakeSystem(Tanks(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    std::vector<std::string> messages;
    const CDecomposition decomposition = CDecomposition::Make(*system, messages);
    benchmark::DoNotOptimize(decomposition.GroupCount());
  }
  PerEquation(state, *system);
}

// Baseline of the solve: the whole Jacobian at the starting point, factored and solved once by KLU.
void BM_KluWholeJacobianOnce(benchmark::State& state) {
  std::unique_ptr<CEquationSystem> system = MakeSystem(Tanks(static_cast<int>(state.range(0))));
  const int n = system->RowCount();
  std::vector<int> starts(static_cast<std::size_t>(n) + 1, 0), rows(static_cast<std::size_t>(system->EntryCount())),
      position(static_cast<std::size_t>(system->EntryCount()));
  for (int e = 0; e < system->EntryCount(); ++e) ++starts[static_cast<std::size_t>(system->EntryColumn(e)) + 1];
  for (int c = 0; c < n; ++c) starts[static_cast<std::size_t>(c) + 1] += starts[static_cast<std::size_t>(c)];
  std::vector<int> next(starts.begin(), starts.end() - 1);
  for (int r = 0; r < n; ++r)
    for (int e = system->RowStart(r); e < system->RowStart(r + 1); ++e) {
      position[static_cast<std::size_t>(e)] = next[static_cast<std::size_t>(system->EntryColumn(e))]++;
      rows[static_cast<std::size_t>(position[static_cast<std::size_t>(e)])] = r;
    }
  std::vector<double> values(rows.size()), rhs(static_cast<std::size_t>(n)), gradient(64);
  for (auto _ : state) {
    for (int r = 0; r < n; ++r) {
      system->EvaluateRow(r, rhs[static_cast<std::size_t>(r)], gradient.data());
      for (int e = system->RowStart(r); e < system->RowStart(r + 1); ++e)
        values[static_cast<std::size_t>(position[static_cast<std::size_t>(e)])] = gradient[static_cast<std::size_t>(e - system->RowStart(r))];
    }
    klu_common common;
    klu_defaults(&common);
    klu_symbolic* symbolic = klu_analyze(n, starts.data(), rows.data(), &common);
    klu_numeric* numeric = klu_factor(starts.data(), rows.data(), values.data(), symbolic, &common);
    klu_solve(symbolic, numeric, n, 1, rhs.data(), &common);
    klu_free_numeric(&numeric, &common);
    klu_free_symbolic(&symbolic, &common);
    benchmark::DoNotOptimize(rhs.data());
  }
  PerEquation(state, *system);
}

// The steady state solved group by group from the same starting point, to convergence.
void BM_SolveSteadyByGroups(benchmark::State& state) {
  std::unique_ptr<CEquationSystem> system = MakeSystem(Tanks(static_cast<int>(state.range(0))));
  std::vector<std::string> messages;
  const CDecomposition decomposition = CDecomposition::Make(*system, messages);
  std::vector<double> start(static_cast<std::size_t>(system->ColumnCount()));
  for (int c = 0; c < system->ColumnCount(); ++c) start[static_cast<std::size_t>(c)] = system->Column(c);
  bool converged = true;
  for (auto _ : state) {
    for (int c = 0; c < system->ColumnCount(); ++c) system->SetColumn(c, start[static_cast<std::size_t>(c)]);
    CGroupSolver solver(*system, NewtonSettings{});
    for (int g = 0; g < decomposition.GroupCount(); ++g)
      converged = solver.Solve(decomposition.Rows(g), decomposition.Columns(g), decomposition.RowCount(g)).converged &&
                  converged;
  }
  if (!converged) state.SkipWithError("the steady state did not converge");
  PerEquation(state, *system);
  state.counters["groups"] = decomposition.GroupCount();
}

}  // namespace

BENCHMARK(BM_BuildSystem)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BtfOrderOnly)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decompose)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KluWholeJacobianOnce)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveSteadyByGroups)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
