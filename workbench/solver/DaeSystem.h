// A system of differential-algebraic equations F(t, y, y') = 0 as an
// integrator sees it: unknowns y with derivatives y', residuals and an exact
// sparse Jacobian dF/dy + alpha * dF/dy' on a pattern that does not change.
#pragma once

#include <string>
#include <vector>

class IDaeSystem {
 public:
  virtual ~IDaeSystem() = default;
  virtual int Size() const = 0;
  // True for an unknown whose time derivative appears in the equations.
  virtual bool IsDifferential(int unknown) const = 0;
  virtual std::string UnknownName(int unknown) const = 0;
  // Values to start from: y from the current values, y' as the last run left them.
  virtual void StartingPoint(std::vector<double>& y, std::vector<double>& yp) const = 0;
  // False when F cannot be evaluated at this point (the integrator may retry with a smaller step).
  virtual bool Residual(double t, const double* y, const double* yp, double* residual) const = 0;
  // The Jacobian's pattern in compressed sparse columns: columnStarts has Size() + 1 entries.
  virtual void JacobianPattern(std::vector<int>& columnStarts, std::vector<int>& rows) const = 0;
  // The Jacobian's values in the pattern's order; false when they cannot be evaluated.
  virtual bool Jacobian(double t, double alpha, const double* y, const double* yp, double* values) const = 0;
  // Takes a solution point as the flowsheet's current values.
  virtual void Publish(double t, const double* y, const double* yp) = 0;
};
