// The flowsheet as F(t, y, y') = 0 for the integrator: y are the variables
// not Fixed, y' their time derivatives (those of states appear in the
// equations; a Fixed variable's derivative is 0), the Jacobian
// dF/dy + alpha dF/dy' exact from the compiled equations.
#include <algorithm>

#include "host/diagnostics/IZNDecomposition.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/solver/Decomposition.h"
#include "workbench/solver/EquationSystem.h"
#include "workbench/solver/FlowsheetSolver.h"

namespace {

class CFlowsheetDae : public IDaeSystem {
 public:
  CFlowsheetDae(CFlowsheet& flowsheet, std::unique_ptr<CEquationSystem> system)
      : m_flowsheet(flowsheet), m_system(std::move(system)), m_variableCount(flowsheet.Variables().size()) {
    const CEquationSystem& s = *m_system;
    const int columns = s.ColumnCount();
    m_columnStarts.assign(static_cast<std::size_t>(columns) + 1, 0);
    for (int e = 0; e < s.EntryCount(); ++e) ++m_columnStarts[static_cast<std::size_t>(s.EntryColumn(e)) + 1];
    for (int c = 0; c < columns; ++c)
      m_columnStarts[static_cast<std::size_t>(c) + 1] += m_columnStarts[static_cast<std::size_t>(c)];
    m_rows.resize(static_cast<std::size_t>(s.EntryCount()));
    m_entryPosition.resize(static_cast<std::size_t>(s.EntryCount()));
    std::vector<int> next(m_columnStarts.begin(), m_columnStarts.end() - 1);
    for (int r = 0; r < s.RowCount(); ++r)
      for (int e = s.RowStart(r); e < s.RowStart(r + 1); ++e) {
        const int at = next[static_cast<std::size_t>(s.EntryColumn(e))]++;
        m_rows[static_cast<std::size_t>(at)] = r;
        m_entryPosition[static_cast<std::size_t>(e)] = at;
      }
    m_termGradient.resize(static_cast<std::size_t>(s.Equations().MaxTerms()) + 1);
  }

  int Size() const override { return m_system->ColumnCount(); }

  bool IsDifferential(int unknown) const override {
    if (unknown < 0 || unknown >= Size()) return false;
    const int variable = TermVariable(m_system->Members(unknown)[0]);
    return m_flowsheet.Variables()[static_cast<std::size_t>(variable)].state;
  }

  std::string UnknownName(int unknown) const override {
    return unknown < 0 || unknown >= Size() ? std::string() : m_system->TermName(m_system->Members(unknown)[0]);
  }

  void StartingPoint(std::vector<double>& y, std::vector<double>& yp) const override {
    y.assign(static_cast<std::size_t>(Size()), 0.0);
    yp.assign(static_cast<std::size_t>(Size()), 0.0);
    for (int c = 0; c < Size(); ++c) {
      const std::size_t v = static_cast<std::size_t>(TermVariable(m_system->Members(c)[0]));
      y[static_cast<std::size_t>(c)] = m_system->Values()[v];
      if (IsDifferential(c)) yp[static_cast<std::size_t>(c)] = m_system->Derivatives()[v];
    }
  }

  bool Residual(double, const double* y, const double* yp, double* residual) const override {
    m_system->SetDynamicPoint(y, yp);
    for (int r = 0; r < m_system->RowCount(); ++r)
      if (!m_system->EvaluateRow(r, residual[r], nullptr)) return false;
    return true;
  }

  void JacobianPattern(std::vector<int>& columnStarts, std::vector<int>& rows) const override {
    columnStarts = m_columnStarts;
    rows = m_rows;
  }

  bool Jacobian(double, double alpha, const double* y, const double* yp, double* values) const override {
    m_system->SetDynamicPoint(y, yp);
    std::fill(values, values + m_rows.size(), 0.0);
    const CCompiledEquations& equations = m_system->Equations();
    for (int r = 0; r < m_system->RowCount(); ++r) {
      double residual = 0.0;
      if (!m_system->EvaluateTerms(r, residual, m_termGradient.data())) return false;
      const int equation = m_system->RowEquation(r);
      const int* entries = m_system->TermEntries(r);
      for (int k = 0; k < equations.TermCount(equation); ++k) {
        if (entries[k] < 0) continue;
        const double slope = m_termGradient[static_cast<std::size_t>(k)];
        values[m_entryPosition[static_cast<std::size_t>(entries[k])]] +=
            TermIsDerivative(equations.Terms(equation)[k]) ? alpha * slope : slope;
      }
    }
    return true;
  }

  void Publish(double, const double* y, const double* yp) override {
    std::vector<InstanceVariable>& variables = m_flowsheet.Variables();
    if (variables.size() != m_variableCount) return;  // the flowsheet was rebuilt meanwhile
    for (int c = 0; c < Size(); ++c) {
      InstanceVariable& v = variables[static_cast<std::size_t>(TermVariable(m_system->Members(c)[0]))];
      v.value = y[c];
      if (v.state) v.derivative = yp[c];
    }
  }

 private:
  CFlowsheet& m_flowsheet;
  std::unique_ptr<CEquationSystem> m_system;
  std::size_t m_variableCount;
  std::vector<int> m_columnStarts, m_rows, m_entryPosition;
  mutable std::vector<double> m_termGradient;
};

}  // namespace

std::unique_ptr<IDaeSystem> MakeFlowsheetDae(CFlowsheet& flowsheet, const CSolverOptions&, std::string& problem) {
  std::vector<std::string> messages;
  std::unique_ptr<CEquationSystem> system = CEquationSystem::Make(flowsheet, ZN_RUN_DYNAMIC, false, messages);
  if (system) {
    if (system->RowCount() == 0)
      messages.push_back("the flowsheet has no equations");
    else
      CDecomposition::Make(*system, messages);  // names what is over- or under-specified
  }
  if (!messages.empty()) {
    problem.clear();
    for (const std::string& message : messages) problem += (problem.empty() ? "" : "\n") + message;
    return nullptr;
  }
  return std::make_unique<CFlowsheetDae>(flowsheet, std::move(system));
}
