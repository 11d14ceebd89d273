// The plain records the diagnostics view is made from, filled from a solved
// (or failed) decomposition: groups in solving order with their equations and
// variables, torn groups with their sub-groups, equivalences, and the
// residuals as the run left them.
#pragma once

#include <vector>

#include "workbench/diagnostics/RunDiagnostics.h"

class CEquationSystem;
class CDecomposition;

struct GroupOutcome {
  bool converged = false;          // false also for a group not attempted
  std::vector<int> problemColumns;  // the unknowns in trouble when it failed
};

DecompositionRecord MakeDecompositionRecord(const CEquationSystem& system, const CDecomposition& decomposition,
                                            const std::vector<GroupOutcome>& outcomes,
                                            std::vector<DecompEquivalenceRecord>& equivalences);
