// The flowsheet's equations as one system for a run mode: every equation of
// every unit and every connection compiled, the unknowns (columns) the run
// mode leaves free, variables joined by plain equalities merged when
// compression is on, and the sparse pattern of the Jacobian by rows.
//
//   steady state    unknowns: every variable not Fixed; time derivatives are 0
//   initialization  unknowns: variables not Fixed, except states given Initial;
//                   the derivatives of states, except those given RateInitial
//   dynamic         unknowns: every variable not Fixed (a state's derivative
//                   goes with it as y'); see FlowsheetDae
// The derivative of a Fixed variable is 0 in every mode.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "workbench/solver/Expression.h"

class CFlowsheet;

class CEquationSystem {
 public:
  // Null when an equation cannot be compiled; every such equation is named in messages.
  static std::unique_ptr<CEquationSystem> Make(const CFlowsheet& flowsheet, int runMode, bool compression,
                                               std::vector<std::string>& messages);

  const CFlowsheet& Flowsheet() const { return *m_flowsheet; }
  int RunMode() const { return m_runMode; }
  const CCompiledEquations& Equations() const { return *m_equations; }
  // Shared with what must outlive this system (the residuals shown after a run).
  std::shared_ptr<const CCompiledEquations> SharedEquations() const { return m_equations; }

  // ---- rows: the equations solved (plain equalities compressed away are not among them) ----
  int RowCount() const { return static_cast<int>(m_rowEquation.size()); }
  int RowEquation(int row) const { return m_rowEquation[static_cast<std::size_t>(row)]; }
  // The row's distinct columns: entries RowStart(row) to RowStart(row + 1) - 1 of EntryColumn.
  int RowStart(int row) const { return m_rowStart[static_cast<std::size_t>(row)]; }
  int EntryColumn(int entry) const { return m_entryColumn[static_cast<std::size_t>(entry)]; }
  int EntryCount() const { return static_cast<int>(m_entryColumn.size()); }
  const std::vector<int>& RowStarts() const { return m_rowStart; }
  const std::vector<int>& EntryColumns() const { return m_entryColumn; }
  // The pattern by columns: rows ColumnRows()[ColumnStarts()[c] .. ColumnStarts()[c + 1] - 1], ascending.
  const std::vector<int>& ColumnStarts() const { return m_columnStarts; }
  const std::vector<int>& ColumnRows() const { return m_columnRows; }
  // True when the row's equation is affine in all its unknowns (so in any of them).
  bool RowIsLinear(int row) const { return m_rowLinear[static_cast<std::size_t>(row)] != 0; }
  // The entry (global index) a term of a row's equation falls on; -1 for a known term.
  const int* TermEntries(int row) const {
    return m_termEntry.data() + m_termEntryStart[static_cast<std::size_t>(row)];
  }

  // ---- columns: the unknowns ----
  int ColumnCount() const { return static_cast<int>(m_columnLower.size()); }
  // Term keys of the variables a column stands for (more than one in an equivalence); the first leads.
  const int* Members(int column) const { return m_members.data() + m_memberStart[static_cast<std::size_t>(column)]; }
  int MemberCount(int column) const {
    return m_memberStart[static_cast<std::size_t>(column) + 1] - m_memberStart[static_cast<std::size_t>(column)];
  }
  int ColumnOfTerm(int key) const { return m_termColumn[static_cast<std::size_t>(key)]; }
  double Lower(int column) const { return m_columnLower[static_cast<std::size_t>(column)]; }
  double Upper(int column) const { return m_columnUpper[static_cast<std::size_t>(column)]; }
  // 1-based equivalence number of a column of several variables; 0 otherwise.
  int Equivalence(int column) const { return m_columnEquivalence[static_cast<std::size_t>(column)]; }
  int EquivalenceCount() const { return m_equivalenceCount; }
  // Equations that became equivalences (compression on).
  const std::vector<int>& CompressedEquations() const { return m_compressed; }

  // ---- values, indexed by flowsheet variable ----
  const std::vector<double>& Values() const { return m_values; }
  const std::vector<double>& Derivatives() const { return m_derivatives; }
  double Column(int column) const;
  void SetColumn(int column, double value);
  // The residual of a row; gradient (may be null) gets d residual / d column on the row's entries
  // (RowStart(row + 1) - RowStart(row) values). False when it cannot be evaluated here.
  bool EvaluateRow(int row, double& residual, double* gradient) const;
  // The residual of a row and its gradient by the terms of its equation (as CCompiledEquations::Terms).
  bool EvaluateTerms(int row, double& residual, double* termGradient) const;
  // Dynamic mode: the columns' values y and their time derivatives y' (a column that is no state ignores its y').
  void SetDynamicPoint(const double* y, const double* yp);
  // Asks for what the questions below read of a row to be brought into the cache.
  void Prefetch(int row) const {
    const std::size_t r = static_cast<std::size_t>(row);
    __builtin_prefetch(&m_rowLinear[r]);
    __builtin_prefetch(&m_rowStart[r]);
    __builtin_prefetch(&m_rowAffineEntries[r]);
  }
  // Whether the row's equation is at most affine in one column alone.
  bool IsLinearInColumn(int row, int column) const;
  // Whether the row's equation is at most affine in the columns flagged in columnFlags.
  bool IsLinearIn(int row, const std::vector<std::uint8_t>& columnFlags, std::uint8_t flag) const;
  // Writes the unknowns back into the flowsheet's variables (values, and derivatives where unknown;
  // at steady state every state's derivative is 0).
  void Publish(CFlowsheet& flowsheet) const;

  // "T101.Level", "T101.Level.Derivative".
  std::string TermName(int key) const;
  std::string EquationName(int equation) const;
  std::size_t Bytes() const;

 private:
  CEquationSystem() = default;
  // Whether a non-linear row is at most affine in the column of one of its entries alone.
  bool IsLinearInEntry(int row, int entry) const;

  const CFlowsheet* m_flowsheet = nullptr;
  int m_runMode = 0;
  std::shared_ptr<CCompiledEquations> m_equations;
  std::vector<int> m_rowEquation;
  std::vector<int> m_rowStart{0};
  std::vector<int> m_entryColumn;
  std::vector<int> m_columnStarts, m_columnRows;
  std::vector<std::uint8_t> m_rowLinear;
  std::vector<std::uint32_t> m_rowAffineEntries;  // bit k: affine in the column of entry k alone (the first 32)
  std::vector<int> m_termEntryStart{0};
  std::vector<int> m_termEntry;
  std::vector<int> m_termColumn;  // by term key; -1 for known
  std::vector<int> m_memberStart{0};
  std::vector<int> m_members;
  std::vector<double> m_columnLower, m_columnUpper;
  std::vector<int> m_columnEquivalence;
  int m_equivalenceCount = 0;
  std::vector<int> m_compressed;
  std::vector<double> m_values, m_derivatives;
  mutable std::vector<double> m_scratch;
  mutable std::vector<double> m_termGradient;
  mutable std::vector<std::uint8_t> m_linearScratch;
  mutable std::vector<std::uint8_t> m_linearFlags;
};
