#include "workbench/run/RunDiagnosticsMerge.h"

#include <algorithm>

std::shared_ptr<const RunDiagnostics> MergeRunDiagnostics(const RunDiagnostics* last, DecompositionRecord decomposition,
                                                          std::vector<DecompEquivalenceRecord> equivalences) {
  auto merged = std::make_shared<RunDiagnostics>();
  if (last) *merged = *last;
  std::vector<DecompositionRecord>& all = merged->decompositions;
  const int mode = decomposition.runMode;
  auto same = std::find_if(all.begin(), all.end(), [mode](const DecompositionRecord& d) { return d.runMode == mode; });
  const int index = static_cast<int>(same - all.begin());
  if (same == all.end())
    all.push_back(std::move(decomposition));
  else
    *same = std::move(decomposition);
  std::erase_if(merged->equivalences, [index](const DecompEquivalenceRecord& e) { return e.decomposition == index; });
  for (DecompEquivalenceRecord& e : equivalences) {
    e.decomposition = index;
    merged->equivalences.push_back(std::move(e));
  }
  return merged;
}
