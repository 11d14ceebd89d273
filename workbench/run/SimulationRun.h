// Running the simulation: a steady-state or initialization run solved whole,
// or a dynamic run integrated from time 0 (or where the last one ended) to an
// end time in slices, so that the user-interface thread stays free between
// them. The flowsheet is locked while a dynamic run is active; it can be
// paused, resumed and stopped. Each run replaces its mode's decomposition in
// the diagnostics, reports a status (RunStatus.h), writes one summary line to
// the messages, and has the views told of new values after a steady or
// initialization run and at each reporting interval.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "workbench/diagnostics/RunDiagnostics.h"
#include "workbench/run/RunEntryPoints.h"

class CDynamicIntegration;
class CFlowsheetHost;

// What a run needs of the document that owns it.
struct RunHooks {
  std::function<std::shared_ptr<const RunDiagnostics>()> lastDiagnostics;
  std::function<void(std::shared_ptr<const RunDiagnostics>, int status)> publish;
  std::function<void(const std::string& line)> message;  // a line for the messages window
  std::function<void(bool locked)> lockFlowsheet;
  std::function<void()> valuesChanged;  // views redraw, "OnVariableChange" is fired
  std::function<void()> stateChanged;   // started, paused, resumed, progressed or ended
};

class CSimulationRun {
 public:
  // Integrator steps in one slice of a dynamic run.
  static constexpr int kStepsPerSlice = 25;

  CSimulationRun(CFlowsheetHost& flowsheet, CSolverOptions& options, RunEntryPoints solver, RunHooks hooks);
  ~CSimulationRun();  // an active run just ends: its values are those of its last report
  CSimulationRun(const CSimulationRun&) = delete;
  CSimulationRun& operator=(const CSimulationRun&) = delete;

  // Whether a run of mode (ZN_RUN_*) may start now; why not in reason.
  bool CanStart(int mode, std::string* reason = nullptr) const;
  // Starts a run of mode. A steady-state or initialization run is solved
  // before this returns; a dynamic run goes on in Step() up to endTime
  // (the run options' when not given). False, with Summary() saying why,
  // when the run could not start.
  bool Start(int mode, std::optional<double> endTime = std::nullopt);
  // One slice of the active dynamic run; true while it is still active. Nothing is done while paused.
  bool Step();
  // Steps until the active run ends, ignoring a pause.
  void Finish();
  void Pause();
  void Resume();
  // Ends the active dynamic run where it stands: its values stay, its decomposition is marked unconverged.
  void Stop();
  // Goes on to the next report of the active dynamic run and pauses there; with none active,
  // starts a run of mode, a dynamic one pausing at its first report. False when nothing ran.
  bool StepToNextReport(int mode);
  // The active dynamic run, or the next one, pauses when it reaches time; false, with why, when
  // time is not after the simulated time or not before the active run's end time.
  bool PauseAt(double time, std::string* why = nullptr);
  std::optional<double> PauseTime() const { return m_pauseAt; }
  // Back to time 0: the next dynamic run starts there, and the variables take the values the last
  // dynamic run from time 0 started from, when the flowsheet is still the one it ran on and the
  // user has changed no variable since (an edit is the user's, and stays).
  void Rewind();
  // Values runs computed set back to those the simulation specifies, by what the reset takes.
  struct ResetScope {
    bool free = true;         // variables solved for (Free)
    bool states = true;       // variables given their start (Initial, RateInitial)
    bool derivatives = true;  // time derivatives
    bool time = true;         // the simulated time back to 0
    bool diagnostics = false; // every run's decomposition and the last run's status
  };
  // False (nothing changed) while a dynamic run is active.
  bool Reset(const ResetScope& scope);

  bool IsActive() const { return m_dynamic != nullptr; }
  bool IsPaused() const { return m_paused; }
  // Where the dynamic run stands, or where the last one ended.
  double SimulatedTime() const;
  double EndTime() const { return m_endTime; }
  // "Dynamic run: time 3.5 of 10 s" while one is active; else the last summary.
  std::string Progress() const;
  // The last run's line for the status bar and the command line.
  const std::string& Summary() const { return m_summary; }
  int Status() const { return m_status; }

 private:
  bool Refuse(const std::string& why);
  void RunSolved(int mode);
  bool StartDynamic(double endTime);
  void EndDynamic(int status, const std::string& summary, bool publishValues);
  void Publish(DecompositionRecord decomposition, std::vector<DecompEquivalenceRecord> equivalences, int status);
  void PublishNotStarted();
  void Tell(const std::string& summary, const std::vector<std::string>& messages = {});
  void PauseHere();
  void TakeStartPoint();

  CFlowsheetHost& m_flowsheet;
  CSolverOptions& m_options;
  RunEntryPoints m_solver;
  RunHooks m_hooks;
  std::unique_ptr<CDynamicIntegration> m_dynamic;
  unsigned m_build = 0;         // the flowsheet build the dynamic run works on
  bool m_paused = false;
  double m_time = 0.0;          // where the last dynamic run ended
  double m_endTime = 0.0;
  // The dynamic run's decomposition: the initialization's structure, solved in time.
  DecompositionRecord m_dynamicDecomposition;
  std::vector<DecompEquivalenceRecord> m_dynamicEquivalences;
  bool m_haveDynamicDecomposition = false;
  std::string m_summary;
  int m_status = 0;
  bool m_pauseAtReport = false;     // Step: pause at the next report
  std::optional<double> m_pauseAt;  // Pause At
  // Where the last dynamic run from time 0 started, for Rewind.
  struct StartPoint {
    unsigned build = 0;
    unsigned edits = 0;  // CFlowsheetHost::VariableEdits when it was taken
    std::vector<double> values, derivatives;
  };
  std::optional<StartPoint> m_startPoint;
};
