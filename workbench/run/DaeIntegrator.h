// Integrates a differential-algebraic system F(t, y, y') = 0 in time with
// SUNDIALS IDA (variable order, variable step BDF) and a KLU sparse LU on the
// system's exact Jacobian. Time is in the system's own units (seconds for a
// flowsheet). The integrator owns its IDA memory; the system must outlive it.
#pragma once

#include <memory>
#include <string>
#include <vector>

class IDaeSystem;

struct DaeTolerances {
  double relative = 1e-6;  // of each unknown's magnitude
  double absolute = 1e-8;  // in each unknown's own units
  long maxSteps = 5000;    // internal steps allowed between two output times
};

class CDaeIntegrator {
 public:
  enum class Step { Advanced, Reached, Failed };

  CDaeIntegrator(IDaeSystem& system, const DaeTolerances& tolerances);
  ~CDaeIntegrator();
  CDaeIntegrator(const CDaeIntegrator&) = delete;
  CDaeIntegrator& operator=(const CDaeIntegrator&) = delete;

  // Takes the system's starting point at time t0 and, when it does not
  // satisfy F already, makes it consistent: the algebraic unknowns and the
  // derivatives are solved for with the differential unknowns held.
  // False with Problem() when that fails or IDA cannot be set up.
  bool Start(double t0);
  // One internal step toward target, never beyond it: Reached when the
  // integrator stands at target, Advanced when it stands short of it.
  Step StepToward(double target);
  // Steps until target is reached; false on failure.
  bool AdvanceTo(double target);

  double Time() const { return m_time; }
  const std::vector<double>& Values() const { return m_y; }
  const std::vector<double>& Derivatives() const { return m_yp; }
  const std::string& Problem() const { return m_problem; }

 private:
  struct Sundials;
  bool Fail(const std::string& what, int flag);
  void CopyOut();

  IDaeSystem& m_system;
  DaeTolerances m_tolerances;
  std::unique_ptr<Sundials> m_sundials;
  std::vector<double> m_y;
  std::vector<double> m_yp;
  double m_time = 0.0;
  double m_stopTime = 0.0;
  bool m_stopSet = false;
  std::string m_problem;
  std::string m_idaMessage;  // IDA's own text of its last error
};
