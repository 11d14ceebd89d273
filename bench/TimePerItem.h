// Time per item of a benchmark (per row, per definition...), so that runs of
// different sizes and their baselines compare directly.
#pragma once

#include <benchmark/benchmark.h>

inline void SetTimePerItem(benchmark::State& state, const char* counter, double items) {
  state.counters[counter] = benchmark::Counter(
      items, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Time per row, the benchmark's first argument being its number of rows.
inline void PerRow(benchmark::State& state) {
  SetTimePerItem(state, "per_row", static_cast<double>(state.range(0)));
}
