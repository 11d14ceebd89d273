// What the diagnostics objects of one run share: the records (kept alive while
// any object lives), the object already made for each record, and the bound-state
// texts the explorer caches on variables.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "host/com/ComPtr.h"
#include "workbench/diagnostics/RunDiagnostics.h"

#include "host/services/IQVSolverOptions.h"

class CDiagnosticsSession {
 public:
  CDiagnosticsSession(std::shared_ptr<const RunDiagnostics> run, IQVSolverOptions* options);

  const RunDiagnostics* Run() const { return m_run.get(); }
  IQVSolverOptions* Options() const { return m_options; }

  // The live object made for record, or null; objects enter on construction and leave on destruction.
  IUnknown* Find(const void* record) const;
  void Enter(const void* record, IUnknown* object) { m_objects[record] = object; }
  void Leave(const void* record) { m_objects.erase(record); }

  std::string& BoundState(const DecompVariableRecord& variable) { return m_boundStates[&variable]; }

 private:
  std::shared_ptr<const RunDiagnostics> m_run;
  CComPtr<IQVSolverOptions> m_options;
  std::unordered_map<const void*, IUnknown*> m_objects;
  std::unordered_map<const DecompVariableRecord*, std::string> m_boundStates;
};

using DiagnosticsSessionPtr = std::shared_ptr<CDiagnosticsSession>;

// The object for record in session: the live one when there is one, else a new T(session, args...).
template <class T, class Interface, class Record, class... Args>
CComPtr<Interface> ObtainDiagnosticsObject(const DiagnosticsSessionPtr& session, const Record& record,
                                           Args&&... args) {
  if (IUnknown* found = session->Find(&record)) return ComQuery<Interface>(found);
  CComPtr<T> made = MakeComObject<T>(session, record, std::forward<Args>(args)...);
  return CComPtr<Interface>(made.Get());
}
