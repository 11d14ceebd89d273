#include "workbench/solver/EquationCompiler.h"

#include <algorithm>
#include <string_view>

#include "workbench/simulation/Flowsheet.h"
#include "workbench/simulation/PathIndex.h"
#include "workbench/solver/Expression.h"

namespace {

// How many equations ahead a unit's variables are asked for, and at most how many of them.
constexpr std::size_t kLookAhead = 24;
constexpr int kPrefetchVariables = 64;

// The variable a name in an equation stands for.
class CNameResolution {
 public:
  explicit CNameResolution(const CFlowsheet& flowsheet) : m_flowsheet(flowsheet) {}

  // -1 when the name stands for no variable. offset (may be null) remembers where among its
  // unit's variables the name was found, and is tried first the next time: blocks of one
  // model hold their variables in the same order.
  int Resolve(const InstanceEquation& equation, std::string_view name, int* offset) const {
    const std::vector<InstanceVariable>& variables = m_flowsheet.Variables();
    const bool ownUnit = equation.unit >= 0 && equation.unit < static_cast<int>(m_flowsheet.Units().size());
    if (ownUnit && m_flowsheet.FirstVariable(equation.unit) >= 0) {
      const int first = m_flowsheet.FirstVariable(equation.unit), last = m_flowsheet.LastVariable(equation.unit);
      if (offset && *offset >= 0 && first + *offset <= last &&
          PathIsNoCase(variables[static_cast<std::size_t>(first + *offset)].path, equation.scope, name))
        return first + *offset;
      for (int i = first; i <= last; ++i)
        if (PathIsNoCase(variables[static_cast<std::size_t>(i)].path, equation.scope, name)) {
          if (offset) *offset = i - first;
          return i;
        }
    }
    std::string_view scope = equation.scope;
    while (true) {
      const int found = m_flowsheet.FindVariableIndex(scope, name);
      if (found >= 0) return found;
      if (scope.empty()) return -1;
      const std::size_t dot = scope.rfind('.');
      scope = dot == std::string_view::npos ? std::string_view() : scope.substr(0, dot);
    }
  }

 private:
  const CFlowsheet& m_flowsheet;
};

// A model's equation text, compiled once for every block that writes it.
struct SharedForm {
  EquationForm form;
  bool compiles = false;
  std::vector<int> offsets;  // by name: CNameResolution's offset
  int nodes = -1;            // CCompiledEquations::AddBound's shared nodes
};

}  // namespace

bool CompileFlowsheetEquations(const CFlowsheet& flowsheet, CCompiledEquations& compiled,
                               std::vector<std::string>& messages,
                               const std::function<void(int lastVariable)>& unitDone) {
  const std::vector<InstanceEquation>& equations = flowsheet.Equations();
  compiled.Reserve(equations.size());
  const CNameResolution names(flowsheet);
  std::vector<int> formOfText(static_cast<std::size_t>(flowsheet.EquationTextCount()), -1);  // by text number
  std::vector<SharedForm> forms;
  std::vector<int> bound;
  // A connection is "a = b" between the variables it joins, known since it was made.
  EquationForm connection;
  std::string problem;
  CompileEquationForm("a = b", connection, problem);
  int connectionNodes = -1;
  const std::vector<InstanceVariable>& variables = flowsheet.Variables();
  const int variableCount = static_cast<int>(variables.size());
  const int unitCount = static_cast<int>(flowsheet.Units().size());
  const auto isVariable = [variableCount](int v) { return v >= 0 && v < variableCount; };
  const auto done = [&](int unit) {
    if (unitDone && unit >= 0 && unit < unitCount && flowsheet.FirstVariable(unit) >= 0)
      unitDone(flowsheet.LastVariable(unit));
  };
  bool ok = true;
  for (std::size_t e = 0; e < equations.size(); ++e) {
    const InstanceEquation& equation = equations[e];
    if (e > 0 && equations[e - 1].unit != equation.unit) done(equations[e - 1].unit);
    // The variables of a large flowsheet are far apart in memory, and waiting for each in turn is
    // most of the time this takes: a unit's variables are asked for some equations ahead. (Written
    // out here: a function doing only this may be taken for one without effect and dropped.)
    // The equations themselves are asked for further ahead still: the look-ahead reads their units.
    if (e + 2 * kLookAhead < equations.size()) {
      __builtin_prefetch(&equations[e + 2 * kLookAhead].unit);
      __builtin_prefetch(&equations[e + 2 * kLookAhead].scope);
    }
    const int ahead = e + kLookAhead < equations.size() ? equations[e + kLookAhead].unit : -1;
    if (ahead >= 0 && ahead < unitCount && ahead != equations[e + kLookAhead - 1].unit &&
        flowsheet.FirstVariable(ahead) >= 0) {
      const int first = flowsheet.FirstVariable(ahead);
      const int last = std::min(flowsheet.LastVariable(ahead), first + kPrefetchVariables - 1);
      // Both ends of what is read of a variable (its path here, its bounds after): two cache lines.
      for (int v = first; v <= last; ++v) {
        __builtin_prefetch(&variables[static_cast<std::size_t>(v)].path);
        __builtin_prefetch(&variables[static_cast<std::size_t>(v)].upper);
      }
    }
    if (isVariable(equation.joinedLeft) && isVariable(equation.joinedRight)) {
      const int joined[] = {equation.joinedLeft, equation.joinedRight};
      compiled.AddBound(connection, joined, connectionNodes);
      continue;
    }
    // Equations read from the top flowsheet (its own, and the connections) name their variables
    // by full path: their texts do not repeat, and are compiled as they come.
    const bool numbered = equation.textNumber >= 0 && equation.textNumber < static_cast<int>(formOfText.size());
    if (!equation.scope.empty() && numbered) {
      int& at = formOfText[static_cast<std::size_t>(equation.textNumber)];
      if (at < 0) {
        at = static_cast<int>(forms.size());
        forms.emplace_back();
        // A text that does not compile says why below, compiled on its own.
        forms.back().compiles = CompileEquationForm(equation.text, forms.back().form, problem);
        forms.back().offsets.assign(forms.back().form.names.size(), -1);
      }
      SharedForm& shared = forms[static_cast<std::size_t>(at)];
      if (shared.compiles) {
        bound.resize(shared.form.names.size());
        bool resolved = true;
        for (std::size_t n = 0; n < bound.size() && resolved; ++n) {
          bound[n] = names.Resolve(equation, shared.form.names[n], &shared.offsets[n]);
          resolved = bound[n] >= 0;
        }
        if (resolved) {
          compiled.AddBound(shared.form, bound.data(), shared.nodes);
          continue;
        }
      }
    }
    problem.clear();
    const NameResolver resolve = [&](std::string_view name) { return names.Resolve(equation, name, nullptr); };
    if (!compiled.Add(equation.text, resolve, problem)) {
      messages.push_back("Equation '" + equation.name + "': " + problem);
      ok = false;
    }
  }
  if (!equations.empty()) done(equations.back().unit);
  return ok;
}
