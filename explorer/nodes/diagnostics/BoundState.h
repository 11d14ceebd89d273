// Whether a variable sits on one of its bounds: "Lower", "Upper" or " ". A
// value within 1e-12 × (1 + |bound|) of a bound counts as on it; a value past
// a bound reads as on that bound too.
#pragma once

#include <string>

struct IQVVariable;

std::string BoundStateText(double value, double lower, double upper);
// From the variable's "Value", "Lower" and "Upper"; " " when any of them cannot be read.
std::string VariableBoundState(IQVVariable* variable);
