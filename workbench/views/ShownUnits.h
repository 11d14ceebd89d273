// A variable's value as the user sees it: in the unit the current unit set
// gives its physical quantity, or as stored when it names no quantity or the
// set has no conversion for it.
#pragma once

#include <string>
#include <string_view>

class CUnitSets;

struct ShownValue {
  double value = 0.0;
  std::string unit;  // empty for a variable without a quantity
};

ShownValue ShowInCurrentUnits(const CUnitSets& units, std::string_view quantity, double baseValue);
