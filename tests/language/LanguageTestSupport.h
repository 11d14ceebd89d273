// Helpers shared by the language tests: a resolver over a fixed table of
// types, and short ways to read a report.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/ParseReport.h"
#include "workbench/language/DefinitionKind.h"
#include "workbench/language/TextCase.h"
#include "workbench/language/TypeResolver.h"

// Answers from a table of type names (any case) and kinds.
class TableResolver {
 public:
  TableResolver(std::initializer_list<std::pair<const char*, DefinitionKind>> types) {
    for (const auto& [name, kind] : types) m_types[LowerAscii(name)] = kind;
  }

  TypeResolver Resolver() {
    return [this](std::string_view name) -> std::optional<DefinitionKind> {
      auto it = m_types.find(LowerAscii(name));
      if (it == m_types.end()) return std::nullopt;
      return it->second;
    };
  }

 private:
  std::map<std::string, DefinitionKind> m_types;
};

// The types most tests can refer to.
inline TableResolver StandardTypes() {
  return TableResolver{{"Pressure", DefinitionKind::Variable},     {"Temperature", DefinitionKind::Variable},
                       {"Flow", DefinitionKind::Variable},         {"Count", DefinitionKind::Parameter},
                       {"Material", DefinitionKind::Port},         {"Tank", DefinitionKind::Model},
                       {"PIDControl", DefinitionKind::Controller}, {"Pipe", DefinitionKind::Stream},
                       {"PropsTable", DefinitionKind::Structure},  {"Flash", DefinitionKind::Procedure},
                       {"Enthalpy", DefinitionKind::Function},     {"Startup", DefinitionKind::Task}};
}

// "3:unknown type ..." for every message of a severity, to compare in one line.
inline std::vector<std::string> Messages(const QVParseReport& report, int severity) {
  std::vector<std::string> out;
  for (const QVParseMessage& m : report.messages)
    if (m.severity == severity) out.push_back(std::to_string(m.line) + ":" + m.message);
  return out;
}
inline std::vector<std::string> Errors(const QVParseReport& report) { return Messages(report, QV_SEVERITY_ERROR); }
inline std::vector<std::string> Warnings(const QVParseReport& report) {
  return Messages(report, QV_SEVERITY_WARNING);
}

// Whether some message of the severity is on the line and contains the words.
inline bool HasMessage(const QVParseReport& report, int severity, int line, std::string_view words) {
  for (const QVParseMessage& m : report.messages)
    if (m.severity == severity && m.line == line && m.message.find(words) != std::string::npos) return true;
  return false;
}
inline bool HasError(const QVParseReport& report, int line, std::string_view words) {
  return HasMessage(report, QV_SEVERITY_ERROR, line, words);
}
