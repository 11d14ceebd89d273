// One equation of a decomposition; its residual is asked of the solver when shown.
#include "workbench/diagnostics/DecompObjects.h"
#include "workbench/diagnostics/LazyEnum.h"

CZNDecompEquation::CZNDecompEquation(DiagnosticsSessionPtr session, const DecompEquationRecord& record,
                                     const DecompositionRecord& decomposition)
    : CDecompRecordObject(std::move(session), record), m_decomposition(decomposition) {}

CComPtr<IZNDecompEquation> CZNDecompEquation::Obtain(const DiagnosticsSessionPtr& session,
                                                     const DecompositionRecord& decomposition, int index) {
  if (index < 0 || index >= static_cast<int>(decomposition.equations.size())) return {};
  return ObtainDiagnosticsObject<CZNDecompEquation, IZNDecompEquation>(session, decomposition.equations[index],
                                                                      decomposition);
}

HRESULT CZNDecompEquation::GetName(std::string& name) {
  name = m_record.name;
  return S_OK;
}

HRESULT CZNDecompEquation::GetResidual(double* residual) {
  if (!residual) return E_POINTER;
  if (!m_decomposition.residuals || !m_decomposition.residuals->Residual(Index(), *residual)) return E_FAIL;
  return S_OK;
}

HRESULT CZNDecompEquation::GetResidualText(std::string& text) {
  text.clear();
  if (!m_decomposition.residuals) return E_FAIL;
  text = m_decomposition.residuals->ResidualText(Index());
  return S_OK;
}

HRESULT CZNDecompEquation::GetLongResidualText(std::string& text) {
  text.clear();
  if (!m_decomposition.residuals) return E_FAIL;
  text = m_decomposition.residuals->LongResidualText(Index());
  return S_OK;
}

HRESULT CZNDecompEquation::GetVariableCount(int* count) {
  if (!count) return E_POINTER;
  *count = static_cast<int>(m_record.variables.size());
  return S_OK;
}

HRESULT CZNDecompEquation::GetElementCount(int* count) {
  if (!count) return E_POINTER;
  *count = m_record.elementCount;
  return S_OK;
}

HRESULT CZNDecompEquation::GetActiveVariableCount(int* count) {
  if (!count) return E_POINTER;
  *count = m_record.activeVariableCount;
  return S_OK;
}

HRESULT CZNDecompEquation::IsVisible(bool* visible) {
  if (!visible) return E_POINTER;
  *visible = m_record.visible;
  return S_OK;
}

HRESULT CZNDecompEquation::GetSolvedVariableIndex(int* index) {
  if (!index) return E_POINTER;
  *index = m_record.solvedVariable;
  return S_OK;
}

HRESULT CZNDecompEquation::EnumVariables(IEnum<IZNDecompVariable>** variables) {
  return EnumDecompVariables(m_session, m_decomposition, m_record.variables, variables);
}
