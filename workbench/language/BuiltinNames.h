// Names the language knows without a definition: the base parameter types,
// the fixing statuses of a variable, and the functions and names that
// expressions may use.
#pragma once

#include <optional>
#include <string_view>

enum class BaseParameterKind { Integer, Logical, Real, String };

// "IntegerParameter", "LogicalParameter", "RealParameter", "StringParameter" (any case).
std::optional<BaseParameterKind> BaseParameterKindOf(std::string_view typeName);
// Fixed, Free, Initial, RateInitial (any case).
bool IsSpecWord(std::string_view word);
// exp, ln, log, log10, sqrt, abs, sin, cos, tan, asin, acos, atan, sinh, cosh, tanh, min, max, sign, int.
bool IsBuiltinFunction(std::string_view name);
// Time, True, False.
bool IsBuiltinName(std::string_view name);
