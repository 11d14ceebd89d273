#include "workbench/run/SimulationRun.h"

#include <cmath>
#include <cstdio>

#include "host/diagnostics/IZNDecomposition.h"
#include "workbench/run/DynamicIntegration.h"
#include "workbench/run/RunDiagnosticsMerge.h"
#include "workbench/run/RunStatus.h"
#include "workbench/simulation/FlowsheetHost.h"
#include "workbench/store/SolverOptions.h"

namespace {

std::string RunTimeText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", seconds);
  return text;
}

const char* RunModeText(int mode) {
  switch (mode) {
    case ZN_RUN_STEADY_STATE: return "Steady state";
    case ZN_RUN_INITIALIZATION: return "Initialization";
    case ZN_RUN_DYNAMIC: return "Dynamic";
    case ZN_RUN_OPTIMIZATION: return "Optimization";
    case ZN_RUN_ESTIMATION: return "Estimation";
  }
  return "This";
}

DaeTolerances RunTolerancesOf(const CSolverOptions& options) {
  DaeTolerances t;
  t.absolute = options.Real(CSolverOptions::kAbsoluteTolerance, t.absolute);
  t.relative = options.Real(CSolverOptions::kRelativeTolerance, t.relative);
  t.maxSteps = options.Integer(CSolverOptions::kMaxIntegratorSteps, static_cast<int>(t.maxSteps));
  return t;
}

}  // namespace

CSimulationRun::CSimulationRun(CFlowsheetHost& flowsheet, CSolverOptions& options, RunEntryPoints solver,
                               RunHooks hooks)
    : m_flowsheet(flowsheet), m_options(options), m_solver(std::move(solver)), m_hooks(std::move(hooks)) {}

CSimulationRun::~CSimulationRun() = default;

double CSimulationRun::SimulatedTime() const { return m_dynamic ? m_dynamic->Time() : m_time; }

std::string CSimulationRun::Progress() const {
  if (!m_dynamic) return m_summary;
  return std::string(m_paused ? "Dynamic run paused: time " : "Dynamic run: time ") + RunTimeText(m_dynamic->Time()) +
         " of " + RunTimeText(m_endTime) + " s";
}

bool CSimulationRun::CanStart(int mode, std::string* reason) const {
  std::string why;
  if (m_dynamic)
    why = "A dynamic run is active: stop it before starting another run.";
  else if (mode == ZN_RUN_OPTIMIZATION || mode == ZN_RUN_ESTIMATION)
    why = std::string(RunModeText(mode)) + " runs are not offered by this simulator.";
  else if (mode != ZN_RUN_STEADY_STATE && mode != ZN_RUN_INITIALIZATION && mode != ZN_RUN_DYNAMIC)
    why = "There is no run mode " + std::to_string(mode) + ".";
  if (reason) *reason = why;
  return why.empty();
}

bool CSimulationRun::Refuse(const std::string& why) {
  m_summary = why;
  if (m_hooks.message) m_hooks.message(why);
  return false;
}

void CSimulationRun::Tell(const std::string& summary, const std::vector<std::string>& messages) {
  m_summary = summary;
  if (m_hooks.message) {
    for (const std::string& line : messages) m_hooks.message(line);
    m_hooks.message(summary);
  }
  if (m_hooks.stateChanged) m_hooks.stateChanged();
}

void CSimulationRun::Publish(DecompositionRecord decomposition, std::vector<DecompEquivalenceRecord> equivalences,
                             int status) {
  m_status = status;
  if (!m_hooks.publish) return;
  std::shared_ptr<const RunDiagnostics> last = m_hooks.lastDiagnostics ? m_hooks.lastDiagnostics() : nullptr;
  m_hooks.publish(MergeRunDiagnostics(last.get(), std::move(decomposition), std::move(equivalences)), status);
}

bool CSimulationRun::Start(int mode, std::optional<double> endTime) {
  std::string why;
  if (!CanStart(mode, &why)) return Refuse(why);
  // The chosen mode is the simulation's run mode from now on.
  m_options.SetProperty(std::string(CSolverOptions::kRunMode), VARIANT::Int(mode));
  if (mode != ZN_RUN_DYNAMIC) {
    RunSolved(mode);
    return m_status != kRunStatusNotStarted;
  }
  const double end = endTime ? *endTime : m_options.Real(CSolverOptions::kEndTime, 10.0);
  return StartDynamic(end);
}

void CSimulationRun::RunSolved(int mode) {
  unsigned build = 0;
  CFlowsheet& flowsheet = m_flowsheet.CurrentForRun(build);
  if (m_hooks.lockFlowsheet) m_hooks.lockFlowsheet(true);
  SolveOutcome outcome = m_solver.solve(flowsheet, mode, m_options);
  if (m_hooks.lockFlowsheet) m_hooks.lockFlowsheet(false);
  std::string summary = outcome.summary;
  if (summary.empty())
    summary = std::string(RunModeText(mode)) + " run " +
              (!outcome.started ? "could not start" : outcome.converged ? "converged" : "did not converge");
  if (!outcome.started) {
    // Nothing was solved: the diagnostics stay as they were, the status says so.
    m_status = kRunStatusNotStarted;
    if (m_hooks.publish)
      m_hooks.publish(m_hooks.lastDiagnostics ? m_hooks.lastDiagnostics() : nullptr, m_status);
    Tell(summary, outcome.messages);
    return;
  }
  outcome.decomposition.runMode = mode;
  if (mode == ZN_RUN_INITIALIZATION) {
    // A dynamic run from time 0 starts from this point and has this structure.
    m_dynamicDecomposition = outcome.decomposition;
    m_dynamicDecomposition.runMode = ZN_RUN_DYNAMIC;
    m_dynamicEquivalences = outcome.equivalences;
    m_haveDynamicDecomposition = true;
  }
  const int status = outcome.converged ? kRunStatusConverged : kRunStatusNotConverged;
  Publish(std::move(outcome.decomposition), std::move(outcome.equivalences), status);
  if (m_hooks.valuesChanged) m_hooks.valuesChanged();  // the values are written also when it failed
  Tell(summary, outcome.messages);
}

bool CSimulationRun::StartDynamic(double endTime) {
  if (!std::isfinite(endTime) || !(endTime > m_time))
    return Refuse("The end time " + RunTimeText(endTime) + " s is not after the simulated time " + RunTimeText(m_time) +
                  " s: choose a later end time in the Run Options, or rewind.");
  if (m_time == 0.0 || !m_haveDynamicDecomposition) {
    // From time 0 the states take their initial values and everything else follows from them.
    RunSolved(ZN_RUN_INITIALIZATION);
    m_options.SetProperty(std::string(CSolverOptions::kRunMode), VARIANT::Int(ZN_RUN_DYNAMIC));
    if (m_status == kRunStatusNotStarted) return false;
    if (m_status != kRunStatusConverged) {
      Tell("Dynamic run not started: the initialization did not converge");
      return true;  // it ran: the initialization's failure is what the diagnostics show
    }
    m_time = 0.0;
  }
  unsigned build = 0;
  CFlowsheet& flowsheet = m_flowsheet.CurrentForRun(build);
  std::string problem;
  std::unique_ptr<IDaeSystem> dae = m_solver.makeDae(flowsheet, m_options, problem);
  if (!dae) {
    m_status = kRunStatusNotStarted;
    Tell("Dynamic run could not start: " + (problem.empty() ? std::string("no equation system") : problem));
    return false;
  }
  const double interval = m_options.Real(CSolverOptions::kReportingInterval, 0.0);
  auto dynamic = std::make_unique<CDynamicIntegration>(std::move(dae), RunTolerancesOf(m_options), m_time, endTime,
                                                       interval);
  if (!dynamic->Start()) {
    m_status = kRunStatusNotStarted;
    Tell("Dynamic run could not start: " + dynamic->Problem());
    return false;
  }
  m_dynamic = std::move(dynamic);
  m_build = build;
  m_endTime = endTime;
  m_paused = false;
  if (m_hooks.lockFlowsheet) m_hooks.lockFlowsheet(true);
  if (m_hooks.valuesChanged) m_hooks.valuesChanged();
  if (m_hooks.stateChanged) m_hooks.stateChanged();
  return true;
}

bool CSimulationRun::Step() {
  if (!m_dynamic) return false;
  if (m_paused) return true;
  if (!m_flowsheet.IsBuild(m_build)) {
    // The definitions changed under the run: the system it integrates is no longer the flowsheet's.
    EndDynamic(kRunStatusStopped,
               "Dynamic run stopped at time " + RunTimeText(m_dynamic->Time()) + " of " + RunTimeText(m_endTime) +
                   " s: the flowsheet was built again from changed definitions",
               false);
    return false;
  }
  bool reported = false;
  const CDynamicIntegration::Slice slice = m_dynamic->Advance(kStepsPerSlice, reported);
  if (reported && m_hooks.valuesChanged) m_hooks.valuesChanged();
  switch (slice) {
    case CDynamicIntegration::Slice::Working:
      if (m_hooks.stateChanged) m_hooks.stateChanged();
      return true;
    case CDynamicIntegration::Slice::Finished:
      EndDynamic(kRunStatusConverged, "Dynamic run reached its end time " + RunTimeText(m_endTime) + " s", false);
      return false;
    case CDynamicIntegration::Slice::Failed:
      EndDynamic(kRunStatusIntegrationFailed,
                 "Dynamic run failed at time " + RunTimeText(m_dynamic->Time()) + " of " + RunTimeText(m_endTime) +
                     " s: " + m_dynamic->Problem(),
                 true);
      return false;
  }
  return false;
}

void CSimulationRun::EndDynamic(int status, const std::string& summary, bool publishValues) {
  m_time = m_dynamic->Time();
  if (publishValues) m_dynamic->PublishWhereItStands();
  m_dynamic.reset();
  m_paused = false;
  if (m_hooks.lockFlowsheet) m_hooks.lockFlowsheet(false);
  DecompositionRecord decomposition = m_dynamicDecomposition;
  decomposition.runMode = ZN_RUN_DYNAMIC;
  decomposition.converged = status == kRunStatusConverged;
  Publish(std::move(decomposition), m_dynamicEquivalences, status);
  if (publishValues && m_hooks.valuesChanged) m_hooks.valuesChanged();
  Tell(summary);
}

void CSimulationRun::Finish() {
  m_paused = false;
  while (Step()) {
  }
}

void CSimulationRun::Pause() {
  if (!m_dynamic || m_paused) return;
  m_paused = true;
  if (m_hooks.stateChanged) m_hooks.stateChanged();
}

void CSimulationRun::Resume() {
  if (!m_dynamic || !m_paused) return;
  m_paused = false;
  if (m_hooks.stateChanged) m_hooks.stateChanged();
}

void CSimulationRun::Stop() {
  if (!m_dynamic) return;
  const bool current = m_flowsheet.IsBuild(m_build);
  EndDynamic(kRunStatusStopped,
             "Dynamic run stopped at time " + RunTimeText(m_dynamic->Time()) + " of " + RunTimeText(m_endTime) + " s",
             current);
}

void CSimulationRun::Rewind() {
  if (m_dynamic) return;
  m_time = 0.0;
  if (m_hooks.stateChanged) m_hooks.stateChanged();
}
