// The residuals of a decomposition's equations as the run left them: the
// compiled equations (shared with nothing that can change) and a copy of the
// values, so that they can be asked after the flowsheet was rebuilt.
#pragma once

#include <memory>
#include <vector>

#include "workbench/diagnostics/RunDiagnostics.h"
#include "workbench/solver/Expression.h"

class CFlowsheet;

class CSolvedResiduals : public IResidualSource {
 public:
  // equations: the compiled equation of each decomposition equation record, in record order;
  // steady: time derivatives are 0 whatever the flowsheet says.
  CSolvedResiduals(std::shared_ptr<const CCompiledEquations> compiled, std::vector<int> equations,
                   std::vector<double> values, std::vector<double> derivatives, bool steady);

  // Takes the flowsheet's current values (after a later run moved them); refused (false) for a
  // flowsheet with other variables than the one the residuals were made from.
  bool TakeValues(const CFlowsheet& flowsheet);

  bool Residual(int equation, double& residual) const override;
  std::string ResidualText(int equation) const override;
  std::string LongResidualText(int equation) const override;

 private:
  bool Valid(int equation) const { return equation >= 0 && equation < static_cast<int>(m_equations.size()); }

  std::shared_ptr<const CCompiledEquations> m_compiled;
  std::vector<int> m_equations;
  std::vector<double> m_values, m_derivatives;
  bool m_steady = false;
  mutable std::vector<double> m_scratch;
};
