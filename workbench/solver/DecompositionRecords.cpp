#include "workbench/solver/DecompositionRecords.h"

#include <cstdint>

#include "host/diagnostics/IZNDecompGroup.h"
#include "host/store/TypeFlags.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/store/StoreType.h"
#include "workbench/solver/Decomposition.h"
#include "workbench/solver/EquationSystem.h"
#include "workbench/solver/SolvedResiduals.h"

namespace {

// A unit is shown unless its model, or the model of a hierarchy around it, is marked proprietary.
std::vector<std::uint8_t> VisibleUnits(const CFlowsheet& flowsheet) {
  const std::vector<FlowsheetUnit>& units = flowsheet.Units();
  std::vector<std::uint8_t> visible(units.size(), 1);
  for (std::size_t u = 0; u < units.size(); ++u) {
    const FlowsheetUnit& unit = units[u];
    const bool own = !unit.type || (unit.type->Flags() & FT_PROPRIETARY) == 0;
    const bool around = unit.parent < 0 || static_cast<std::size_t>(unit.parent) >= u ||
                        visible[static_cast<std::size_t>(unit.parent)];
    visible[u] = own && around;
  }
  return visible;
}

class CRecordBuilder {
 public:
  CRecordBuilder(const CEquationSystem& system, const CDecomposition& decomposition,
                 const std::vector<GroupOutcome>& outcomes, DecompositionRecord& record)
      : m_system(system),
        m_decomposition(decomposition),
        m_record(record),
        m_keyRecord(system.Values().size() * 2, -1),
        m_rowRecord(static_cast<std::size_t>(system.RowCount()), -1),
        m_problem(static_cast<std::size_t>(system.ColumnCount()), 0),
        m_subGroup(static_cast<std::size_t>(system.ColumnCount()), 0),
        m_torn(static_cast<std::size_t>(system.ColumnCount()), 0),
        m_visibleUnit(VisibleUnits(system.Flowsheet())) {
    for (const GroupOutcome& outcome : outcomes)
      for (int column : outcome.problemColumns) m_problem[static_cast<std::size_t>(column)] = 1;
    for (const CDecomposition::Torn& torn : decomposition.TornGroups()) {
      for (int column : torn.tearColumns) m_torn[static_cast<std::size_t>(column)] = 1;
      for (std::size_t k = 0; k < torn.subColumns.size(); ++k)
        m_subGroup[static_cast<std::size_t>(torn.subColumns[k])] = static_cast<int>(k) + 1;
    }
  }

  int Variable(int key) {
    int& index = m_keyRecord[static_cast<std::size_t>(key)];
    if (index >= 0) return index;
    index = static_cast<int>(m_record.variables.size());
    DecompVariableRecord variable;
    variable.name = m_system.TermName(key);
    variable.visible = m_visibleUnit[static_cast<std::size_t>(
        m_system.Flowsheet().Variables()[static_cast<std::size_t>(TermVariable(key))].unit)] != 0;
    const int column = m_system.ColumnOfTerm(key);
    if (column >= 0) {
      const std::size_t c = static_cast<std::size_t>(column);
      const int group = m_decomposition.GroupOfColumn(column) + 1;
      variable.equivalence = m_system.Equivalence(column);
      variable.groupIndex = m_torn[c] ? ZN_VARIABLE_TORN : group;
      variable.subGroupIndex = m_torn[c] ? group : m_subGroup[c];
      variable.problem = m_problem[c] != 0;
    }
    m_record.variables.push_back(std::move(variable));
    return index;
  }

  // The members of a column, as variable records, onto list.
  void ColumnVariables(int column, std::vector<int>& list) {
    for (int m = 0; m < m_system.MemberCount(column); ++m) list.push_back(Variable(m_system.Members(column)[m]));
  }

  int Equation(int row, int group, int solvedColumn) {
    const int equation = m_system.RowEquation(row);
    const CCompiledEquations& compiled = m_system.Equations();
    DecompEquationRecord record;
    record.name = m_system.EquationName(equation);
    record.visible =
        m_visibleUnit[static_cast<std::size_t>(m_system.Flowsheet().Equations()[static_cast<std::size_t>(equation)].unit)] != 0;
    const int terms = compiled.TermCount(equation);
    record.variables.reserve(static_cast<std::size_t>(terms));
    for (int k = 0; k < terms; ++k) {
      const int key = compiled.Terms(equation)[k];
      record.variables.push_back(Variable(key));
      const int column = m_system.ColumnOfTerm(key);
      if (column >= 0 && m_decomposition.GroupOfColumn(column) == group) ++record.activeVariableCount;
      if (column >= 0 && column == solvedColumn && record.solvedVariable < 0) record.solvedVariable = k;
    }
    record.elementCount = terms + compiled.NumberCount(equation);
    const int index = static_cast<int>(m_record.equations.size());
    m_record.equations.push_back(std::move(record));
    m_rowRecord[static_cast<std::size_t>(row)] = index;
    return index;
  }

  int RowRecord(int row) const { return m_rowRecord[static_cast<std::size_t>(row)]; }

 private:
  const CEquationSystem& m_system;
  const CDecomposition& m_decomposition;
  DecompositionRecord& m_record;
  std::vector<int> m_keyRecord;
  std::vector<int> m_rowRecord;
  std::vector<std::uint8_t> m_problem;
  std::vector<int> m_subGroup;
  std::vector<std::uint8_t> m_torn;
  std::vector<std::uint8_t> m_visibleUnit;

 public:
  bool Visible(int variableRecord) const { return m_record.variables[static_cast<std::size_t>(variableRecord)].visible; }
};

}  // namespace

DecompositionRecord MakeDecompositionRecord(const CEquationSystem& system, const CDecomposition& decomposition,
                                            const std::vector<GroupOutcome>& outcomes,
                                            std::vector<DecompEquivalenceRecord>& equivalences) {
  DecompositionRecord record;
  record.runMode = system.RunMode();
  record.variables.reserve(system.Values().size());
  record.equations.reserve(static_cast<std::size_t>(system.RowCount()));
  record.groups.reserve(static_cast<std::size_t>(decomposition.GroupCount()));
  CRecordBuilder build(system, decomposition, outcomes, record);
  for (int g = 0; g < decomposition.GroupCount(); ++g) {
    DecompGroupRecord group;
    group.type = decomposition.Type(g);
    group.number = g + 1;
    group.converged = g < static_cast<int>(outcomes.size()) && outcomes[static_cast<std::size_t>(g)].converged;
    group.nonZeros = decomposition.NonZeros(g);
    const bool square = !decomposition.Singular(g);
    for (int i = 0; i < decomposition.ColumnCount(g); ++i) build.ColumnVariables(decomposition.Columns(g)[i], group.variables);
    for (int i = 0; i < decomposition.RowCount(g); ++i)
      group.equations.push_back(build.Equation(decomposition.Rows(g)[i], g, square ? decomposition.Columns(g)[i] : -1));
    if (const CDecomposition::Torn* torn = decomposition.FindTorn(g)) {
      group.tornSize = static_cast<int>(torn->residualRows.size());
      group.firstUnconvergedSubGroup = group.converged || torn->subRows.empty() ? 0 : 1;
      for (std::size_t k = 0; k < torn->subRows.size(); ++k) {
        DecompGroupRecord sub;
        sub.type = torn->subTypes[k];
        sub.number = static_cast<int>(k) + 1;
        sub.converged = group.converged;
        sub.equations.push_back(build.RowRecord(torn->subRows[k]));
        build.ColumnVariables(torn->subColumns[k], sub.variables);
        const int row = torn->subRows[k];
        for (int e = system.RowStart(row); e < system.RowStart(row + 1); ++e)
          sub.nonZeros += decomposition.GroupOfColumn(system.EntryColumn(e)) == g ? 1 : 0;
        group.subGroups.push_back(std::move(sub));
      }
    }
    if (!group.converged && record.firstUnconvergedGroup == 0) record.firstUnconvergedGroup = group.number;
    record.groups.push_back(std::move(group));
  }
  record.converged = record.firstUnconvergedGroup == 0;

  equivalences.clear();
  for (int c = 0; c < system.ColumnCount(); ++c) {
    if (!system.Equivalence(c)) continue;
    DecompEquivalenceRecord equivalence;
    equivalence.number = system.Equivalence(c);
    build.ColumnVariables(c, equivalence.variables);
    equivalence.lowerBound = system.Lower(c);
    equivalence.upperBound = system.Upper(c);
    for (int v : equivalence.variables) equivalence.visible = equivalence.visible && build.Visible(v);
    equivalences.push_back(std::move(equivalence));
  }

  std::vector<int> recordEquations(record.equations.size());
  for (int r = 0; r < system.RowCount(); ++r)
    if (build.RowRecord(r) >= 0) recordEquations[static_cast<std::size_t>(build.RowRecord(r))] = system.RowEquation(r);
  record.residuals = std::make_shared<CSolvedResiduals>(system.SharedEquations(), std::move(recordEquations),
                                                        system.Values(), system.Derivatives(),
                                                        system.RunMode() == ZN_RUN_STEADY_STATE);
  return record;
}
