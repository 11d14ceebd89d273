#include "workbench/views/VariableFinder.h"

#include "workbench/language/TextCase.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/views/ShownUnits.h"

// Iterative matching with one remembered star: linear in practice, never exponential.
bool MatchesWildcard(std::string_view pattern, std::string_view text) {
  std::size_t p = 0, t = 0;
  std::size_t star = std::string_view::npos, resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || ToLowerAscii(pattern[p]) == ToLowerAscii(text[t]))) {
      ++p;
      ++t;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = t;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<FoundVariable> FindVariables(const CFlowsheet& flowsheet, const CUnitSets& units, std::string_view start,
                                         std::string_view pattern) {
  std::vector<FoundVariable> found;
  const int startUnit = flowsheet.FindUnit(start);
  if (startUnit < 0) return found;
  const std::string prefix = start.empty() ? std::string() : LowerAscii(flowsheet.Unit(startUnit).path) + ".";
  for (const InstanceVariable& variable : flowsheet.Variables()) {
    if (variable.path.size() <= prefix.size()) continue;
    const std::string_view path(variable.path);
    if (!prefix.empty() && !EqualsNoCase(path.substr(0, prefix.size()), prefix)) continue;
    if (!pattern.empty() && !MatchesWildcard(pattern, path.substr(prefix.size()))) continue;
    const ShownValue shown = ShowInCurrentUnits(units, variable.Quantity(), variable.value);
    found.push_back({variable.path, flowsheet.Unit(variable.unit).path, shown.value, shown.unit,
                     VariableSpecText(variable.spec), variable.Description()});
  }
  return found;
}
