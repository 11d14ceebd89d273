#include "workbench/language/BuiltinNames.h"

#include <array>

#include "workbench/language/TextCase.h"

namespace {

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& words, std::string_view word) {
  for (std::string_view w : words)
    if (EqualsNoCase(w, word)) return true;
  return false;
}

constexpr std::array<std::string_view, 4> kSpecWords{"Fixed", "Free", "Initial", "RateInitial"};
constexpr std::array<std::string_view, 19> kFunctions{"exp",  "ln",   "log",  "log10", "sqrt", "abs",  "sin",
                                                      "cos",  "tan",  "asin", "acos",  "atan", "sinh", "cosh",
                                                      "tanh", "min",  "max",  "sign",  "int"};
constexpr std::array<std::string_view, 3> kNames{"Time", "True", "False"};

}  // namespace

std::optional<BaseParameterKind> BaseParameterKindOf(std::string_view typeName) {
  if (EqualsNoCase(typeName, "IntegerParameter")) return BaseParameterKind::Integer;
  if (EqualsNoCase(typeName, "LogicalParameter")) return BaseParameterKind::Logical;
  if (EqualsNoCase(typeName, "RealParameter")) return BaseParameterKind::Real;
  if (EqualsNoCase(typeName, "StringParameter")) return BaseParameterKind::String;
  return std::nullopt;
}

bool IsSpecWord(std::string_view word) { return Contains(kSpecWords, word); }

bool IsBuiltinFunction(std::string_view name) { return Contains(kFunctions, name); }

bool IsBuiltinName(std::string_view name) { return Contains(kNames, name); }
