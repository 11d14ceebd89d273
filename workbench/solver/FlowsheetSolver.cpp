#include "workbench/solver/FlowsheetSolver.h"

#include <cmath>

#include "workbench/simulation/Flowsheet.h"
#include "workbench/solver/Decomposition.h"
#include "workbench/solver/DecompositionRecords.h"
#include "workbench/solver/EquationSystem.h"
#include "workbench/solver/GroupSolver.h"
#include "workbench/store/SolverOptions.h"

namespace {

const char* RunModeName(int runMode) {
  switch (runMode) {
    case ZN_RUN_STEADY_STATE: return "Steady state";
    case ZN_RUN_OPTIMIZATION: return "Optimization";
    case ZN_RUN_ESTIMATION: return "Estimation";
    case ZN_RUN_DYNAMIC: return "Dynamic";
    case ZN_RUN_INITIALIZATION: return "Initialization";
    case ZN_RUN_REINITIALIZATION: return "Re-initialization";
    default: return "Unknown";
  }
}

const char* GroupTypeName(int type) {
  switch (type) {
    case ZN_GROUP_LINEAR: return "linear";
    case ZN_GROUP_NONLINEAR: return "non-linear";
    case ZN_GROUP_TORN: return "torn";
    case ZN_GROUP_EXPLICIT: return "explicit";
    case ZN_GROUP_SINGLE_NONLINEAR: return "single non-linear";
    default: return "unknown";
  }
}

std::string Plural(int count, const char* word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

NewtonSettings SettingsFrom(const CSolverOptions& options, std::vector<std::string>& messages) {
  NewtonSettings settings;
  const double tolerance = options.Real(CSolverOptions::kAbsoluteTolerance, settings.absoluteTolerance);
  if (tolerance > 0.0 && std::isfinite(tolerance))
    settings.absoluteTolerance = tolerance;
  else
    messages.push_back("AbsoluteTolerance must be a positive number; " + NumberText(settings.absoluteTolerance) +
                       " is used");
  const int iterations = options.Integer(CSolverOptions::kMaxIterations, settings.maxIterations);
  if (iterations > 0)
    settings.maxIterations = iterations;
  else
    messages.push_back("MaxIterations must be at least 1; " + std::to_string(settings.maxIterations) + " is used");
  return settings;
}

}  // namespace

SolveOutcome SolveFlowsheet(CFlowsheet& flowsheet, int runMode, const CSolverOptions& options) {
  SolveOutcome outcome;
  outcome.decomposition.runMode = runMode;
  outcome.decomposition.converged = false;
  const std::string mode = RunModeName(runMode);
  if (runMode != ZN_RUN_STEADY_STATE && runMode != ZN_RUN_INITIALIZATION) {
    outcome.summary = runMode == ZN_RUN_DYNAMIC
                          ? "Dynamic runs are integrated over time, not solved as one system"
                          : mode + " runs are not offered by this simulator";
    outcome.messages.push_back(outcome.summary);
    return outcome;
  }
  for (const std::string& problem : flowsheet.Problems()) outcome.messages.push_back(problem);
  const NewtonSettings settings = SettingsFrom(options, outcome.messages);
  const bool compression = options.Switch("Compression", true);

  std::vector<std::string> problems;
  std::unique_ptr<CEquationSystem> system = CEquationSystem::Make(flowsheet, runMode, compression, problems);
  outcome.messages.insert(outcome.messages.end(), problems.begin(), problems.end());
  if (!system) {
    outcome.summary = mode + " run could not start: " + Plural(static_cast<int>(problems.size()), "equation") +
                      " cannot be evaluated";
    return outcome;
  }
  outcome.started = true;
  CDecomposition decomposition = CDecomposition::Make(*system, outcome.messages);

  CGroupSolver solver(*system, settings);
  std::vector<GroupOutcome> outcomes(static_cast<std::size_t>(decomposition.GroupCount()));
  for (int g = 0; g < decomposition.GroupCount(); ++g) {
    GroupOutcome& groupOutcome = outcomes[static_cast<std::size_t>(g)];
    // Named only when something is said about it: there can be a million groups.
    const auto group = [&] {
      return "Group " + std::to_string(g + 1) + " (" + GroupTypeName(decomposition.Type(g)) + ", " +
             Plural(decomposition.RowCount(g), "equation") + ")";
    };
    if (decomposition.Singular(g)) {
      for (int i = 0; i < decomposition.ColumnCount(g) && i < 3; ++i)
        groupOutcome.problemColumns.push_back(decomposition.Columns(g)[i]);
      outcome.messages.push_back(group() + " cannot be solved: it has " +
                                 Plural(decomposition.ColumnCount(g), "unknown"));
      break;
    }
    GroupSolveResult result = solver.Solve(decomposition.Rows(g), decomposition.Columns(g), decomposition.RowCount(g));
    groupOutcome.converged = result.converged;
    if (result.converged) continue;
    groupOutcome.problemColumns = std::move(result.problemColumns);
    std::string message = group() + " did not converge: " + result.problem;
    if (result.worstRow >= 0)
      message += "; largest residual " + NumberText(result.largestResidual) + " in '" +
                 system->EquationName(system->RowEquation(result.worstRow)) + "'";
    outcome.messages.push_back(message);
    break;
  }
  system->Publish(flowsheet);
  outcome.decomposition = MakeDecompositionRecord(*system, decomposition, outcomes, outcome.equivalences);
  outcome.converged = outcome.decomposition.converged;
  const int groups = decomposition.GroupCount();
  if (outcome.converged)
    outcome.summary = mode + " run converged: " + Plural(system->RowCount(), "equation") + " in " +
                      Plural(groups, "group");
  else
    outcome.summary = mode + " run did not converge: group " +
                      std::to_string(outcome.decomposition.firstUnconvergedGroup) + " of " + std::to_string(groups) +
                      " failed";
  if (compression && system->EquivalenceCount() > 0)
    outcome.summary += " (" + Plural(system->EquivalenceCount(), "equivalence") + ")";
  return outcome;
}
