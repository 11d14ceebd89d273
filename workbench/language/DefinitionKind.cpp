#include "workbench/language/DefinitionKind.h"

#include <array>

#include "workbench/language/TextCase.h"

namespace {

struct KindWords {
  DefinitionKind kind;
  std::string_view keyword;
  std::string_view noun;
};

constexpr std::array<KindWords, 10> kKinds{{
    {DefinitionKind::Model, "Model", "model"},
    {DefinitionKind::Controller, "Controller", "controller"},
    {DefinitionKind::Stream, "Stream", "stream type"},
    {DefinitionKind::Structure, "Structure", "structure type"},
    {DefinitionKind::Variable, "Variable", "variable type"},
    {DefinitionKind::Parameter, "Parameter", "parameter type"},
    {DefinitionKind::Port, "Port", "port type"},
    {DefinitionKind::Procedure, "Procedure", "procedure"},
    {DefinitionKind::Function, "Function", "function"},
    {DefinitionKind::Task, "Task", "task"},
}};

const KindWords& WordsOf(DefinitionKind kind) {
  for (const KindWords& k : kKinds)
    if (k.kind == kind) return k;
  return kKinds[0];
}

}  // namespace

std::optional<DefinitionKind> DefinitionKindFromKeyword(std::string_view word) {
  for (const KindWords& k : kKinds)
    if (EqualsNoCase(k.keyword, word)) return k.kind;
  return std::nullopt;
}

std::string_view DefinitionKeyword(DefinitionKind kind) { return WordsOf(kind).keyword; }

std::string_view DefinitionKindNoun(DefinitionKind kind) { return WordsOf(kind).noun; }

std::string DefinitionKeywordList() {
  std::string list;
  for (const KindWords& k : kKinds) {
    if (!list.empty()) list += ", ";
    list += k.keyword;
  }
  return list;
}

bool HoldsStatements(DefinitionKind kind) {
  return kind == DefinitionKind::Model || kind == DefinitionKind::Controller || kind == DefinitionKind::Stream ||
         kind == DefinitionKind::Structure;
}

bool HoldsProperties(DefinitionKind kind) {
  return kind == DefinitionKind::Variable || kind == DefinitionKind::Parameter ||
         kind == DefinitionKind::Procedure || kind == DefinitionKind::Function;
}

bool IsModelKind(DefinitionKind kind) {
  return kind == DefinitionKind::Model || kind == DefinitionKind::Controller || kind == DefinitionKind::Stream;
}
