#include "workbench/simulation/Flowsheet.h"

#include <cstdlib>

#include "workbench/language/TextCase.h"
#include "workbench/simulation/LargeArrays.h"
#include "workbench/store/StoreType.h"

std::optional<VariableSpec> VariableSpecFromText(std::string_view text) {
  if (EqualsNoCase(text, "Free")) return VariableSpec::Free;
  if (EqualsNoCase(text, "Fixed")) return VariableSpec::Fixed;
  if (EqualsNoCase(text, "Initial")) return VariableSpec::Initial;
  if (EqualsNoCase(text, "RateInitial")) return VariableSpec::RateInitial;
  return std::nullopt;
}

namespace {
const std::string kNoVariableText;
}  // namespace

const std::string& InstanceVariable::TypeName() const { return texts ? texts->typeName : kNoVariableText; }
const std::string& InstanceVariable::Quantity() const { return texts ? texts->quantity : kNoVariableText; }
const std::string& InstanceVariable::Description() const { return texts ? texts->description : kNoVariableText; }

const char* VariableSpecText(VariableSpec spec) {
  switch (spec) {
    case VariableSpec::Free: return "Free";
    case VariableSpec::Fixed: return "Fixed";
    case VariableSpec::Initial: return "Initial";
    case VariableSpec::RateInitial: return "RateInitial";
  }
  return "Free";
}

std::optional<double> ReadNumber(std::string_view text) {
  std::string copy;
  for (char c : text)
    if (c != ' ' && c != '\t') copy += c;
  if (copy.empty()) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size()) return std::nullopt;
  return value;
}

std::string JoinPath(std::string_view path, std::string_view name) {
  if (path.empty()) return std::string(name);
  if (name.empty()) return std::string(path);
  std::string joined;
  joined.reserve(path.size() + 1 + name.size());
  joined.append(path).append(1, '.').append(name);
  return joined;
}

CFlowsheet::CFlowsheet() {
  FlowsheetUnit top;
  top.kind = UnitKind::Flowsheet;
  AddUnit(std::move(top));
}

CFlowsheet::~CFlowsheet() = default;

void CFlowsheet::Reserve(std::size_t units, std::size_t variables, std::size_t equations) {
  m_units.reserve(m_units.size() + units);
  m_variableSpan.reserve(m_units.size() + units);
  m_unitIndex.Reserve(m_units.size() + units);
  ReserveLarge(m_variables, m_variables.size() + variables);
  m_variableIndex.Reserve(m_variables.size() + variables);
  ReserveLarge(m_equations, m_equations.size() + equations);
}

int CFlowsheet::AddUnit(FlowsheetUnit unit) {
  const int index = static_cast<int>(m_units.size());
  // The first unit of a path is the one found by it.
  m_unitIndex.Insert(unit.path, index, UnitPath());
  m_units.push_back(std::move(unit));
  m_variableSpan.emplace_back();
  return index;
}

int CFlowsheet::FindUnit(std::string_view path) const {
  return m_unitIndex.Find({}, path, UnitPath());
}

void CFlowsheet::AddVariable(InstanceVariable variable) {
  // The first declaration of a path wins; a repeat was reported when its text was compiled.
  const int index = static_cast<int>(m_variables.size());
  if (!m_variableIndex.Insert(variable.path, index, VariablePath())) return;
  const std::size_t unit = static_cast<std::size_t>(variable.unit);
  if (unit < m_variableSpan.size()) {
    if (m_variableSpan[unit].first < 0) m_variableSpan[unit].first = index;
    m_variableSpan[unit].last = index;
  }
  m_variables.push_back(std::move(variable));
}

void CFlowsheet::AddEquation(InstanceEquation equation) {
  // Blocks of one model repeat its texts: the number lets a reader tell them alike without reading them.
  equation.textNumber =
      m_equationTexts.try_emplace(equation.text, static_cast<int>(m_equationTexts.size())).first->second;
  m_equations.push_back(std::move(equation));
}

int CFlowsheet::FindVariableIndex(std::string_view scope, std::string_view name) const {
  return m_variableIndex.Find(scope, name, VariablePath());
}

const InstanceVariable* CFlowsheet::FindVariable(std::string_view path) const {
  const int found = FindVariableIndex({}, path);
  return found < 0 ? nullptr : &m_variables[static_cast<std::size_t>(found)];
}

InstanceVariable* CFlowsheet::FindVariable(std::string_view path) {
  const int found = FindVariableIndex({}, path);
  return found < 0 ? nullptr : &m_variables[static_cast<std::size_t>(found)];
}

void CFlowsheet::CountSpecChange(int unit, VariableSpec before, VariableSpec after) {
  const int change = (after == VariableSpec::Fixed) - (before == VariableSpec::Fixed);
  if (change == 0) return;
  for (int u = unit; u >= 0; u = m_units[static_cast<std::size_t>(u)].parent)
    m_units[static_cast<std::size_t>(u)].counts.fixed += change;
}

void CFlowsheet::Count() {
  for (FlowsheetUnit& unit : m_units) unit.counts = UnitCounts{};
  for (const InstanceVariable& variable : m_variables) {
    UnitCounts& own = m_units[static_cast<std::size_t>(variable.unit)].counts;
    ++own.variables;
    if (variable.spec == VariableSpec::Fixed) ++own.fixed;
  }
  for (const InstanceEquation& equation : m_equations) ++m_units[static_cast<std::size_t>(equation.unit)].counts.equations;
  // A unit's parent always comes before it, so one backward pass adds every
  // unit into its parent after everything inside it was added into it.
  for (std::size_t i = m_units.size(); i-- > 1;) {
    const FlowsheetUnit& unit = m_units[i];
    if (unit.parent < 0) continue;
    UnitCounts& outer = m_units[static_cast<std::size_t>(unit.parent)].counts;
    outer.equations += unit.counts.equations;
    outer.variables += unit.counts.variables;
    outer.fixed += unit.counts.fixed;
  }
}
