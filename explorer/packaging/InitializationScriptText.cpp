#include "explorer/packaging/InitializationScriptText.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>

#include "platform/TextTrim.h"

namespace {

// The user's locale when the system knows it, else the classic one.
std::locale UserLocale() {
  try {
    return std::locale("");
  } catch (const std::exception&) {
    return std::locale::classic();
  }
}

std::string FormatTime(const std::tm& when, const char* format) {
  std::ostringstream out;
  out.imbue(UserLocale());
  out << std::put_time(&when, format);
  std::string text = out.str();
  if (text.size() > 128) text.resize(128);
  return text;
}

}  // namespace

void GetTimeDate(std::string& timeDate) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  timeDate = FormatTime(local, "%X") + " " + FormatTime(local, "%A, %d %B %Y");
}

std::string FormatInitialValue(const std::string& text) {
  const std::string trimmed = TrimText(text);
  double value = 0.0;
  const char* end = trimmed.data() + trimmed.size();
  const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
  if (error != std::errc() || stop != end) return {};
  return FormatInitialValue(value);
}

std::string FormatInitialValue(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%e", value);
  return buffer;
}

std::string CreatePreSolveScriptText(const std::string& modelName, const std::string& blockName,
                                     const std::string& timeStamp, const InitializationValues& first,
                                     const InitializationValues& second) {
  std::string text = "' Presolve script for model " + modelName;
  text += "\n' Created from block " + blockName + " at " + timeStamp;
  text += "\n'";
  text += "\n' Initialize values if:";
  text += "\n'   Fenmark EO mode & previously failed to converge,";
  text += "\n'   or Fenmark SM mode or Trelbrook, and not previously solved,";
  text += "\n'   or running manually in KTR";
  text += "\n\nIf (SolutionMode = \"Sequential Modular\" and SMStatus <> \"Converged\") _";
  text += "\n    or (SolutionMode = \"Equation Oriented\" and EOStatus = \"Not converged\") _";
  text += "\n    or (SolutionMode = \"\") Then";
  text += "\n\n  Application.Msg \"    PreSolve: Performing Initialization \"";
  text += "\n  DisableIncrementalUpdate\n";
  for (std::size_t i = 0; i < first.names.size() && i < first.values.size(); ++i) {
    const std::string& name = first.names[i];
    text += "\n    If " + name + ".spec <> \"Fixed\" Then " + name + ".value = " + first.values[i] + " End If";
  }
  const std::size_t seconds = std::min(second.names.size(), second.values.size());
  for (std::size_t j = 0; j < seconds; ++j) text += "\n    " + second.names[j] + ".value = " + second.values[j];
  if (seconds > 0) text += "\n";
  text += "\n  EnableIncrementalUpdate";
  text += "\n\nEnd If";
  return text;
}

std::string CreateEBSolveScriptText(const std::string& modelName, const std::string& blockName,
                                    const std::string& timeStamp, InitializationValues& values) {
  std::string text = "// EBSolve script for model " + modelName;
  text += "\n// Created from block " + blockName + " at " + timeStamp;
  text += "\n//";
  text += "\n// Initialize values if:";
  text += "\n//   Fenmark EO mode & previously failed to converge,";
  text += "\n//   or Fenmark SM mode or Trelbrook, and not previously solved\n";
  text += "\nIF (((&Self.SOLUTION_MODE = \"Sequential Modular\") AND (&Self.SM_STATUS <> \"Converged\")) \\";
  text += "\nOR ((&Self.SOLUTION_MODE = \"Equation Oriented\") AND (&Self.EO_STATUS = \"Not converged\"))) THEN";
  text += "\n\nECHO \"    EBSolve: Performing Initialization\"\n";
  const std::size_t count = std::min(values.names.size(), values.values.size());
  for (std::size_t i = 0; i < count; ++i) {
    std::string& name = values.names[i];
    name.erase(std::remove(name.begin(), name.end(), '"'), name.end());
    const std::string unit = i < values.units.size() ? values.units[i] : std::string();
    const std::string unitPart = unit.empty() ? std::string() : "   {" + unit + "}";
    text += "\nIF(QUERYVARS(ISFREE(\"'&SELF." + name + "'\"))) THEN";
    text += "\n   '&SELF." + name + ".value' = " + values.values[i] + unitPart;
    text += "\nENDIF";
  }
  if (count > 0) text += "\n";
  text += "\nENDIF";
  text += "\n\n// Solve command required to run the block";
  text += "\nIF (&Self.SOLUTION_MODE = \"Sequential Modular\") THEN";
  text += "\n   SOLVE";
  text += "\nENDIF";
  return text;
}
