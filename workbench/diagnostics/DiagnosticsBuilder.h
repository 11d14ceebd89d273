// Makes run diagnostics records for tests and benchmarks without running the
// solver: decompositions of any size, torn groups with sub-groups, variables
// with groups, equivalences and bounds of the caller's choosing, and residuals
// with given values.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "workbench/diagnostics/RunDiagnostics.h"

// Residuals of fixed values: text "%g" of the value; long text as given (or "name = value").
class CFixedResidualSource : public IResidualSource {
 public:
  void Set(int equation, double residual, std::string longText = {});
  bool Residual(int equation, double& residual) const override;
  std::string ResidualText(int equation) const override;
  std::string LongResidualText(int equation) const override;

 private:
  struct Entry {
    double value = 0.0;
    std::string longText;
  };
  std::map<int, Entry> m_entries;
};

class CDiagnosticsBuilder {
 public:
  // Starts a decomposition of run mode; those that follow refer to it until the next one.
  CDiagnosticsBuilder& Decomposition(int runMode = ZN_RUN_STEADY_STATE);

  // A variable (index returned) of the current decomposition.
  int Variable(const std::string& name, int groupIndex = ZN_VARIABLE_NO_GROUP, int subGroupIndex = 0,
               int equivalence = 0);
  DecompVariableRecord& VariableRecord(int index) { return Current().variables[index]; }
  // An equation over variables (indices), solved for the one at solvedPosition (-1: none).
  int Equation(const std::string& name, std::vector<int> variables, int solvedPosition = -1);
  DecompEquationRecord& EquationRecord(int index) { return Current().equations[index]; }

  // A group (numbered next) of type over equations and variables; the decomposition follows its convergence.
  DecompGroupRecord& Group(int type, std::vector<int> equations, std::vector<int> variables, bool converged = true);
  // count groups of one equation in one variable each ("e<n>" in "v<n>", explicit), the ones
  // numbered in unconverged failing; variables are calculated in their group.
  CDiagnosticsBuilder& Groups(int count, const std::vector<int>& unconverged = {});
  // A torn group of count sub-groups built like Groups (numbered 1..count inside it), with tornSize torn
  // equations; its equations and variables are all of its sub-groups'.
  DecompGroupRecord& TornGroup(int count, int tornSize, const std::vector<int>& unconvergedSubGroups = {});

  // An equivalence (numbered next) of the current decomposition's variables.
  DecompEquivalenceRecord& Equivalence(std::vector<int> variables, double lower, double upper, double scale);

  // Residuals of the current decomposition's equations.
  CDiagnosticsBuilder& Residual(int equation, double value, std::string longText = {});

  DecompositionRecord& Current() { return m_run->decompositions.back(); }
  std::shared_ptr<const RunDiagnostics> Build();

 private:
  DecompGroupRecord MakeSimpleGroup(int number, bool converged, int groupIndex, int subGroupIndex);
  void Finish(DecompositionRecord& decomposition);

  std::shared_ptr<RunDiagnostics> m_run = std::make_shared<RunDiagnostics>();
  std::vector<std::shared_ptr<CFixedResidualSource>> m_residuals;
};
