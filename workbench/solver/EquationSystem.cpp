#include "workbench/solver/EquationSystem.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "host/diagnostics/IZNDecomposition.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/simulation/LargeArrays.h"
#include "workbench/solver/EquationCompiler.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// How many variables ahead a pass over them asks for one (they are large, and far apart in memory).
constexpr std::size_t kVariablesAhead = 16;

// Whether a variable's value (or its time derivative) is known in a run mode rather than solved for.
bool IsKnown(const InstanceVariable& v, bool derivative, int runMode) {
  if (v.spec == VariableSpec::Fixed) return true;
  switch (runMode) {
    case ZN_RUN_INITIALIZATION:
      return derivative ? v.spec == VariableSpec::RateInitial : v.spec == VariableSpec::Initial;
    case ZN_RUN_DYNAMIC: return false;
    default: return derivative;  // steady state: derivatives are 0
  }
}

class CUnionFind {
 public:
  explicit CUnionFind(std::size_t n) {
    AssignLarge(m_parent, n, 0);
    std::iota(m_parent.begin(), m_parent.end(), 0);
  }
  int Find(int x) {
    while (m_parent[static_cast<std::size_t>(x)] != x) {
      int& p = m_parent[static_cast<std::size_t>(x)];
      p = m_parent[static_cast<std::size_t>(p)];
      x = p;
    }
    return x;
  }
  // The smaller index leads, so that an equivalence is led by the variable met first.
  bool Join(int a, int b) {
    a = Find(a);
    b = Find(b);
    if (a == b) return false;
    if (b < a) std::swap(a, b);
    m_parent[static_cast<std::size_t>(b)] = a;
    return true;
  }

 private:
  std::vector<int> m_parent;
};

}  // namespace

std::unique_ptr<CEquationSystem> CEquationSystem::Make(const CFlowsheet& flowsheet, int runMode, bool compression,
                                                       std::vector<std::string>& messages) {
  KeepFreedMemory();  // every run builds a system and frees the one before
  std::unique_ptr<CEquationSystem> system(new CEquationSystem);
  CEquationSystem& s = *system;
  s.m_flowsheet = &flowsheet;
  s.m_runMode = runMode;
  s.m_equations = std::make_shared<CCompiledEquations>();
  const std::vector<InstanceEquation>& equations = flowsheet.Equations();
  const std::vector<InstanceVariable>& variables = flowsheet.Variables();

  // What is needed of the variables: values as the flowsheet has them (derivatives of Fixed
  // variables, and all of them at steady state, are 0), which terms are known, which variables
  // are states, and their bounds. Read in order, each unit's right after its equations were
  // compiled: a large flowsheet's variables are then read from memory once, not twice.
  const std::size_t variableCount = variables.size();
  AssignLarge(s.m_values, variableCount, 0.0);
  AssignLarge(s.m_derivatives, variableCount, 0.0);
  std::vector<std::uint8_t> known;  // by term key
  AssignLarge(known, variableCount * 2, std::uint8_t{0});
  std::vector<int> states;
  // Bounds of the variables that have any, in variable order: most have none.
  struct Bounds {
    int variable;
    double lower, upper;
  };
  std::vector<Bounds> bounded;
  // Room for the most there can be: room never written costs no memory, while growing copies.
  ReserveLarge(states, variableCount);
  ReserveLarge(bounded, variableCount);
  std::size_t read = 0;
  const auto readVariables = [&](int last) {
    const std::size_t end = std::min(variableCount, static_cast<std::size_t>(last) + 1);
    for (; read < end; ++read) {
      const std::size_t i = read;
      if (i + kVariablesAhead < end) __builtin_prefetch(&variables[i + kVariablesAhead].value);
      const InstanceVariable& v = variables[i];
      s.m_values[i] = v.value;
      const bool zero = runMode == ZN_RUN_STEADY_STATE || v.spec == VariableSpec::Fixed;
      s.m_derivatives[i] = zero ? 0.0 : v.derivative;
      known[2 * i] = IsKnown(v, false, runMode);
      known[2 * i + 1] = IsKnown(v, true, runMode);
      if (v.state) states.push_back(static_cast<int>(i));
      if (v.lower || v.upper)
        bounded.push_back({static_cast<int>(i), v.lower ? *v.lower : -kInfinity, v.upper ? *v.upper : kInfinity});
    }
  };
  if (!CompileFlowsheetEquations(flowsheet, *s.m_equations, messages, readVariables)) return nullptr;
  readVariables(static_cast<int>(variableCount) - 1);
  const auto isKnown = [&known](int key) { return known[static_cast<std::size_t>(key)] != 0; };

  // Equivalences: plain equalities between two unknown values join their variables.
  const CCompiledEquations& eqs = *s.m_equations;
  CUnionFind joined(compression ? variableCount : 0);
  std::vector<std::uint8_t> rowKept;
  AssignLarge(rowKept, equations.size(), std::uint8_t{1});
  if (compression && runMode != ZN_RUN_DYNAMIC) {
    ReserveLarge(s.m_compressed, static_cast<std::size_t>(eqs.Count()));
    for (int e = 0; e < eqs.Count(); ++e) {
      int left = 0, right = 0;
      if (!eqs.IsPlainEquality(e, left, right)) continue;
      const int a = eqs.Terms(e)[left], b = eqs.Terms(e)[right];
      if (isKnown(a) || isKnown(b)) continue;
      if (joined.Join(TermVariable(a), TermVariable(b))) {
        rowKept[static_cast<std::size_t>(e)] = 0;
        s.m_compressed.push_back(e);
      }
    }
  }

  // Columns: every unknown value, then (initialization) every unknown derivative of a state. An
  // equivalence's variables share the column of its lead, the first of them (met before the others).
  AssignLarge(s.m_termColumn, variableCount * 2, -1);
  s.m_memberStart.assign(1, 0);  // counts of members by column first, made starts below
  const auto newColumn = [&s](int members) {
    s.m_memberStart.push_back(members);
    return static_cast<int>(s.m_memberStart.size()) - 2;
  };
  for (std::size_t i = 0; i < variableCount; ++i) {
    const int key = TermKey(static_cast<int>(i), false);
    if (isKnown(key)) continue;
    const int lead = compression ? joined.Find(static_cast<int>(i)) : static_cast<int>(i);
    int column = s.m_termColumn[static_cast<std::size_t>(TermKey(lead, false))];
    if (column < 0) column = newColumn(0);
    s.m_termColumn[static_cast<std::size_t>(key)] = column;
    ++s.m_memberStart[static_cast<std::size_t>(column) + 1];
  }
  for (int i : states) {
    const int key = TermKey(i, true);
    if (runMode == ZN_RUN_DYNAMIC) {
      // y' goes with its y.
      s.m_termColumn[static_cast<std::size_t>(key)] = s.m_termColumn[static_cast<std::size_t>(key - 1)];
      continue;
    }
    if (isKnown(key)) continue;
    s.m_termColumn[static_cast<std::size_t>(key)] = newColumn(1);
  }
  const int columns = static_cast<int>(s.m_memberStart.size()) - 1;
  for (int c = 0; c < columns; ++c) s.m_memberStart[static_cast<std::size_t>(c) + 1] += s.m_memberStart[static_cast<std::size_t>(c)];
  AssignLarge(s.m_members, static_cast<std::size_t>(s.m_memberStart.back()), 0);
  {
    // Members in the order met: values by variable, then derivatives.
    std::vector<int> next(s.m_memberStart.begin(), s.m_memberStart.end() - 1);
    const auto place = [&](int key) {
      const int column = s.m_termColumn[static_cast<std::size_t>(key)];
      if (column >= 0) s.m_members[static_cast<std::size_t>(next[static_cast<std::size_t>(column)]++)] = key;
    };
    for (std::size_t i = 0; i < variableCount; ++i) place(TermKey(static_cast<int>(i), false));
    if (runMode != ZN_RUN_DYNAMIC)
      for (int i : states) place(TermKey(i, true));
  }
  AssignLarge(s.m_columnLower, static_cast<std::size_t>(columns), -kInfinity);
  AssignLarge(s.m_columnUpper, static_cast<std::size_t>(columns), kInfinity);
  AssignLarge(s.m_columnEquivalence, static_cast<std::size_t>(columns), 0);
  // A column's bounds are the tightest of its members' values' bounds.
  for (const Bounds& b : bounded) {
    const int c = s.m_termColumn[static_cast<std::size_t>(TermKey(b.variable, false))];
    if (c < 0) continue;
    s.m_columnLower[static_cast<std::size_t>(c)] = std::max(s.m_columnLower[static_cast<std::size_t>(c)], b.lower);
    s.m_columnUpper[static_cast<std::size_t>(c)] = std::min(s.m_columnUpper[static_cast<std::size_t>(c)], b.upper);
  }
  for (int c = 0; c < columns; ++c) {
    if (s.MemberCount(c) > 1) {
      s.m_columnEquivalence[static_cast<std::size_t>(c)] = ++s.m_equivalenceCount;
      s.SetColumn(c, s.Column(c));  // every member starts from the lead's value
    }
  }

  // Rows and their entries.
  const std::size_t rows = equations.size() - s.m_compressed.size();
  std::size_t rowTerms = 0;
  for (int e = 0; e < eqs.Count(); ++e)
    if (rowKept[static_cast<std::size_t>(e)]) rowTerms += static_cast<std::size_t>(eqs.TermCount(e));
  ReserveLarge(s.m_rowEquation, rows);
  ReserveLarge(s.m_rowStart, rows + 1);
  ReserveLarge(s.m_termEntryStart, rows + 1);
  ReserveLarge(s.m_termEntry, rowTerms);
  ReserveLarge(s.m_entryColumn, rowTerms);  // a row has at most an entry a term
  for (int e = 0; e < eqs.Count(); ++e) {
    if (!rowKept[static_cast<std::size_t>(e)]) continue;
    s.m_rowEquation.push_back(e);
    const int first = static_cast<int>(s.m_entryColumn.size());
    for (int k = 0; k < eqs.TermCount(e); ++k) {
      const int column = s.m_termColumn[static_cast<std::size_t>(eqs.Terms(e)[k])];
      int entry = -1;
      if (column >= 0) {
        for (int j = first; j < static_cast<int>(s.m_entryColumn.size()); ++j)
          if (s.m_entryColumn[static_cast<std::size_t>(j)] == column) entry = j;
        if (entry < 0) {
          entry = static_cast<int>(s.m_entryColumn.size());
          s.m_entryColumn.push_back(column);
        }
      }
      s.m_termEntry.push_back(entry);
    }
    s.m_rowStart.push_back(static_cast<int>(s.m_entryColumn.size()));
    s.m_termEntryStart.push_back(static_cast<int>(s.m_termEntry.size()));
  }
  s.m_scratch.resize(2 * static_cast<std::size_t>(eqs.MaxNodes()) + 2);
  s.m_termGradient.resize(static_cast<std::size_t>(eqs.MaxTerms()) + 1);
  s.m_linearScratch.resize(static_cast<std::size_t>(eqs.MaxNodes()) + 1);
  s.m_linearFlags.resize(static_cast<std::size_t>(eqs.MaxTerms()) + 1);

  // The pattern by columns, and which rows are affine in all their unknowns.
  const std::size_t entries = s.m_entryColumn.size();
  AssignLarge(s.m_columnStarts, static_cast<std::size_t>(columns) + 1, 0);
  for (int column : s.m_entryColumn) ++s.m_columnStarts[static_cast<std::size_t>(column) + 1];
  for (int c = 0; c < columns; ++c)
    s.m_columnStarts[static_cast<std::size_t>(c) + 1] += s.m_columnStarts[static_cast<std::size_t>(c)];
  AssignLarge(s.m_columnRows, entries, 0);
  std::vector<int> next(s.m_columnStarts.begin(), s.m_columnStarts.end() - 1);
  AssignLarge(s.m_rowLinear, s.m_rowEquation.size(), std::uint8_t{0});
  AssignLarge(s.m_rowAffineEntries, s.m_rowEquation.size(), std::uint32_t{0});
  for (int r = 0; r < s.RowCount(); ++r) {
    for (int e = s.RowStart(r); e < s.RowStart(r + 1); ++e)
      s.m_columnRows[static_cast<std::size_t>(next[static_cast<std::size_t>(s.m_entryColumn[static_cast<std::size_t>(e)])]++)] = r;
    const int equation = s.RowEquation(r);
    const int* entriesOfTerms = s.TermEntries(r);
    for (int k = 0; k < eqs.TermCount(equation); ++k) s.m_linearFlags[static_cast<std::size_t>(k)] = entriesOfTerms[k] >= 0;
    s.m_rowLinear[static_cast<std::size_t>(r)] = eqs.Linearity(equation, s.m_linearFlags.data(), s.m_linearScratch.data()) < 2;
    if (s.m_rowLinear[static_cast<std::size_t>(r)]) continue;
    // A non-linear row is asked later about one unknown at a time (a group of one): answered here, in row order.
    std::uint32_t affine = 0;
    const int firstEntry = s.RowStart(r);
    for (int e = firstEntry; e < s.RowStart(r + 1) && e - firstEntry < 32; ++e) {
      for (int k = 0; k < eqs.TermCount(equation); ++k)
        s.m_linearFlags[static_cast<std::size_t>(k)] = entriesOfTerms[k] == e;
      if (eqs.Linearity(equation, s.m_linearFlags.data(), s.m_linearScratch.data()) < 2)
        affine |= 1u << (e - firstEntry);
    }
    s.m_rowAffineEntries[static_cast<std::size_t>(r)] = affine;
  }
  return system;
}

double CEquationSystem::Column(int column) const {
  const int key = Members(column)[0];
  return TermIsDerivative(key) ? m_derivatives[static_cast<std::size_t>(TermVariable(key))]
                               : m_values[static_cast<std::size_t>(TermVariable(key))];
}

void CEquationSystem::SetColumn(int column, double value) {
  for (int m = 0; m < MemberCount(column); ++m) {
    const int key = Members(column)[m];
    (TermIsDerivative(key) ? m_derivatives : m_values)[static_cast<std::size_t>(TermVariable(key))] = value;
  }
}

bool CEquationSystem::EvaluateRow(int row, double& residual, double* gradient) const {
  const int equation = RowEquation(row);
  if (!m_equations->Evaluate(equation, m_values.data(), m_derivatives.data(), m_scratch.data(), &residual,
                             gradient ? m_termGradient.data() : nullptr))
    return false;
  if (!gradient) return true;
  const int first = RowStart(row);
  std::fill(gradient, gradient + (RowStart(row + 1) - first), 0.0);
  const int* entries = TermEntries(row);
  for (int k = 0; k < m_equations->TermCount(equation); ++k)
    if (entries[k] >= 0) gradient[entries[k] - first] += m_termGradient[static_cast<std::size_t>(k)];
  return true;
}

bool CEquationSystem::EvaluateTerms(int row, double& residual, double* termGradient) const {
  return m_equations->Evaluate(RowEquation(row), m_values.data(), m_derivatives.data(), m_scratch.data(), &residual,
                               termGradient);
}

void CEquationSystem::SetDynamicPoint(const double* y, const double* yp) {
  for (int c = 0; c < ColumnCount(); ++c)
    for (int m = 0; m < MemberCount(c); ++m) {
      const std::size_t v = static_cast<std::size_t>(TermVariable(Members(c)[m]));
      m_values[v] = y[c];
      m_derivatives[v] = yp[c];
    }
}

bool CEquationSystem::IsLinearInColumn(int row, int column) const {
  if (RowIsLinear(row)) return true;
  const int first = RowStart(row);
  for (int e = first; e < RowStart(row + 1); ++e)
    if (EntryColumn(e) == column) return IsLinearInEntry(row, e);
  return true;
}

bool CEquationSystem::IsLinearIn(int row, const std::vector<std::uint8_t>& columnFlags, std::uint8_t flag) const {
  if (RowIsLinear(row)) return true;
  // One flagged column: the answer was kept when the system was made.
  int flagged = -1, count = 0;
  for (int e = RowStart(row); e < RowStart(row + 1); ++e)
    if (columnFlags[static_cast<std::size_t>(EntryColumn(e))] == flag) {
      flagged = e;
      ++count;
    }
  if (count == 0) return true;
  if (count == 1) return IsLinearInEntry(row, flagged);
  const int equation = RowEquation(row);
  const int* entries = TermEntries(row);
  std::uint8_t* unknown = m_linearFlags.data();
  for (int k = 0; k < m_equations->TermCount(equation); ++k)
    unknown[static_cast<std::size_t>(k)] =
        entries[k] >= 0 && columnFlags[static_cast<std::size_t>(EntryColumn(entries[k]))] == flag;
  return m_equations->Linearity(equation, unknown, m_linearScratch.data()) < 2;
}

bool CEquationSystem::IsLinearInEntry(int row, int entry) const {
  const int at = entry - RowStart(row);
  if (at < 32) return (m_rowAffineEntries[static_cast<std::size_t>(row)] >> at) & 1u;
  const int equation = RowEquation(row);
  const int* entries = TermEntries(row);
  std::uint8_t* unknown = m_linearFlags.data();
  for (int k = 0; k < m_equations->TermCount(equation); ++k) unknown[static_cast<std::size_t>(k)] = entries[k] == entry;
  return m_equations->Linearity(equation, unknown, m_linearScratch.data()) < 2;
}

void CEquationSystem::Publish(CFlowsheet& flowsheet) const {
  std::vector<InstanceVariable>& variables = flowsheet.Variables();
  if (variables.size() != m_values.size()) return;  // not the flowsheet this system was made from
  if (m_runMode == ZN_RUN_STEADY_STATE)
    for (InstanceVariable& v : variables)
      if (v.state) v.derivative = 0.0;  // at rest
  for (int c = 0; c < ColumnCount(); ++c)
    for (int m = 0; m < MemberCount(c); ++m) {
      const int key = Members(c)[m];
      InstanceVariable& v = variables[static_cast<std::size_t>(TermVariable(key))];
      if (TermIsDerivative(key))
        v.derivative = m_derivatives[static_cast<std::size_t>(TermVariable(key))];
      else
        v.value = m_values[static_cast<std::size_t>(TermVariable(key))];
    }
}

std::string CEquationSystem::TermName(int key) const {
  const std::string& path = m_flowsheet->Variables()[static_cast<std::size_t>(TermVariable(key))].path;
  return TermIsDerivative(key) ? path + ".Derivative" : path;
}

std::string CEquationSystem::EquationName(int equation) const {
  return m_flowsheet->Equations()[static_cast<std::size_t>(equation)].name;
}

std::size_t CEquationSystem::Bytes() const {
  const auto ints = [](const std::vector<int>& v) { return v.capacity() * sizeof(int); };
  return m_equations->Bytes() + ints(m_rowEquation) + ints(m_rowStart) + ints(m_entryColumn) + ints(m_termEntryStart) +
         ints(m_termEntry) + ints(m_termColumn) + ints(m_columnStarts) + ints(m_columnRows) + m_rowLinear.capacity() + m_rowAffineEntries.capacity() * sizeof(std::uint32_t) + ints(m_memberStart) + ints(m_members) + ints(m_columnEquivalence) +
         (m_columnLower.capacity() + m_columnUpper.capacity() + m_values.capacity() + m_derivatives.capacity()) *
             sizeof(double);
}
