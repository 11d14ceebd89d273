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
  if (m_hooks.stateChanged) m_hooks.stateChanged();  // the status bar says why
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

void CSimulationRun::PublishNotStarted() {
  // Nothing was solved: the diagnostics stay as they were, the status says so.
  m_status = kRunStatusNotStarted;
  if (m_hooks.publish) m_hooks.publish(m_hooks.lastDiagnostics ? m_hooks.lastDiagnostics() : nullptr, m_status);
}

bool CSimulationRun::Start(int mode, std::optional<double> endTime) {
  std::string why;
  if (!CanStart(mode, &why)) return Refuse(why);
  if (mode != ZN_RUN_DYNAMIC) {
    // The chosen mode is the simulation's run mode from now on.
    m_options.SetProperty(std::string(CSolverOptions::kRunMode), VARIANT::Int(mode));
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
    PublishNotStarted();
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
  m_options.SetProperty(std::string(CSolverOptions::kRunMode), VARIANT::Int(ZN_RUN_DYNAMIC));
  if (m_time == 0.0 || !m_haveDynamicDecomposition) {
    // From time 0 the states take their initial values and everything else follows from them.
    RunSolved(ZN_RUN_INITIALIZATION);
    if (m_status == kRunStatusNotStarted) return false;
    if (m_status != kRunStatusConverged) {
      Tell("Dynamic run not started: the initialization did not converge");
      return true;  // it ran: the initialization's failure is what the diagnostics show
    }
    m_time = 0.0;
    TakeStartPoint();
  }
  unsigned build = 0;
  CFlowsheet& flowsheet = m_flowsheet.CurrentForRun(build);
  std::string problem;
  std::unique_ptr<IDaeSystem> dae = m_solver.makeDae(flowsheet, m_options, problem);
  if (!dae) {
    PublishNotStarted();
    Tell("Dynamic run could not start: " + (problem.empty() ? std::string("no equation system") : problem));
    return false;
  }
  const double interval = m_options.Real(CSolverOptions::kReportingInterval, 0.0);
  auto dynamic = std::make_unique<CDynamicIntegration>(std::move(dae), RunTolerancesOf(m_options), m_time, endTime,
                                                       interval);
  if (!dynamic->Start()) {
    PublishNotStarted();
    Tell("Dynamic run could not start: " + dynamic->Problem());
    return false;
  }
  if (m_pauseAt) dynamic->SetPauseTime(*m_pauseAt);
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
  if (!m_dynamic) return false;  // a listener stopped the run meanwhile
  switch (slice) {
    case CDynamicIntegration::Slice::Working:
      if (m_dynamic->PauseReached()) {
        m_pauseAt.reset();
        PauseHere();
      } else if (reported && m_pauseAtReport) {
        PauseHere();
      } else if (m_hooks.stateChanged) {
        m_hooks.stateChanged();
      }
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
  // A pause reached on the way is told and passed.
  do {
    m_paused = false;
  } while (Step());
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

void CSimulationRun::PauseHere() {
  m_pauseAtReport = false;
  m_paused = true;
  Tell("Dynamic run paused at time " + RunTimeText(m_dynamic->Time()) + " of " + RunTimeText(m_endTime) + " s");
}

bool CSimulationRun::StepToNextReport(int mode) {
  if (m_dynamic) {
    m_pauseAtReport = true;
    m_paused = false;
    if (m_hooks.stateChanged) m_hooks.stateChanged();
    return true;
  }
  if (mode != ZN_RUN_DYNAMIC) return Start(mode);  // a solved run is one step
  m_pauseAtReport = true;
  const bool started = Start(ZN_RUN_DYNAMIC);
  if (!m_dynamic) m_pauseAtReport = false;
  return started;
}

bool CSimulationRun::PauseAt(double time, std::string* why) {
  const double now = SimulatedTime();
  std::string problem;
  if (!std::isfinite(time) || !(time > now))
    problem = "The pause time " + RunTimeText(time) + " s is not after the simulated time " + RunTimeText(now) + " s.";
  else if (m_dynamic && !(time < m_endTime))  // the next run's end time is given when it starts
    problem = "The pause time " + RunTimeText(time) + " s is not before the end time " + RunTimeText(m_endTime) + " s.";
  if (!problem.empty()) {
    if (why) *why = problem;
    return false;
  }
  m_pauseAt = time;
  if (m_dynamic) m_dynamic->SetPauseTime(time);
  if (m_hooks.message) m_hooks.message("The dynamic run pauses at time " + RunTimeText(time) + " s");
  return true;
}

void CSimulationRun::TakeStartPoint() {
  unsigned build = 0;
  const std::vector<InstanceVariable>& variables = m_flowsheet.CurrentForRun(build).Variables();
  StartPoint point;
  point.build = build;
  point.edits = m_flowsheet.VariableEdits();
  point.values.reserve(variables.size());
  point.derivatives.reserve(variables.size());
  for (const InstanceVariable& v : variables) {
    point.values.push_back(v.value);
    point.derivatives.push_back(v.derivative);
  }
  m_startPoint = std::move(point);
}

void CSimulationRun::Rewind() {
  if (m_dynamic) return;
  m_time = 0.0;
  m_pauseAt.reset();
  bool restored = false;
  if (m_startPoint && m_flowsheet.IsBuild(m_startPoint->build) && m_flowsheet.VariableEdits() == m_startPoint->edits) {
    unsigned build = 0;
    std::vector<InstanceVariable>& variables = m_flowsheet.CurrentForRun(build).Variables();
    if (variables.size() == m_startPoint->values.size()) {
      for (std::size_t i = 0; i < variables.size(); ++i) {
        variables[i].value = m_startPoint->values[i];
        variables[i].derivative = m_startPoint->derivatives[i];
      }
      restored = true;
    }
  }
  if (restored && m_hooks.valuesChanged) m_hooks.valuesChanged();
  Tell(restored ? "Rewound to time 0: the values are those the last dynamic run started from"
                : "Rewound to time 0");
}

bool CSimulationRun::Reset(const ResetScope& scope) {
  if (m_dynamic) return Refuse("A dynamic run is active: stop it before a reset.");
  unsigned build = 0;
  std::vector<InstanceVariable>& variables = m_flowsheet.CurrentForRun(build).Variables();
  const std::unique_ptr<CFlowsheet> specified = m_flowsheet.Specified();
  std::vector<std::string> what;
  if (specified && specified->Variables().size() == variables.size()) {
    const std::vector<InstanceVariable>& given = specified->Variables();
    for (std::size_t i = 0; i < variables.size(); ++i) {
      InstanceVariable& v = variables[i];
      const bool solved = v.spec == VariableSpec::Free;
      const bool started = v.spec == VariableSpec::Initial || v.spec == VariableSpec::RateInitial;
      if ((solved && scope.free) || (started && scope.states)) v.value = given[i].value;
      if (scope.derivatives) v.derivative = given[i].derivative;
    }
    if (scope.free) what.push_back("free variables");
    if (scope.states) what.push_back("initial variables");
    if (scope.derivatives) what.push_back("derivatives");
  }
  if (scope.time) {
    m_time = 0.0;
    m_pauseAt.reset();
    m_startPoint.reset();
    what.push_back("time");
  }
  if (scope.diagnostics) {
    m_haveDynamicDecomposition = false;
    m_status = kRunStatusNone;
    if (m_hooks.publish) m_hooks.publish(nullptr, kRunStatusNone);
    what.push_back("diagnostics");
  }
  if (m_hooks.valuesChanged) m_hooks.valuesChanged();
  std::string summary = "Reset";
  for (std::size_t i = 0; i < what.size(); ++i) summary += (i == 0 ? ": " : i + 1 == what.size() ? " and " : ", ") + what[i];
  Tell(summary);
  return true;
}
