// A group of a decomposition, or a torn group with its sub-groups.
#include "workbench/diagnostics/DecompObjects.h"
#include "workbench/diagnostics/LazyEnum.h"

CZNDecompGroup::CZNDecompGroup(DiagnosticsSessionPtr session, const DecompGroupRecord& record,
                               const DecompositionRecord& decomposition)
    : CDecompRecordObject(std::move(session), record), m_decomposition(decomposition) {}

CComPtr<IZNDecompGroup> CZNDecompGroup::Obtain(const DiagnosticsSessionPtr& session, const DecompGroupRecord& record,
                                               const DecompositionRecord& decomposition) {
  return ObtainDiagnosticsObject<CZNDecompGroup, IZNDecompGroup>(session, record, decomposition);
}

namespace {

HRESULT GiveGroupValue(int* out, int value) {
  if (!out) return E_POINTER;
  *out = value;
  return S_OK;
}

}  // namespace

HRESULT CZNDecompGroup::GetType(int* type) { return GiveGroupValue(type, m_record.type); }
HRESULT CZNDecompGroup::GetNumber(int* number) { return GiveGroupValue(number, m_record.number); }

HRESULT CZNDecompGroup::IsConverged(bool* converged) {
  if (!converged) return E_POINTER;
  *converged = m_record.converged;
  return S_OK;
}

HRESULT CZNDecompGroup::GetEquationCount(int* count) {
  return GiveGroupValue(count, static_cast<int>(m_record.equations.size()));
}
HRESULT CZNDecompGroup::GetVariableCount(int* count) {
  return GiveGroupValue(count, static_cast<int>(m_record.variables.size()));
}
HRESULT CZNDecompGroup::GetNonZeroCount(int* count) { return GiveGroupValue(count, m_record.nonZeros); }

HRESULT CZNDecompGroup::GetMemberCount(int* count) {
  return GiveGroupValue(count, static_cast<int>(IsTorn() ? m_record.subGroups.size() : m_record.equations.size()));
}

HRESULT CZNDecompGroup::EnumEquations(IEnum<IZNDecompEquation>** equations) {
  DiagnosticsSessionPtr session = m_session;
  const DecompositionRecord* decomposition = &m_decomposition;
  const std::vector<int>* indices = &m_record.equations;
  return MakeLazyEnum<IZNDecompEquation>(indices->size(), [session, decomposition, indices](std::size_t i) {
    return CZNDecompEquation::Obtain(session, *decomposition, (*indices)[i]);
  }, equations);
}

HRESULT CZNDecompGroup::EnumVariables(IEnum<IZNDecompVariable>** variables) {
  return EnumDecompVariables(m_session, m_decomposition, m_record.variables, variables);
}

HRESULT CZNDecompGroup::GetTornSize(int* size) {
  if (!IsTorn()) return E_FAIL;
  return GiveGroupValue(size, m_record.tornSize);
}

HRESULT CZNDecompGroup::GetSubGroupCount(int* count) {
  if (!IsTorn()) return E_FAIL;
  return GiveGroupValue(count, static_cast<int>(m_record.subGroups.size()));
}

HRESULT CZNDecompGroup::EnumSubGroups(IEnum<IZNDecompGroup>** groups) {
  if (!IsTorn()) return E_FAIL;
  DiagnosticsSessionPtr session = m_session;
  const DecompositionRecord* decomposition = &m_decomposition;
  const std::vector<DecompGroupRecord>* subGroups = &m_record.subGroups;
  return MakeLazyEnum<IZNDecompGroup>(subGroups->size(), [session, decomposition, subGroups](std::size_t i) {
    return CZNDecompGroup::Obtain(session, (*subGroups)[i], *decomposition);
  }, groups);
}

HRESULT CZNDecompGroup::GetStatistics(IZNDecompStatistics** statistics) {
  if (!statistics) return E_POINTER;
  *statistics = nullptr;
  if (!IsTorn()) return E_FAIL;
  CComPtr<CZNDecompStatistics> made = MakeComObject<CZNDecompStatistics>(
      m_session, m_record.subGroups, m_record.firstUnconvergedSubGroup, m_decomposition);
  *statistics = made.Detach();
  return S_OK;
}

CZNDecompStatistics::CZNDecompStatistics(DiagnosticsSessionPtr session, const std::vector<DecompGroupRecord>& groups,
                                         int firstUnconverged, const DecompositionRecord& decomposition)
    : m_session(std::move(session)), m_groups(groups), m_firstUnconverged(firstUnconverged),
      m_decomposition(decomposition) {}

HRESULT CZNDecompStatistics::GetFirstUnconvergedGroup(IZNDecompGroup** group) {
  if (!group) return E_POINTER;
  *group = nullptr;
  if (m_firstUnconverged < 1 || m_firstUnconverged > static_cast<int>(m_groups.size())) return S_FALSE;
  return CZNDecompGroup::Obtain(m_session, m_groups[m_firstUnconverged - 1], m_decomposition).CopyTo(group);
}

HRESULT CZNDecompStatistics::GetFirstUnconvergedPosition(int* position) {
  if (!position) return E_POINTER;
  const bool known = m_firstUnconverged >= 1 && m_firstUnconverged <= static_cast<int>(m_groups.size());
  *position = known ? m_firstUnconverged : 0;
  return S_OK;
}
