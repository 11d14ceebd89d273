// The flowsheet as instantiated from the modelling language: its units
// (blocks, hierarchies, streams, global structure instances), every variable
// they declare with its value, fixing status and bounds, and every equation
// with the scope its names are read in. Built in one pass by
// InstantiateFlowsheet and replaced whole after a change of the definitions;
// nothing here points back into the store except the units' types.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/com/ComPtr.h"
#include "workbench/simulation/PathIndex.h"

class CStoreType;

enum class UnitKind { Flowsheet, Block, Hierarchy, Stream, GlobalStructure };

enum class VariableSpec { Free, Fixed, Initial, RateInitial };

// "Free", "Fixed", "Initial", "RateInitial"; nothing for another word (any case).
std::optional<VariableSpec> VariableSpecFromText(std::string_view text);
const char* VariableSpecText(VariableSpec spec);

struct UnitCounts {
  int equations = 0;
  int variables = 0;
  int fixed = 0;
  int DegreesOfFreedom() const { return variables - equations - fixed; }
};

struct FlowsheetUnit {
  std::string name;  // "T101"; the top flowsheet has none
  std::string path;  // "Farm.T101"; empty for the top flowsheet
  UnitKind kind = UnitKind::Block;
  int parent = -1;
  std::string typeName;
  CComPtr<CStoreType> type;  // null when no type of that name exists
  std::string description;
  std::vector<int> blocks;   // blocks, hierarchies and global structures, in the order written
  std::vector<int> streams;  // streams, in the order written
  std::string problem;       // what is wrong with the unit; empty when nothing is
  bool complete = true;      // its contents could be made, so its counts say something
  UnitCounts counts;         // of the unit with everything inside it
};

// The texts a variable shares with the other variables of its declaration. Views and property
// pages read them, a run never does, so they stay out of the record a run walks.
struct VariableTexts {
  std::string typeName;
  std::string quantity;  // physical quantity, empty when the type names none
  std::string description;
};

// What a run reads of every variable, within two cache lines.
struct InstanceVariable {
  std::string path;  // "T101.Level"
  int unit = 0;      // the unit that holds it
  VariableSpec spec = VariableSpec::Free;
  bool state = false;  // its derivative appears in an equation ($x)
  double value = 0.0;
  double derivative = 0.0;
  std::optional<double> lower;
  std::optional<double> upper;
  std::shared_ptr<const VariableTexts> texts;  // null: no type name, quantity or description

  const std::string& TypeName() const;
  const std::string& Quantity() const;
  const std::string& Description() const;
};

// What a pass over every equation reads first comes first: a connection is read in one cache line.
struct InstanceEquation {
  int unit = 0;
  // A connection "a = b": the variables a and b, found when it was made; -1 for other equations.
  int joinedLeft = -1, joinedRight = -1;
  // Equal for equations of equal text, numbered from 0 as the texts are first met; given by CFlowsheet::AddEquation.
  int textNumber = -1;
  std::string scope;  // the path the names in text are read from ("T101"; "" for the top flowsheet)
  std::string text;   // "lhs = rhs" as written
  std::string name;   // "T101.mass", or "T101.#3" for the third unnamed equation of T101
};

class CFlowsheet {
 public:
  CFlowsheet();
  ~CFlowsheet();
  CFlowsheet(const CFlowsheet&) = delete;
  CFlowsheet& operator=(const CFlowsheet&) = delete;

  const std::vector<FlowsheetUnit>& Units() const { return m_units; }
  const FlowsheetUnit& Unit(int index) const { return m_units[static_cast<std::size_t>(index)]; }
  const FlowsheetUnit& Top() const { return m_units.front(); }
  // The unit at a path ("" is the top flowsheet); -1 when none. Paths compare without regard to case.
  int FindUnit(std::string_view path) const;

  const std::vector<InstanceVariable>& Variables() const { return m_variables; }
  std::vector<InstanceVariable>& Variables() { return m_variables; }
  // The first and last index of a unit's variables, -1 for a unit without any. They are stored
  // together, though a hierarchy's own may have its blocks' between them.
  int FirstVariable(int unit) const { return m_variableSpan[static_cast<std::size_t>(unit)].first; }
  int LastVariable(int unit) const { return m_variableSpan[static_cast<std::size_t>(unit)].last; }
  const InstanceVariable* FindVariable(std::string_view path) const;
  InstanceVariable* FindVariable(std::string_view path);
  // The variable at scope.name (name alone for an empty scope); -1 when none.
  int FindVariableIndex(std::string_view scope, std::string_view name) const;
  const std::vector<InstanceEquation>& Equations() const { return m_equations; }
  // What the instantiation found wrong, one line each, naming the unit and the reason.
  const std::vector<std::string>& Problems() const { return m_problems; }

  // ---- filled by the instantiation ----
  // Room for about this many more, so that a large flowsheet is not moved and rehashed as it grows.
  void Reserve(std::size_t units, std::size_t variables, std::size_t equations);
  int AddUnit(FlowsheetUnit unit);
  FlowsheetUnit& MutableUnit(int index) { return m_units[static_cast<std::size_t>(index)]; }
  void AddVariable(InstanceVariable variable);
  void AddEquation(InstanceEquation equation);
  // How many different texts the equations have (each equation's textNumber is below it).
  int EquationTextCount() const { return static_cast<int>(m_equationTexts.size()); }
  void AddProblem(std::string problem) { m_problems.push_back(std::move(problem)); }
  // Counts every unit's variables, equations and fixed variables, inside out.
  void Count();
  // Keeps the fixed counts of unit and the units around it right after a variable of unit went from before to after.
  void CountSpecChange(int unit, VariableSpec before, VariableSpec after);

 private:
  // An entry's path, as the indexes read it.
  auto UnitPath() const {
    return [this](int u) -> const std::string& { return m_units[static_cast<std::size_t>(u)].path; };
  }
  auto VariablePath() const {
    return [this](int v) -> const std::string& { return m_variables[static_cast<std::size_t>(v)].path; };
  }

  std::vector<FlowsheetUnit> m_units;
  CPathIndex m_unitIndex;
  std::vector<InstanceVariable> m_variables;
  CPathIndex m_variableIndex;
  struct VariableSpan {
    int first = -1, last = -1;
  };
  std::vector<VariableSpan> m_variableSpan;  // by unit
  std::vector<InstanceEquation> m_equations;
  std::unordered_map<std::string, int> m_equationTexts;  // text -> its number
  std::vector<std::string> m_problems;
};

// A number as the user or a text writes it ("1.5", " -2e3 "); nothing for anything else.
std::optional<double> ReadNumber(std::string_view text);

// "a.b" from a path and a name; the name alone when the path is empty.
std::string JoinPath(std::string_view path, std::string_view name);
