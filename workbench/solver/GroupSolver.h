// Solving one group of a decomposition for its unknowns, the unknowns of
// earlier groups held at their values: damped Newton on the exact Jacobian,
// the linear step by SuiteSparse's KLU (a scalar division for a group of one
// equation), every step cut back into the unknowns' bounds and halved until
// the residuals' norm falls. An explicit or linear group converges in one
// step; the others within the iteration limit or not at all.
#pragma once

#include <string>
#include <vector>

class CEquationSystem;

struct NewtonSettings {
  double absoluteTolerance = 1e-7;  // on every residual, in the equation's own units
  int maxIterations = 50;
  int maxStepHalvings = 12;
};

struct GroupSolveResult {
  bool converged = false;
  int iterations = 0;
  double largestResidual = 0.0;
  int worstRow = -1;              // the row with the largest residual
  std::vector<int> problemColumns;  // when it failed: the unknowns most in trouble
  std::string problem;              // when it failed: why
};

class CGroupSolver {
 public:
  CGroupSolver(CEquationSystem& system, NewtonSettings settings);
  ~CGroupSolver();
  CGroupSolver(const CGroupSolver&) = delete;
  CGroupSolver& operator=(const CGroupSolver&) = delete;

  // rows[i] and columns[i] for i < size: a square group.
  GroupSolveResult Solve(const int* rows, const int* columns, int size);

 private:
  GroupSolveResult SolveOne(int row, int column);
  // Residuals (and the Jacobian's values in the group's column order when values is not null); false when
  // an equation cannot be evaluated.
  bool Evaluate(const int* rows, int size, std::vector<double>& residuals, std::vector<double>* values);
  void Fail(GroupSolveResult& result, const int* columns, int size, const std::vector<double>& step,
            std::string problem) const;
  double Clip(int column, double value) const;

  CEquationSystem& m_system;
  NewtonSettings m_settings;
  std::vector<int> m_local;        // by column: position in the group, -1 outside it
  std::vector<int> m_entryValue;   // by row entry of the group's rows: position in the Jacobian's values
  std::vector<double> m_gradient;  // one row's gradient
  std::vector<double> m_oneStep;   // a group of one's last step (kept, not made again for every group)
  std::vector<int> m_starts, m_rows;
};
