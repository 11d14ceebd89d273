#include "workbench/diagnostics/DiagnosticsSession.h"

CDiagnosticsSession::CDiagnosticsSession(std::shared_ptr<const RunDiagnostics> run, IQVSolverOptions* options)
    : m_run(std::move(run)), m_options(options) {}

IUnknown* CDiagnosticsSession::Find(const void* record) const {
  auto it = m_objects.find(record);
  return it == m_objects.end() ? nullptr : it->second;
}
