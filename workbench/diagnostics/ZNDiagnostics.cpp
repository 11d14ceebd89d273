// The diagnostics of the last run: its decompositions and equivalences.
#include "host/com/ComEnum.h"
#include "workbench/diagnostics/DecompObjects.h"
#include "workbench/diagnostics/DiagnosticsObjects.h"
#include "workbench/diagnostics/LazyEnum.h"

CComPtr<IZNDiagnostics> MakeDiagnosticsObject(std::shared_ptr<const RunDiagnostics> run, IQVSolverOptions* options) {
  auto session = std::make_shared<CDiagnosticsSession>(std::move(run), options);
  return CComPtr<IZNDiagnostics>(MakeComObject<CZNDiagnostics>(session).Get());
}

HRESULT CZNDiagnostics::IsPresent(bool* present) {
  if (!present) return E_POINTER;
  *present = m_session->Run() && !m_session->Run()->decompositions.empty();
  return S_OK;
}

HRESULT CZNDiagnostics::EnumDecompositions(IEnum<IZNDecomposition>** decompositions) {
  const RunDiagnostics* run = m_session->Run();
  if (!run) return E_FAIL;
  DiagnosticsSessionPtr session = m_session;
  return MakeLazyEnum<IZNDecomposition>(run->decompositions.size(), [session, run](std::size_t i) {
    return CZNDecomposition::Obtain(session, run->decompositions[i]);
  }, decompositions);
}

HRESULT CZNDiagnostics::GetEquivalenceCount(int* count) {
  if (!count) return E_POINTER;
  *count = m_session->Run() ? static_cast<int>(m_session->Run()->equivalences.size()) : 0;
  return S_OK;
}

HRESULT CZNDiagnostics::EnumEquivalences(IEnum<IZNDecompEquivalence>** equivalences) {
  const RunDiagnostics* run = m_session->Run();
  if (!run) return E_FAIL;
  DiagnosticsSessionPtr session = m_session;
  return MakeLazyEnum<IZNDecompEquivalence>(run->equivalences.size(), [session, run](std::size_t i) {
    return ObtainDiagnosticsObject<CZNDecompEquivalence, IZNDecompEquivalence>(session, run->equivalences[i]);
  }, equivalences);
}

HRESULT CZNDiagnostics::GetOptions(IQVSolverOptions** options) {
  if (!options) return E_POINTER;
  *options = nullptr;
  if (!m_session->Options()) return E_FAIL;
  return CComPtr<IQVSolverOptions>(m_session->Options()).CopyTo(options);
}
