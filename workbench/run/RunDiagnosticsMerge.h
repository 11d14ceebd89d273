// What the runs leave for the diagnostics view, kept whole across runs: a
// run replaces the decomposition of its own mode (and the equivalences that
// belong to it) and keeps the other modes' as the earlier runs left them.
#pragma once

#include <memory>
#include <vector>

#include "workbench/diagnostics/RunDiagnostics.h"

std::shared_ptr<const RunDiagnostics> MergeRunDiagnostics(const RunDiagnostics* last, DecompositionRecord decomposition,
                                                          std::vector<DecompEquivalenceRecord> equivalences);
