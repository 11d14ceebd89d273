// A dynamic run's integration: a differential-algebraic system advanced from
// a start time to an end time in slices of a few integrator steps, its values
// handed to the system (IDaeSystem::Publish) at every reporting interval, at
// the end, and where it stands when the run is stopped.
#pragma once

#include <limits>
#include <memory>
#include <string>

#include "workbench/run/DaeIntegrator.h"

class IDaeSystem;

class CDynamicIntegration {
 public:
  enum class Slice { Working, Finished, Failed };

  // reportingInterval <= 0 reports at the end only.
  CDynamicIntegration(std::unique_ptr<IDaeSystem> system, const DaeTolerances& tolerances, double startTime,
                      double endTime, double reportingInterval);
  ~CDynamicIntegration();

  // Makes the starting point consistent and publishes it; false with Problem().
  bool Start();
  // At most maxSteps integrator steps, ending early at a reporting time or
  // the end, where the values are published and reported is set.
  Slice Advance(int maxSteps, bool& reported);
  // Publishes the values of the last accepted step (a consistent point short of the next report).
  void PublishWhereItStands();
  // The integration stops at time (before the end, after where it stands) as at a report, and
  // PauseReached answers true once; NaN takes a pause time back.
  void SetPauseTime(double time) { m_pauseTime = time; }
  bool PauseReached() {
    const bool reached = m_pauseReached;
    m_pauseReached = false;
    return reached;
  }

  double Time() const { return m_integrator.Time(); }
  double EndTime() const { return m_endTime; }
  const std::string& Problem() const { return m_integrator.Problem(); }
  IDaeSystem& System() { return *m_system; }

 private:
  double NextReport() const;
  void Publish();

  std::unique_ptr<IDaeSystem> m_system;
  CDaeIntegrator m_integrator;
  double m_startTime;
  double m_endTime;
  double m_interval;
  long m_reports = 0;  // reporting times passed
  double m_pauseTime = std::numeric_limits<double>::quiet_NaN();
  bool m_pauseReached = false;
};
