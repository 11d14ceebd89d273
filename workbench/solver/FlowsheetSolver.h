// Solving the flowsheet: a steady-state or initialization run solved group by
// group in the order of the structural decomposition, and the flowsheet as a
// differential-algebraic system for a dynamic run.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "workbench/diagnostics/RunDiagnostics.h"
#include "workbench/solver/DaeSystem.h"

class CFlowsheet;
class CSolverOptions;

struct SolveOutcome {
  bool started = false;    // false when no equation system could be made (see messages)
  bool converged = false;
  std::string summary;     // one line for the status bar and the command line
  std::vector<std::string> messages;  // for the messages window, in order
  DecompositionRecord decomposition;
  std::vector<DecompEquivalenceRecord> equivalences;  // empty when compression is off
};

// Solves a ZN_RUN_STEADY_STATE or ZN_RUN_INITIALIZATION run and writes the
// values it reaches into the flowsheet's variables (also when it fails).
SolveOutcome SolveFlowsheet(CFlowsheet& flowsheet, int runMode, const CSolverOptions& options);

// The flowsheet as F(t, y, y') = 0 from its current values for a dynamic run;
// null with the reason in problem when it cannot be made.
std::unique_ptr<IDaeSystem> MakeFlowsheetDae(CFlowsheet& flowsheet, const CSolverOptions& options,
                                             std::string& problem);
