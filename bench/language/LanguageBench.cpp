// Reading files of many small definitions must stay linear in their size.
// Each measure is set against copying the same text (the baseline), so the
// ratio holds on a busy machine; the counters show the cost per definition,
// which must stay flat as the count grows tenfold.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/TimePerItem.h"
#include "workbench/language/DefinitionChecker.h"
#include "workbench/language/DefinitionSplitter.h"
#include "workbench/language/DefinitionWriter.h"

namespace {

std::string LibraryText(int count) {
  std::string file;
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i);
    file += "// type " + n + "\nModel M" + n + "\n  P as Pressure (1.0, Fixed);\n  Inlet as Input Material;\n" +
            "  e" + n + " : P = Inlet.P * 2;\nEnd\n";
  }
  return file;
}

std::optional<DefinitionKind> Resolve(std::string_view name) {
  if (name == "Pressure") return DefinitionKind::Variable;
  if (name == "Material") return DefinitionKind::Port;
  return std::nullopt;
}

// Time per definition, to compare across counts.
void SetPerDefinition(benchmark::State& state) {
  SetTimePerItem(state, "per_definition", static_cast<double>(state.range(0)));
}

// Baseline: one copy of the whole text.
void BM_CopyText(benchmark::State& state) {
  const std::string text = LibraryText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string copy = text;
    benchmark::DoNotOptimize(copy.data());
  }
  SetPerDefinition(state);
}

void BM_SplitFile(benchmark::State& state) {
  const std::string text = LibraryText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    SplitFile split = SplitDefinitions(text);
    benchmark::DoNotOptimize(split.definitions.data());
  }
  SetPerDefinition(state);
}

void BM_SplitAndCheckEach(benchmark::State& state) {
  const std::string text = LibraryText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const SplitFile split = SplitDefinitions(text);
    int errors = 0;
    for (const SourceDefinition& d : split.definitions) errors += CheckDefinitionText(d.text, Resolve).report.ErrorCount();
    benchmark::DoNotOptimize(errors);
  }
  SetPerDefinition(state);
}

void BM_JoinFile(benchmark::State& state) {
  const SplitFile split = SplitDefinitions(LibraryText(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    std::string text = JoinDefinitions(split.definitions, split.trailingText);
    benchmark::DoNotOptimize(text.data());
  }
  SetPerDefinition(state);
}

BENCHMARK(BM_CopyText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitAndCheckEach)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JoinFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
