// The host's diagnostics objects (host/diagnostics) over the records a run
// left (RunDiagnostics.h). Objects are made when asked for: a decomposition of
// 100 000 groups makes a group object only when an enumeration reaches it. One
// record gives one object while that object lives, so nodes that compare host
// objects find the same group however they reached it.
#pragma once

#include <memory>

#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "workbench/diagnostics/RunDiagnostics.h"

struct IQVSolverOptions;

// The diagnostics of run (null: no run yet, IsPresent false); options are the solver options the run used.
CComPtr<IZNDiagnostics> MakeDiagnosticsObject(std::shared_ptr<const RunDiagnostics> run, IQVSolverOptions* options);
