// Small differential-algebraic systems with answers known in closed form, for
// the integrator and the run tests.
#pragma once

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "workbench/solver/DaeSystem.h"

// A tank of cross-section area draining through an outlet: area * dh/dt = -k * sqrt(h).
// Its level is sqrt(h) = sqrt(h0) - k t / (2 area) until it runs dry.
class CDrainingTank : public IDaeSystem {
 public:
  CDrainingTank(double area, double k, double h0) : m_area(area), m_k(k), m_h0(h0) {}
  double ClosedFormLevel(double t) const {
    const double root = std::sqrt(m_h0) - m_k * t / (2.0 * m_area);
    return root > 0.0 ? root * root : 0.0;
  }

  int Size() const override { return 1; }
  bool IsDifferential(int) const override { return true; }
  std::string UnknownName(int) const override { return "T1.h"; }
  void StartingPoint(std::vector<double>& y, std::vector<double>& yp) const override {
    y = {m_h0};
    yp = {0.0};  // not consistent: the integrator has to find dh/dt
  }
  bool Residual(double, const double* y, const double* yp, double* r) const override {
    if (y[0] < 0.0) return false;
    r[0] = m_area * yp[0] + m_k * std::sqrt(y[0]);
    return true;
  }
  void JacobianPattern(std::vector<int>& starts, std::vector<int>& rows) const override {
    starts = {0, 1};
    rows = {0};
  }
  bool Jacobian(double, double alpha, const double* y, const double*, double* values) const override {
    if (y[0] <= 0.0) return false;
    values[0] = m_k / (2.0 * std::sqrt(y[0])) + alpha * m_area;
    return true;
  }
  void Publish(double t, const double* y, const double*) override {
    published->push_back({t, y[0]});
  }

  // (time, level) at each publish; shared, so that it outlives a tank a run owns.
  std::shared_ptr<std::vector<std::pair<double, double>>> published =
      std::make_shared<std::vector<std::pair<double, double>>>();

 private:
  double m_area, m_k, m_h0;
};

// x' = -a x + z with z = b x held algebraically: x = x0 exp((b - a) t), z = b x.
class CLinearDae : public IDaeSystem {
 public:
  CLinearDae(double a, double b, double x0) : m_a(a), m_b(b), m_x0(x0) {}
  double ClosedFormX(double t) const { return m_x0 * std::exp((m_b - m_a) * t); }
  double B() const { return m_b; }

  int Size() const override { return 2; }
  bool IsDifferential(int unknown) const override { return unknown == 0; }
  std::string UnknownName(int unknown) const override { return unknown == 0 ? "x" : "z"; }
  void StartingPoint(std::vector<double>& y, std::vector<double>& yp) const override {
    y = {m_x0, 0.0};  // z starts wrong: the integrator has to solve for it
    yp = {0.0, 0.0};
  }
  bool Residual(double, const double* y, const double* yp, double* r) const override {
    r[0] = yp[0] + m_a * y[0] - y[1];
    r[1] = y[1] - m_b * y[0];
    return true;
  }
  void JacobianPattern(std::vector<int>& starts, std::vector<int>& rows) const override {
    starts = {0, 2, 4};
    rows = {0, 1, 0, 1};
  }
  bool Jacobian(double, double alpha, const double*, const double*, double* v) const override {
    v[0] = m_a + alpha;  // dr0/dx
    v[1] = -m_b;         // dr1/dx
    v[2] = -1.0;         // dr0/dz
    v[3] = 1.0;          // dr1/dz
    return true;
  }
  void Publish(double, const double*, const double*) override {}

 private:
  double m_a, m_b, m_x0;
};
