// The structural decomposition of an equation system: SuiteSparse's BTF
// (maximum transversal, then strongly connected components) puts the
// Jacobian's pattern into block triangular form; each diagonal block is a
// group, and the groups are solved one after another in order. A system
// whose pattern has no full transversal is split first (Dulmage-Mendelsohn):
// the over-specified part (more equations than unknowns) comes first and the
// under-specified part (more unknowns than equations) last, each as one group
// that cannot be solved; the rest is decomposed as usual.
//
// Groups are classified by how their equations depend on the group's own
// unknowns (unknowns of earlier groups are known by then):
//   explicit          one equation, affine in its unknown: one evaluation solves it
//   linear            several equations, all affine in the group's unknowns
//   single non-linear one equation, non-linear in its unknown
//   non-linear        several equations, some non-linear
//   torn              a non-linear group of more than kTearThreshold equations:
//                     tear variables are chosen (greedily, the unknown used by
//                     most equations of a remaining cycle) until the rest of the
//                     group can be solved one equation at a time; those become
//                     its sub-groups
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CEquationSystem;

class CDecomposition {
 public:
  static constexpr int kTearThreshold = 8;

  // messages receive what makes the system structurally singular, naming equations and variables.
  static CDecomposition Make(const CEquationSystem& system, std::vector<std::string>& messages);
  // The plain BTF ordering of a square pattern in compressed columns, for comparison (benchmarks);
  // returns the number of blocks.
  static int BlockTriangularOrder(int n, std::vector<int>& columnStarts, std::vector<int>& rows);

  int GroupCount() const { return static_cast<int>(m_type.size()); }
  int Type(int group) const { return m_type[static_cast<std::size_t>(group)]; }  // ZN_GROUP_*
  // A group of the over- or under-specified part: it cannot be solved.
  bool Singular(int group) const { return m_singular[static_cast<std::size_t>(group)] != 0; }
  int RowCount(int group) const { return m_rowStart[static_cast<std::size_t>(group) + 1] - m_rowStart[static_cast<std::size_t>(group)]; }
  const int* Rows(int group) const { return m_rows.data() + m_rowStart[static_cast<std::size_t>(group)]; }
  int ColumnCount(int group) const {
    return m_columnStart[static_cast<std::size_t>(group) + 1] - m_columnStart[static_cast<std::size_t>(group)];
  }
  // In a square group, Columns(g)[i] is the unknown Rows(g)[i] is matched to (solved for).
  const int* Columns(int group) const { return m_columns.data() + m_columnStart[static_cast<std::size_t>(group)]; }
  int NonZeros(int group) const { return m_nonZeros[static_cast<std::size_t>(group)]; }
  // The group (0-based) that solves a column.
  int GroupOfColumn(int column) const { return m_columnGroup[static_cast<std::size_t>(column)]; }

  struct Torn {
    int group = 0;
    std::vector<int> tearColumns;   // guessed, and corrected by the residual rows
    std::vector<int> residualRows;  // the rows the torn columns were matched to
    // The rest solved in order, one row for one column each.
    std::vector<int> subRows, subColumns;
    std::vector<std::uint8_t> subTypes;  // ZN_GROUP_EXPLICIT or ZN_GROUP_SINGLE_NONLINEAR
  };
  const std::vector<Torn>& TornGroups() const { return m_torn; }
  const Torn* FindTorn(int group) const;

  int LargestGroup() const;
  std::size_t Bytes() const;

 private:
  void AddGroup(bool singular, const int* rows, int rowCount, const int* columns, int columnCount);
  // Classifies a group of several equations, or one of the over- or under-specified part.
  void Classify(const CEquationSystem& system, int group, std::vector<std::uint8_t>& marks);
  void Tear(const CEquationSystem& system, int group, std::vector<std::uint8_t>& marks);

  std::vector<std::uint8_t> m_type, m_singular;
  std::vector<int> m_rowStart{0}, m_rows, m_columnStart{0}, m_columns, m_nonZeros, m_columnGroup;
  std::vector<Torn> m_torn;  // in group order
};
