// One variable as a decomposition sees it, and the equivalences of compressed variables.
#include "workbench/diagnostics/DecompObjects.h"
#include "workbench/diagnostics/LazyEnum.h"

CZNDecompVariable::CZNDecompVariable(DiagnosticsSessionPtr session, const DecompVariableRecord& record,
                                     const DecompositionRecord& decomposition)
    : CDecompRecordObject(std::move(session), record), m_decomposition(decomposition) {}

CComPtr<IZNDecompVariable> CZNDecompVariable::Obtain(const DiagnosticsSessionPtr& session,
                                                     const DecompositionRecord& decomposition, int index) {
  if (index < 0 || index >= static_cast<int>(decomposition.variables.size())) return {};
  return ObtainDiagnosticsObject<CZNDecompVariable, IZNDecompVariable>(session, decomposition.variables[index],
                                                                      decomposition);
}

namespace {

HRESULT GiveVariableValue(int* out, int value) {
  if (!out) return E_POINTER;
  *out = value;
  return S_OK;
}

}  // namespace

HRESULT CZNDecompVariable::GetName(std::string& name) {
  name = m_record.name;
  return S_OK;
}

HRESULT CZNDecompVariable::GetEquivalenceNumber(int* number) { return GiveVariableValue(number, m_record.equivalence); }
HRESULT CZNDecompVariable::GetGroupIndex(int* index) { return GiveVariableValue(index, m_record.groupIndex); }
HRESULT CZNDecompVariable::GetSubGroupIndex(int* index) { return GiveVariableValue(index, m_record.subGroupIndex); }

HRESULT CZNDecompVariable::HasProblem(bool* problem) {
  if (!problem) return E_POINTER;
  *problem = m_record.problem;
  return S_OK;
}

HRESULT CZNDecompVariable::IsVisible(bool* visible) {
  if (!visible) return E_POINTER;
  *visible = m_record.visible;
  return S_OK;
}

HRESULT CZNDecompVariable::GetBoundState(std::string& text) {
  text = m_session->BoundState(m_record);
  return S_OK;
}

HRESULT CZNDecompVariable::SetBoundState(const std::string& text) {
  m_session->BoundState(m_record) = text;
  return S_OK;
}

HRESULT CZNDecompVariable::GetDecomposition(IZNDecomposition** decomposition) {
  if (!decomposition) return E_POINTER;
  return CZNDecomposition::Obtain(m_session, m_decomposition).CopyTo(decomposition);
}

HRESULT EnumDecompVariables(const DiagnosticsSessionPtr& session, const DecompositionRecord& decomposition,
                            const std::vector<int>& indices, IEnum<IZNDecompVariable>** variables) {
  const DecompositionRecord* records = &decomposition;
  const std::vector<int>* positions = &indices;
  return MakeLazyEnum<IZNDecompVariable>(indices.size(), [session, records, positions](std::size_t i) {
    return CZNDecompVariable::Obtain(session, *records, (*positions)[i]);
  }, variables);
}

CZNDecompEquivalence::CZNDecompEquivalence(DiagnosticsSessionPtr session, const DecompEquivalenceRecord& record)
    : CDecompRecordObject(std::move(session), record) {}

HRESULT CZNDecompEquivalence::GetNumber(int* number) { return GiveVariableValue(number, m_record.number); }

HRESULT CZNDecompEquivalence::GetVariableCount(int* count) {
  return GiveVariableValue(count, static_cast<int>(m_record.variables.size()));
}

HRESULT CZNDecompEquivalence::GetLowerBound(double* bound) {
  if (!bound) return E_POINTER;
  *bound = m_record.lowerBound;
  return S_OK;
}

HRESULT CZNDecompEquivalence::GetUpperBound(double* bound) {
  if (!bound) return E_POINTER;
  *bound = m_record.upperBound;
  return S_OK;
}

HRESULT CZNDecompEquivalence::GetScaleFactor(double* factor) {
  if (!factor) return E_POINTER;
  *factor = m_record.scaleFactor;
  return S_OK;
}

HRESULT CZNDecompEquivalence::IsVisible(bool* visible) {
  if (!visible) return E_POINTER;
  *visible = m_record.visible;
  return S_OK;
}

HRESULT CZNDecompEquivalence::EnumVariables(IEnum<IZNDecompVariable>** variables) {
  const RunDiagnostics* run = m_session->Run();
  const bool known = run && m_record.decomposition >= 0 &&
                     m_record.decomposition < static_cast<int>(run->decompositions.size());
  if (!known) return E_FAIL;
  return EnumDecompVariables(m_session, run->decompositions[m_record.decomposition], m_record.variables, variables);
}
