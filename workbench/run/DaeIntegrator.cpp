#include "workbench/run/DaeIntegrator.h"

#include <ida/ida.h>
#include <nvector/nvector_serial.h>
#include <sundials/sundials_context.h>
#include <sunlinsol/sunlinsol_klu.h>
#include <sunmatrix/sunmatrix_sparse.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "workbench/solver/DaeSystem.h"

// What IDA works with; also its user data for the residual and Jacobian callbacks.
struct CDaeIntegrator::Sundials {
  IDaeSystem* system = nullptr;
  SUNContext context = nullptr;
  N_Vector y = nullptr;
  N_Vector yp = nullptr;
  N_Vector id = nullptr;
  SUNMatrix jacobian = nullptr;
  SUNLinearSolver solver = nullptr;
  void* ida = nullptr;
  std::vector<int> columnStarts;
  std::vector<int> rows;

  ~Sundials() {
    if (ida) IDAFree(&ida);
    if (solver) SUNLinSolFree(solver);
    if (jacobian) SUNMatDestroy(jacobian);
    for (N_Vector v : {y, yp, id})
      if (v) N_VDestroy(v);
    if (context) SUNContext_Free(&context);
  }

  // A point where F cannot be evaluated is recoverable (1): IDA retries with a smaller step.
  static int Residual(realtype t, N_Vector y, N_Vector yp, N_Vector r, void* data) {
    IDaeSystem& system = *static_cast<Sundials*>(data)->system;
    return system.Residual(t, N_VGetArrayPointer(y), N_VGetArrayPointer(yp), N_VGetArrayPointer(r)) ? 0 : 1;
  }

  static int Jacobian(realtype t, realtype alpha, N_Vector y, N_Vector yp, N_Vector, SUNMatrix jacobian, void* data,
                      N_Vector, N_Vector, N_Vector) {
    auto& s = *static_cast<Sundials*>(data);
    sunindextype* starts = SUNSparseMatrix_IndexPointers(jacobian);
    sunindextype* rows = SUNSparseMatrix_IndexValues(jacobian);
    std::copy(s.columnStarts.begin(), s.columnStarts.end(), starts);
    std::copy(s.rows.begin(), s.rows.end(), rows);
    return s.system->Jacobian(t, alpha, N_VGetArrayPointer(y), N_VGetArrayPointer(yp), SUNSparseMatrix_Data(jacobian))
               ? 0
               : 1;
  }

  static void KeepMessage(int, const char*, const char*, char* message, void* data) {
    *static_cast<std::string*>(data) = message ? message : "";
  }
};

CDaeIntegrator::CDaeIntegrator(IDaeSystem& system, const DaeTolerances& tolerances)
    : m_system(system), m_tolerances(tolerances) {}

CDaeIntegrator::~CDaeIntegrator() = default;

bool CDaeIntegrator::Fail(const std::string& what, int flag) {
  m_problem = what;
  if (flag < 0) {
    char* name = IDAGetReturnFlagName(flag);  // IDA's own allocation, ours to free
    m_problem += std::string(" (") + (name ? name : "?") + ")";
    std::free(name);
  }
  if (!m_idaMessage.empty()) m_problem += ": " + m_idaMessage;
  return false;
}

void CDaeIntegrator::CopyOut() {
  const double* y = N_VGetArrayPointer(m_sundials->y);
  const double* yp = N_VGetArrayPointer(m_sundials->yp);
  std::copy(y, y + m_y.size(), m_y.begin());
  std::copy(yp, yp + m_yp.size(), m_yp.begin());
}

bool CDaeIntegrator::Start(double t0) {
  m_sundials.reset();
  m_problem.clear();
  m_idaMessage.clear();
  m_time = t0;
  m_stopSet = false;
  const int n = m_system.Size();
  m_system.StartingPoint(m_y, m_yp);
  m_y.resize(static_cast<std::size_t>(n));
  m_yp.resize(static_cast<std::size_t>(n));
  if (n == 0) return true;  // nothing changes in time; the clock alone advances

  auto s = std::make_unique<Sundials>();
  s->system = &m_system;
  if (SUNContext_Create(nullptr, &s->context) != 0) return Fail("the integrator cannot be set up", 0);
  s->y = N_VNew_Serial(n, s->context);
  s->yp = N_VNew_Serial(n, s->context);
  s->id = N_VNew_Serial(n, s->context);
  m_system.JacobianPattern(s->columnStarts, s->rows);
  if (s->columnStarts.size() != static_cast<std::size_t>(n) + 1 || s->columnStarts.front() != 0 ||
      s->rows.size() != static_cast<std::size_t>(s->columnStarts.back()))
    return Fail("the system's Jacobian pattern does not match its size", 0);
  const auto nonZeros = std::max<sunindextype>(1, static_cast<sunindextype>(s->rows.size()));
  s->jacobian = SUNSparseMatrix(n, n, nonZeros, CSC_MAT, s->context);
  if (!s->y || !s->yp || !s->id || !s->jacobian) return Fail("the integrator cannot be set up", 0);
  double* y = N_VGetArrayPointer(s->y);
  double* yp = N_VGetArrayPointer(s->yp);
  double* id = N_VGetArrayPointer(s->id);
  for (int i = 0; i < n; ++i) {
    y[i] = m_y[static_cast<std::size_t>(i)];
    yp[i] = m_yp[static_cast<std::size_t>(i)];
    id[i] = m_system.IsDifferential(i) ? 1.0 : 0.0;
  }
  s->solver = SUNLinSol_KLU(s->y, s->jacobian, s->context);
  s->ida = IDACreate(s->context);
  if (!s->solver || !s->ida) return Fail("the integrator cannot be set up", 0);
  m_sundials = std::move(s);
  Sundials& d = *m_sundials;
  IDASetErrHandlerFn(d.ida, Sundials::KeepMessage, &m_idaMessage);
  int flag = IDAInit(d.ida, Sundials::Residual, t0, d.y, d.yp);
  if (flag == IDA_SUCCESS) flag = IDASetUserData(d.ida, &d);
  if (flag == IDA_SUCCESS) flag = IDASStolerances(d.ida, m_tolerances.relative, m_tolerances.absolute);
  if (flag == IDA_SUCCESS) flag = IDASetId(d.ida, d.id);
  if (flag == IDA_SUCCESS) flag = IDASetMaxNumSteps(d.ida, m_tolerances.maxSteps);
  if (flag == IDA_SUCCESS) flag = IDASetLinearSolver(d.ida, d.solver, d.jacobian);
  if (flag == IDA_SUCCESS) flag = IDASetJacFn(d.ida, Sundials::Jacobian);
  if (flag != IDA_SUCCESS) return Fail("the integrator cannot be set up", flag);

  // A starting point that already satisfies F is kept as it is.
  std::vector<double> residual(static_cast<std::size_t>(n));
  const bool evaluated = m_system.Residual(t0, y, yp, residual.data());
  double worst = 0.0;
  for (double r : residual) worst = std::max(worst, std::fabs(r));
  if (!evaluated || !(worst <= m_tolerances.absolute)) {
    // IDA needs a first output time to scale the correction; a small one past t0 will do.
    flag = IDACalcIC(d.ida, IDA_YA_YDP_INIT, t0 + 1e-3 * std::max(1.0, std::fabs(t0)));
    if (flag < 0) return Fail("no consistent starting point was found", flag);
    flag = IDAGetConsistentIC(d.ida, d.y, d.yp);
    if (flag != IDA_SUCCESS) return Fail("no consistent starting point was found", flag);
  }
  CopyOut();
  return true;
}

CDaeIntegrator::Step CDaeIntegrator::StepToward(double target) {
  if (!m_problem.empty()) return Step::Failed;
  if (!(target > m_time)) return Step::Reached;
  if (!m_sundials) {
    if (m_system.Size() != 0) return Fail("the integrator was not started", 0), Step::Failed;
    m_time = target;
    return Step::Reached;
  }
  Sundials& d = *m_sundials;
  if (!m_stopSet || m_stopTime != target) {
    if (const int flag = IDASetStopTime(d.ida, target); flag != IDA_SUCCESS)
      return Fail("the integrator cannot stop at " + std::to_string(target), flag), Step::Failed;
    m_stopTime = target;
    m_stopSet = true;
  }
  realtype reached = m_time;
  const int flag = IDASolve(d.ida, target, &reached, d.y, d.yp, IDA_ONE_STEP);
  if (flag < 0) return Fail("the integration failed at time " + std::to_string(m_time), flag), Step::Failed;
  m_time = reached;
  CopyOut();
  if (flag == IDA_TSTOP_RETURN || reached >= target) {
    m_time = target;
    m_stopSet = false;  // IDA forgets a stop time once reached
    return Step::Reached;
  }
  return Step::Advanced;
}

bool CDaeIntegrator::AdvanceTo(double target) {
  for (;;) {
    switch (StepToward(target)) {
      case Step::Reached: return true;
      case Step::Failed: return false;
      case Step::Advanced: break;
    }
  }
}
