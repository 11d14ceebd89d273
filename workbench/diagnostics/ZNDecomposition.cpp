// One run mode's decomposition: its counts, its groups and where it first failed.
#include <algorithm>

#include "workbench/diagnostics/DecompObjects.h"
#include "workbench/diagnostics/LazyEnum.h"

namespace {

HRESULT GiveCount(int* out, std::size_t value) {
  if (!out) return E_POINTER;
  *out = static_cast<int>(value);
  return S_OK;
}

}  // namespace

CZNDecomposition::CZNDecomposition(DiagnosticsSessionPtr session, const DecompositionRecord& record)
    : CDecompRecordObject(std::move(session), record) {}

CComPtr<IZNDecomposition> CZNDecomposition::Obtain(const DiagnosticsSessionPtr& session,
                                                   const DecompositionRecord& record) {
  return ObtainDiagnosticsObject<CZNDecomposition, IZNDecomposition>(session, record);
}

void CZNDecomposition::CountGroups() {
  if (m_counted) return;
  m_counted = true;
  for (const DecompGroupRecord& group : m_record.groups) {
    if (group.type >= 0 && group.type < 5) ++m_byType[group.type];
    m_largest = std::max(m_largest, static_cast<int>(group.equations.size()));
  }
}

HRESULT CZNDecomposition::GetRunMode(int* mode) { return GiveCount(mode, static_cast<std::size_t>(m_record.runMode)); }

HRESULT CZNDecomposition::IsConverged(bool* converged) {
  if (!converged) return E_POINTER;
  *converged = m_record.converged;
  return S_OK;
}

HRESULT CZNDecomposition::GetEquationCount(int* count) { return GiveCount(count, m_record.equations.size()); }
HRESULT CZNDecomposition::GetGroupCount(int* count) { return GiveCount(count, m_record.groups.size()); }

HRESULT CZNDecomposition::GetExplicitGroupCount(int* count) {
  CountGroups();
  return GiveCount(count, static_cast<std::size_t>(m_byType[ZN_GROUP_EXPLICIT]));
}

HRESULT CZNDecomposition::GetLinearGroupCount(int* count) {
  CountGroups();
  return GiveCount(count, static_cast<std::size_t>(m_byType[ZN_GROUP_LINEAR]));
}

HRESULT CZNDecomposition::GetNonlinearGroupCount(int* count) {
  CountGroups();
  // Single non-linear groups are non-linear groups too.
  return GiveCount(count, static_cast<std::size_t>(m_byType[ZN_GROUP_NONLINEAR] + m_byType[ZN_GROUP_SINGLE_NONLINEAR]));
}

HRESULT CZNDecomposition::GetTornGroupCount(int* count) {
  CountGroups();
  return GiveCount(count, static_cast<std::size_t>(m_byType[ZN_GROUP_TORN]));
}

HRESULT CZNDecomposition::GetLargestGroupSize(int* count) {
  CountGroups();
  return GiveCount(count, static_cast<std::size_t>(m_largest));
}

HRESULT CZNDecomposition::EnumGroups(IEnum<IZNDecompGroup>** groups) {
  DiagnosticsSessionPtr session = m_session;
  const DecompositionRecord* decomposition = &m_record;
  return MakeLazyEnum<IZNDecompGroup>(m_record.groups.size(), [session, decomposition](std::size_t i) {
    return CZNDecompGroup::Obtain(session, decomposition->groups[i], *decomposition);
  }, groups);
}

HRESULT CZNDecomposition::GetStatistics(IZNDecompStatistics** statistics) {
  if (!statistics) return E_POINTER;
  CComPtr<CZNDecompStatistics> made =
      MakeComObject<CZNDecompStatistics>(m_session, m_record.groups, m_record.firstUnconvergedGroup, m_record);
  *statistics = made.Detach();
  return S_OK;
}
