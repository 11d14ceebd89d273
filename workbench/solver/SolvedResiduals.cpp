#include "workbench/solver/SolvedResiduals.h"

#include "workbench/simulation/Flowsheet.h"

CSolvedResiduals::CSolvedResiduals(std::shared_ptr<const CCompiledEquations> compiled, std::vector<int> equations,
                                   std::vector<double> values, std::vector<double> derivatives, bool steady)
    : m_compiled(std::move(compiled)),
      m_equations(std::move(equations)),
      m_values(std::move(values)),
      m_derivatives(std::move(derivatives)),
      m_steady(steady),
      m_scratch(2 * static_cast<std::size_t>(m_compiled->MaxNodes()) + 2) {}

bool CSolvedResiduals::TakeValues(const CFlowsheet& flowsheet) {
  const std::vector<InstanceVariable>& variables = flowsheet.Variables();
  if (variables.size() != m_values.size()) return false;
  for (std::size_t i = 0; i < variables.size(); ++i) {
    m_values[i] = variables[i].value;
    m_derivatives[i] = m_steady || variables[i].spec == VariableSpec::Fixed ? 0.0 : variables[i].derivative;
  }
  return true;
}

bool CSolvedResiduals::Residual(int equation, double& residual) const {
  if (!Valid(equation)) return false;
  return m_compiled->Evaluate(m_equations[static_cast<std::size_t>(equation)], m_values.data(), m_derivatives.data(),
                              m_scratch.data(), &residual, nullptr);
}

std::string CSolvedResiduals::ResidualText(int equation) const {
  double residual = 0.0;
  return Residual(equation, residual) ? NumberText(residual) : "Not available";
}

std::string CSolvedResiduals::LongResidualText(int equation) const {
  if (!Valid(equation)) return {};
  return m_compiled->WithValues(m_equations[static_cast<std::size_t>(equation)], m_values.data(), m_derivatives.data());
}
