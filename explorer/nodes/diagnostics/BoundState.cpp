#include "explorer/nodes/diagnostics/BoundState.h"

#include <cmath>

#include "host/model/IQVVariable.h"

namespace {

constexpr double kBoundTolerance = 1e-12;

}  // namespace

std::string BoundStateText(double value, double lower, double upper) {
  if (kBoundTolerance * (1.0 + std::fabs(lower)) > value - lower) return "Lower";
  if (kBoundTolerance * (1.0 + std::fabs(upper)) > upper - value) return "Upper";
  return " ";
}

std::string VariableBoundState(IQVVariable* variable) {
  double value = 0, lower = 0, upper = 0;
  if (!variable || FAILED(variable->GetPropertyReal("Value", &value)) ||
      FAILED(variable->GetPropertyReal("Lower", &lower)) || FAILED(variable->GetPropertyReal("Upper", &upper)))
    return " ";
  return BoundStateText(value, lower, upper);
}
