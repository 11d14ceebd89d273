#include "workbench/solver/GroupSolver.h"

#include <klu.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "workbench/solver/EquationSystem.h"

namespace {

// The unknowns named as the trouble of a group that failed.
constexpr std::size_t kProblemColumns = 3;

double SquaredNorm(const std::vector<double>& v) { return std::inner_product(v.begin(), v.end(), v.begin(), 0.0); }

// The factorisation of one group's Jacobian: the pattern analysed once, factored at every step.
class CKluFactor {
 public:
  CKluFactor() { klu_defaults(&m_common); }
  ~CKluFactor() {
    if (m_numeric) klu_free_numeric(&m_numeric, &m_common);
    if (m_symbolic) klu_free_symbolic(&m_symbolic, &m_common);
  }
  CKluFactor(const CKluFactor&) = delete;
  CKluFactor& operator=(const CKluFactor&) = delete;

  // Solves J x = rhs in place; false when J is singular.
  bool Solve(int n, std::vector<int>& starts, std::vector<int>& rows, std::vector<double>& values,
             std::vector<double>& rhs) {
    if (!m_symbolic) m_symbolic = klu_analyze(n, starts.data(), rows.data(), &m_common);
    if (!m_symbolic) return false;
    if (m_numeric) klu_free_numeric(&m_numeric, &m_common);
    m_numeric = klu_factor(starts.data(), rows.data(), values.data(), m_symbolic, &m_common);
    if (!m_numeric || m_common.status != KLU_OK) return false;
    return klu_solve(m_symbolic, m_numeric, n, 1, rhs.data(), &m_common) != 0 && m_common.status == KLU_OK;
  }

 private:
  klu_common m_common;
  klu_symbolic* m_symbolic = nullptr;
  klu_numeric* m_numeric = nullptr;
};

}  // namespace

CGroupSolver::CGroupSolver(CEquationSystem& system, NewtonSettings settings)
    : m_system(system),
      m_settings(settings),
      m_local(static_cast<std::size_t>(system.ColumnCount()), -1),
      m_entryValue(static_cast<std::size_t>(system.EntryCount()), -1),
      m_gradient(static_cast<std::size_t>(system.Equations().MaxTerms()) + 1) {}

CGroupSolver::~CGroupSolver() = default;

double CGroupSolver::Clip(int column, double value) const {
  return std::min(std::max(value, m_system.Lower(column)), m_system.Upper(column));
}

void CGroupSolver::Fail(GroupSolveResult& result, const int* columns, int size, const std::vector<double>& step,
                        std::string problem) const {
  result.converged = false;
  result.problem = std::move(problem);
  std::vector<int> order(static_cast<std::size_t>(size));
  std::iota(order.begin(), order.end(), 0);
  // The unknowns the last step wanted to move most, relative to their size.
  const auto weight = [&](int i) {
    const double x = m_system.Column(columns[i]);
    return step.empty() ? 0.0 : std::fabs(step[static_cast<std::size_t>(i)]) / std::max(1.0, std::fabs(x));
  };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return weight(a) > weight(b); });
  for (std::size_t k = 0; k < order.size() && k < kProblemColumns; ++k)
    if (!step.empty() && weight(order[k]) > 0.0) result.problemColumns.push_back(columns[order[k]]);
  if (result.problemColumns.empty() && result.worstRow >= 0) {
    // No step to go by: the unknowns of the worst equation.
    for (int e = m_system.RowStart(result.worstRow); e < m_system.RowStart(result.worstRow + 1); ++e) {
      const int column = m_system.EntryColumn(e);
      if (std::find(columns, columns + size, column) != columns + size && result.problemColumns.size() < kProblemColumns)
        result.problemColumns.push_back(column);
    }
  }
  if (result.problemColumns.empty() && size > 0) result.problemColumns.push_back(columns[0]);
}

GroupSolveResult CGroupSolver::SolveOne(int row, int column) {
  GroupSolveResult result;
  result.worstRow = row;
  int entry = -1;
  for (int e = m_system.RowStart(row); e < m_system.RowStart(row + 1); ++e)
    if (m_system.EntryColumn(e) == column) entry = e - m_system.RowStart(row);
  double residual = 0.0;
  std::vector<double>& step = m_oneStep;
  step.clear();
  for (int iteration = 0;; ++iteration) {
    result.iterations = iteration;
    const bool derivative = m_system.EvaluateRow(row, residual, m_gradient.data());
    if (!derivative && !m_system.EvaluateRow(row, residual, nullptr)) {
      Fail(result, &column, 1, step, "the equation cannot be evaluated at these values");
      return result;
    }
    result.largestResidual = std::fabs(residual);
    if (result.largestResidual <= m_settings.absoluteTolerance) {
      result.converged = true;  // also where the derivative is infinite, as sqrt's at 0
      return result;
    }
    if (!derivative) {
      Fail(result, &column, 1, step, "the equation's derivative cannot be evaluated at these values");
      return result;
    }
    if (iteration >= m_settings.maxIterations) break;
    const double slope = entry >= 0 ? m_gradient[static_cast<std::size_t>(entry)] : 0.0;
    if (slope == 0.0) {
      Fail(result, &column, 1, step, "the equation does not depend on its unknown here (zero derivative)");
      return result;
    }
    const double x = m_system.Column(column), full = -residual / slope;
    step.assign(1, full);
    double lambda = 1.0;
    bool improved = false;
    for (int h = 0; h <= m_settings.maxStepHalvings; ++h, lambda *= 0.5) {
      m_system.SetColumn(column, Clip(column, x + lambda * full));
      double trial = 0.0;
      if (m_system.EvaluateRow(row, trial, nullptr) && std::fabs(trial) < std::fabs(residual)) {
        improved = true;
        break;
      }
    }
    if (!improved) {
      m_system.SetColumn(column, x);
      Fail(result, &column, 1, step,
           Clip(column, x + full) == x + full ? "no step reduces the residual"
                                              : "no step within the bounds reduces the residual");
      return result;
    }
  }
  Fail(result, &column, 1, step, "not converged in " + std::to_string(m_settings.maxIterations) + " iterations");
  return result;
}

bool CGroupSolver::Evaluate(const int* rows, int size, std::vector<double>& residuals, std::vector<double>* values) {
  residuals.resize(static_cast<std::size_t>(size));
  if (values) std::fill(values->begin(), values->end(), 0.0);
  for (int i = 0; i < size; ++i) {
    const int row = rows[i];
    double& r = residuals[static_cast<std::size_t>(i)];
    if (!m_system.EvaluateRow(row, r, values ? m_gradient.data() : nullptr)) return false;
    if (!values) continue;
    const int first = m_system.RowStart(row);
    for (int e = first; e < m_system.RowStart(row + 1); ++e) {
      const int at = m_entryValue[static_cast<std::size_t>(e)];
      if (at >= 0) (*values)[static_cast<std::size_t>(at)] += m_gradient[static_cast<std::size_t>(e - first)];
    }
  }
  return true;
}

GroupSolveResult CGroupSolver::Solve(const int* rows, const int* columns, int size) {
  if (size == 1) return SolveOne(rows[0], columns[0]);
  GroupSolveResult result;
  // The group's Jacobian pattern in compressed columns; each row entry knows its place.
  for (int i = 0; i < size; ++i) m_local[static_cast<std::size_t>(columns[i])] = i;
  m_starts.assign(static_cast<std::size_t>(size) + 1, 0);
  for (int i = 0; i < size; ++i)
    for (int e = m_system.RowStart(rows[i]); e < m_system.RowStart(rows[i] + 1); ++e) {
      const int j = m_local[static_cast<std::size_t>(m_system.EntryColumn(e))];
      if (j >= 0) ++m_starts[static_cast<std::size_t>(j) + 1];
    }
  for (int j = 0; j < size; ++j) m_starts[static_cast<std::size_t>(j) + 1] += m_starts[static_cast<std::size_t>(j)];
  m_rows.resize(static_cast<std::size_t>(m_starts.back()));
  {
    std::vector<int> next(m_starts.begin(), m_starts.end() - 1);
    for (int i = 0; i < size; ++i)
      for (int e = m_system.RowStart(rows[i]); e < m_system.RowStart(rows[i] + 1); ++e) {
        const int j = m_local[static_cast<std::size_t>(m_system.EntryColumn(e))];
        if (j < 0) {
          m_entryValue[static_cast<std::size_t>(e)] = -1;
          continue;
        }
        const int at = next[static_cast<std::size_t>(j)]++;
        m_rows[static_cast<std::size_t>(at)] = i;
        m_entryValue[static_cast<std::size_t>(e)] = at;
      }
  }
  for (int i = 0; i < size; ++i) m_local[static_cast<std::size_t>(columns[i])] = -1;

  CKluFactor factor;
  std::vector<double> residuals, trial, values(m_rows.size()), step, start(static_cast<std::size_t>(size));
  const auto worst = [&](const std::vector<double>& r) {
    const auto at = std::max_element(r.begin(), r.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    result.worstRow = rows[at - r.begin()];
    result.largestResidual = std::fabs(*at);
  };
  for (int iteration = 0;; ++iteration) {
    result.iterations = iteration;
    const bool derivatives = Evaluate(rows, size, residuals, &values);
    if (!derivatives && !Evaluate(rows, size, residuals, nullptr)) {
      Fail(result, columns, size, step, "an equation cannot be evaluated at these values");
      return result;
    }
    worst(residuals);
    if (result.largestResidual <= m_settings.absoluteTolerance) {
      result.converged = true;  // also where a derivative is infinite, as sqrt's at 0
      return result;
    }
    if (!derivatives) {
      Fail(result, columns, size, step, "an equation's derivative cannot be evaluated at these values");
      return result;
    }
    if (iteration >= m_settings.maxIterations) break;
    step.resize(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) step[static_cast<std::size_t>(i)] = -residuals[static_cast<std::size_t>(i)];
    if (!factor.Solve(size, m_starts, m_rows, values, step)) {
      step.clear();
      Fail(result, columns, size, step, "the Jacobian is singular here");
      return result;
    }
    for (int i = 0; i < size; ++i) start[static_cast<std::size_t>(i)] = m_system.Column(columns[i]);
    const double norm = SquaredNorm(residuals);
    double lambda = 1.0;
    bool improved = false;
    for (int h = 0; h <= m_settings.maxStepHalvings; ++h, lambda *= 0.5) {
      for (int i = 0; i < size; ++i)
        m_system.SetColumn(columns[i],
                           Clip(columns[i], start[static_cast<std::size_t>(i)] + lambda * step[static_cast<std::size_t>(i)]));
      if (Evaluate(rows, size, trial, nullptr) && SquaredNorm(trial) < norm) {
        improved = true;
        break;
      }
    }
    if (!improved) {
      for (int i = 0; i < size; ++i) m_system.SetColumn(columns[i], start[static_cast<std::size_t>(i)]);
      Fail(result, columns, size, step, "no step within the bounds reduces the residuals");
      return result;
    }
  }
  Fail(result, columns, size, step, "not converged in " + std::to_string(m_settings.maxIterations) + " iterations");
  return result;
}
