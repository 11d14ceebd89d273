// What the checks of one definition share: the definition, the resolver and
// the report. Used by the checker's parts only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/Definition.h"
#include "workbench/language/TypeResolver.h"

struct CCheckContext {
  const Definition& definition;
  const TypeResolver& resolver;
  CBoundedReport& report;

  // The kind of a referenced type: a base parameter type, the definition
  // itself, or whatever the resolver knows; nothing when unknown.
  std::optional<DefinitionKind> KindOf(std::string_view typeName) const;
  bool IsSelf(std::string_view typeName) const;
  // "model 'Tank'"
  std::string Noun() const;
};

// "a model", "an external procedure"... with the article: "'X' is <article noun>".
std::string WithArticle(DefinitionKind kind);

void CheckProperties(const CCheckContext& context);
void CheckDeclarations(const CCheckContext& context);
void CheckExpressionNames(const CCheckContext& context);
