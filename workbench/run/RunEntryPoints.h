// The solver's entry points a run calls: solving a steady-state or
// initialization run, and making the flowsheet's differential-algebraic
// system for a dynamic run. The document runs with the flowsheet solver's;
// tests may give systems of their own.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "workbench/solver/FlowsheetSolver.h"

struct RunEntryPoints {
  std::function<SolveOutcome(CFlowsheet&, int runMode, const CSolverOptions&)> solve;
  std::function<std::unique_ptr<IDaeSystem>(CFlowsheet&, const CSolverOptions&, std::string& problem)> makeDae;
};

// SolveFlowsheet and MakeFlowsheetDae.
RunEntryPoints FlowsheetRunEntryPoints();
