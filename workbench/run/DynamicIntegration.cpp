#include "workbench/run/DynamicIntegration.h"

#include <algorithm>
#include <cmath>

#include "workbench/solver/DaeSystem.h"

CDynamicIntegration::CDynamicIntegration(std::unique_ptr<IDaeSystem> system, const DaeTolerances& tolerances,
                                         double startTime, double endTime, double reportingInterval)
    : m_system(std::move(system)),
      m_integrator(*m_system, tolerances),
      m_startTime(startTime),
      m_endTime(endTime),
      m_interval(reportingInterval) {}

CDynamicIntegration::~CDynamicIntegration() = default;

bool CDynamicIntegration::Start() {
  if (!m_integrator.Start(m_startTime)) return false;
  Publish();
  return true;
}

double CDynamicIntegration::NextReport() const {
  if (!(m_interval > 0.0)) return m_endTime;
  // Counted from the start, so that rounding does not pile up over many intervals.
  const double next = m_startTime + static_cast<double>(m_reports + 1) * m_interval;
  return std::min(next, m_endTime);
}

void CDynamicIntegration::Publish() {
  m_system->Publish(m_integrator.Time(), m_integrator.Values().data(), m_integrator.Derivatives().data());
}

void CDynamicIntegration::PublishWhereItStands() { Publish(); }

CDynamicIntegration::Slice CDynamicIntegration::Advance(int maxSteps, bool& reported) {
  reported = false;
  for (int step = 0; step < maxSteps; ++step) {
    if (Time() >= m_endTime) return Slice::Finished;
    const double report = NextReport();
    // A pause time before the next report is reached first, without counting as a report.
    const bool pausing = m_pauseTime > Time() && m_pauseTime < report;
    const double target = pausing ? m_pauseTime : report;
    switch (m_integrator.StepToward(target)) {
      case CDaeIntegrator::Step::Failed: return Slice::Failed;
      case CDaeIntegrator::Step::Advanced: break;
      case CDaeIntegrator::Step::Reached:
        if (pausing) {
          m_pauseTime = std::numeric_limits<double>::quiet_NaN();
          m_pauseReached = true;
          Publish();
          reported = true;
          return Slice::Working;
        }
        if (m_pauseTime <= report) {  // at a report
          m_pauseTime = std::numeric_limits<double>::quiet_NaN();
          m_pauseReached = true;
        }
        ++m_reports;
        Publish();
        reported = true;
        // A slice ends at a report, so that each one is shown before the run goes on.
        return target >= m_endTime ? Slice::Finished : Slice::Working;
    }
  }
  return Time() >= m_endTime ? Slice::Finished : Slice::Working;
}
