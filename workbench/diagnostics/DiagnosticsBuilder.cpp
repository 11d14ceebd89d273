#include "workbench/diagnostics/DiagnosticsBuilder.h"

#include <cstdio>

void CFixedResidualSource::Set(int equation, double residual, std::string longText) {
  m_entries[equation] = Entry{residual, std::move(longText)};
}

bool CFixedResidualSource::Residual(int equation, double& residual) const {
  auto it = m_entries.find(equation);
  if (it == m_entries.end()) return false;
  residual = it->second.value;
  return true;
}

std::string CFixedResidualSource::ResidualText(int equation) const {
  auto it = m_entries.find(equation);
  if (it == m_entries.end()) return {};
  char text[32];
  std::snprintf(text, sizeof text, "%g", it->second.value);
  return text;
}

std::string CFixedResidualSource::LongResidualText(int equation) const {
  auto it = m_entries.find(equation);
  return it == m_entries.end() ? std::string() : it->second.longText;
}

CDiagnosticsBuilder& CDiagnosticsBuilder::Decomposition(int runMode) {
  m_run->decompositions.emplace_back();
  m_run->decompositions.back().runMode = runMode;
  m_residuals.push_back(std::make_shared<CFixedResidualSource>());
  m_run->decompositions.back().residuals = m_residuals.back();
  return *this;
}

int CDiagnosticsBuilder::Variable(const std::string& name, int groupIndex, int subGroupIndex, int equivalence) {
  DecompVariableRecord record;
  record.name = name;
  record.groupIndex = groupIndex;
  record.subGroupIndex = subGroupIndex;
  record.equivalence = equivalence;
  Current().variables.push_back(std::move(record));
  return static_cast<int>(Current().variables.size()) - 1;
}

int CDiagnosticsBuilder::Equation(const std::string& name, std::vector<int> variables, int solvedPosition) {
  DecompEquationRecord record;
  record.name = name;
  record.elementCount = static_cast<int>(variables.size());
  record.activeVariableCount = solvedPosition >= 0 ? 1 : 0;
  record.variables = std::move(variables);
  record.solvedVariable = solvedPosition;
  Current().equations.push_back(std::move(record));
  return static_cast<int>(Current().equations.size()) - 1;
}

DecompGroupRecord& CDiagnosticsBuilder::Group(int type, std::vector<int> equations, std::vector<int> variables,
                                              bool converged) {
  DecompGroupRecord group;
  group.type = type;
  group.number = static_cast<int>(Current().groups.size()) + 1;
  group.converged = converged;
  group.nonZeros = static_cast<int>(equations.size() * variables.size());
  group.equations = std::move(equations);
  group.variables = std::move(variables);
  Current().groups.push_back(std::move(group));
  return Current().groups.back();
}

DecompGroupRecord CDiagnosticsBuilder::MakeSimpleGroup(int number, bool converged, int groupIndex, int subGroupIndex) {
  const std::string suffix = groupIndex == ZN_VARIABLE_TORN || subGroupIndex
                                 ? std::to_string(subGroupIndex) + "_" + std::to_string(number)
                                 : std::to_string(number);
  const int variable = Variable("v" + suffix, groupIndex, subGroupIndex);
  const int equation = Equation("e" + suffix, {variable}, 0);
  DecompGroupRecord group;
  group.type = ZN_GROUP_EXPLICIT;
  group.number = number;
  group.converged = converged;
  group.nonZeros = 1;
  group.equations = {equation};
  group.variables = {variable};
  return group;
}

CDiagnosticsBuilder& CDiagnosticsBuilder::Groups(int count, const std::vector<int>& unconverged) {
  DecompositionRecord& decomposition = Current();
  decomposition.groups.reserve(decomposition.groups.size() + static_cast<std::size_t>(count));
  std::vector<bool> failing(static_cast<std::size_t>(count) + 1, false);
  for (int number : unconverged)
    if (number >= 1 && number <= count) failing[static_cast<std::size_t>(number)] = true;
  const int first = static_cast<int>(decomposition.groups.size()) + 1;
  for (int i = 0; i < count; ++i) {
    const int number = first + i;
    decomposition.groups.push_back(MakeSimpleGroup(number, !failing[static_cast<std::size_t>(i + 1)], number, 0));
  }
  return *this;
}

DecompGroupRecord& CDiagnosticsBuilder::TornGroup(int count, int tornSize, const std::vector<int>& unconvergedSubGroups) {
  const int number = static_cast<int>(Current().groups.size()) + 1;
  DecompGroupRecord torn;
  torn.type = ZN_GROUP_TORN;
  torn.number = number;
  torn.tornSize = tornSize;
  for (int i = 1; i <= count; ++i) {
    bool failing = false;
    for (int u : unconvergedSubGroups) failing = failing || u == i;
    // Variables of a torn group's sub-groups are found through the torn group's number.
    DecompGroupRecord sub = MakeSimpleGroup(i, !failing, ZN_VARIABLE_TORN, number);
    torn.equations.insert(torn.equations.end(), sub.equations.begin(), sub.equations.end());
    torn.variables.insert(torn.variables.end(), sub.variables.begin(), sub.variables.end());
    torn.nonZeros += sub.nonZeros;
    if (failing && torn.firstUnconvergedSubGroup == 0) torn.firstUnconvergedSubGroup = i;
    torn.subGroups.push_back(std::move(sub));
  }
  torn.converged = torn.firstUnconvergedSubGroup == 0;
  Current().groups.push_back(std::move(torn));
  return Current().groups.back();
}

DecompEquivalenceRecord& CDiagnosticsBuilder::Equivalence(std::vector<int> variables, double lower, double upper,
                                                          double scale) {
  DecompEquivalenceRecord record;
  record.number = static_cast<int>(m_run->equivalences.size()) + 1;
  record.decomposition = static_cast<int>(m_run->decompositions.size()) - 1;
  for (int v : variables) Current().variables[v].equivalence = record.number;
  record.variables = std::move(variables);
  record.lowerBound = lower;
  record.upperBound = upper;
  record.scaleFactor = scale;
  m_run->equivalences.push_back(std::move(record));
  return m_run->equivalences.back();
}

CDiagnosticsBuilder& CDiagnosticsBuilder::Residual(int equation, double value, std::string longText) {
  m_residuals.back()->Set(equation, value, std::move(longText));
  return *this;
}

void CDiagnosticsBuilder::Finish(DecompositionRecord& decomposition) {
  decomposition.firstUnconvergedGroup = 0;
  for (const DecompGroupRecord& group : decomposition.groups) {
    if (!group.converged) {
      decomposition.firstUnconvergedGroup = group.number;
      break;
    }
  }
  decomposition.converged = decomposition.firstUnconvergedGroup == 0;
}

std::shared_ptr<const RunDiagnostics> CDiagnosticsBuilder::Build() {
  for (DecompositionRecord& decomposition : m_run->decompositions) Finish(decomposition);
  return m_run;
}
