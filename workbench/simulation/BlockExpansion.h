// The equations that an equation inside For and If blocks stands for when its
// model is instantiated: a For block's body once for each value of its range,
// with the index written as that number, and an If block's Then or Else part
// as its condition decides.
//
// Ranges and conditions are worked out, as the model is made, from numbers,
// the indices of the For blocks around them and the values the model
// declares (a parameter's value, a variable's given value). A range is a list
// of whole numbers and spans, "[1:N]", "[1, 3, 5:7]"; a condition is true when
// not 0, and compares with < > <= >= <> == and =, joined by and, or, not.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/language/Definition.h"

struct ExpandedEquation {
  std::string name;  // "flow(2)" for the equation "flow" at index 2; empty for an unnamed equation
  std::string text;  // with each index written as its value
};

// The value a model declares for a name (no path), when it declares one.
using DeclaredValue = std::function<std::optional<double>(std::string_view name)>;

// The equations equation stands for (itself when it is in no block). False, with what cannot be
// worked out in problem, when a range or a condition cannot be.
bool ExpandBlocks(const Equation& equation, const DeclaredValue& declared, std::vector<ExpandedEquation>& out,
                  std::string& problem);

// The value of an expression as a condition or a number reads it; names are read through declared.
// Nothing with problem set when it has no value.
std::optional<double> EvaluateDeclaredExpression(std::string_view text, const DeclaredValue& declared,
                                                 std::string& problem);
