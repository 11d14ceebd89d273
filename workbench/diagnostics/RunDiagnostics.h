// What a solver run leaves behind for the diagnostics view: for each run mode
// the decomposition of the equation system (groups in solving order, their
// equations and variables) and the equivalences of compressed variables.
// The solver fills these plain records; the diagnostics objects the explorer
// reads through host/diagnostics are made from them. Residuals and their texts
// depend on the current values, so they are asked of the solver when shown.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/diagnostics/IZNDecompGroup.h"
#include "host/diagnostics/IZNDecompVariable.h"
#include "host/diagnostics/IZNDecomposition.h"

// The solver's answer, with the values of the moment, for one equation of a decomposition.
// It must stay safe to ask after the flowsheet has been rebuilt or the run has ended.
class IResidualSource {
 public:
  virtual ~IResidualSource() = default;
  // False when the residual cannot be computed (a procedure not available, a value out of range).
  virtual bool Residual(int equation, double& residual) const = 0;
  // The residual as the diagnostics show it.
  virtual std::string ResidualText(int equation) const = 0;
  // The equation written out with the variables' current values.
  virtual std::string LongResidualText(int equation) const = 0;
};

struct DecompVariableRecord {
  std::string name;          // path below the flowsheet ("T101.Level"); ".Derivative" ends a time derivative
  int equivalence = 0;       // 1-based equivalence number, 0 for none
  int groupIndex = ZN_VARIABLE_NO_GROUP;  // 1-based group, ZN_VARIABLE_CALCULATED or ZN_VARIABLE_TORN
  int subGroupIndex = 0;     // 1-based sub-group; for a torn variable the torn group's number
  bool problem = false;      // among the worst variables of a group that failed
  bool visible = true;       // false for variables of a proprietary model
};

struct DecompEquationRecord {
  std::string name;            // "T101.mass", "s2"
  std::vector<int> variables;  // indices into DecompositionRecord::variables, in the equation's order
  int elementCount = 0;        // variables and constants
  int activeVariableCount = 0; // variables the group solves for (not fixed, not from earlier groups)
  int solvedVariable = -1;     // position in `variables` of the variable it is solved for; -1 for none
  bool visible = true;
};

struct DecompGroupRecord {
  int type = ZN_GROUP_EXPLICIT;   // ZN_GROUP_*
  int number = 0;                 // 1-based, in its decomposition or torn group
  bool converged = true;
  int nonZeros = 0;
  std::vector<int> equations;     // indices into DecompositionRecord::equations
  std::vector<int> variables;     // indices into DecompositionRecord::variables
  // Torn groups only.
  int tornSize = 0;
  std::vector<DecompGroupRecord> subGroups;
  int firstUnconvergedSubGroup = 0;  // 1-based; 0 when all converged
};

struct DecompositionRecord {
  int runMode = ZN_RUN_STEADY_STATE;  // ZN_RUN_*
  bool converged = true;
  std::vector<DecompVariableRecord> variables;
  std::vector<DecompEquationRecord> equations;
  std::vector<DecompGroupRecord> groups;  // group number n is element n - 1
  int firstUnconvergedGroup = 0;          // 1-based; 0 when all converged
  std::shared_ptr<const IResidualSource> residuals;  // indexed like `equations`
};

struct DecompEquivalenceRecord {
  int number = 0;               // 1-based
  int decomposition = 0;        // index into RunDiagnostics::decompositions of the variables below
  std::vector<int> variables;   // indices into that decomposition's variables
  double lowerBound = 0.0;
  double upperBound = 0.0;
  double scaleFactor = 1.0;
  bool visible = true;
};

struct RunDiagnostics {
  std::vector<DecompositionRecord> decompositions;  // at most one per run mode
  std::vector<DecompEquivalenceRecord> equivalences;  // empty when compression was off
};
