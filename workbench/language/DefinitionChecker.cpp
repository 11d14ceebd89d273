#include "workbench/language/DefinitionChecker.h"

#include <set>

#include "workbench/language/BuiltinNames.h"
#include "workbench/language/CheckContext.h"
#include "workbench/language/DefinitionParser.h"
#include "workbench/language/TextCase.h"

namespace {

// The kind a base type named by "Uses" must have, or nothing when the kind
// cannot be based on another type.
std::optional<DefinitionKind> BaseKindFor(DefinitionKind kind) {
  switch (kind) {
    case DefinitionKind::Procedure:
    case DefinitionKind::Function:
    case DefinitionKind::Task: return std::nullopt;
    case DefinitionKind::Controller: return DefinitionKind::Model;
    default: return kind;
  }
}

bool IsModelOrController(DefinitionKind kind) {
  return kind == DefinitionKind::Model || kind == DefinitionKind::Controller;
}

void CheckExpectations(const CCheckContext& c, const CheckOptions& options) {
  const Definition& d = c.definition;
  if (options.expectedKind && *options.expectedKind != d.kind)
    c.report.Error(d.line, "the text defines " + WithArticle(d.kind) + ", but " +
                               WithArticle(*options.expectedKind) + " is expected here");
  if (!options.expectedName.empty() && !EqualsNoCase(options.expectedName, d.name))
    c.report.Error(d.line, "the text defines '" + d.name + "', but the type is named '" + options.expectedName + "'");
}

void CheckBase(const CCheckContext& c) {
  const Definition& d = c.definition;
  if (d.base.empty()) return;
  const std::optional<DefinitionKind> wanted = BaseKindFor(d.kind);
  if (!wanted) {
    c.report.Error(d.baseLine, c.Noun() + " cannot be based on another type ('Uses " + d.base + "')");
    return;
  }
  if (c.IsSelf(d.base)) {
    c.report.Error(d.baseLine, c.Noun() + " cannot be based on itself");
    return;
  }
  const std::optional<DefinitionKind> kind = c.KindOf(d.base);
  if (!kind) {
    c.report.Error(d.baseLine, "unknown base type '" + d.base + "' for " + c.Noun());
    return;
  }
  const bool fits = *kind == *wanted || (IsModelOrController(*kind) && IsModelOrController(*wanted));
  if (!fits)
    c.report.Error(d.baseLine, "'" + d.base + "' is " + WithArticle(*kind) + "; " + WithArticle(d.kind) +
                                   " can only be based on " + WithArticle(*wanted));
}

// Follows the bases from this definition's own; a name met twice closes a circle,
// which no type can be built on. Each name is visited once, so the walk ends.
void CheckBaseChain(const CCheckContext& c, const TypeBaseResolver& baseOf) {
  const Definition& d = c.definition;
  if (d.base.empty() || !baseOf || c.IsSelf(d.base)) return;
  std::set<std::string> seen{LowerAscii(d.name)};
  std::string chain = d.name;
  for (std::string name = d.base; !name.empty();) {
    chain += " Uses " + name;
    if (!seen.insert(LowerAscii(name)).second) {
      c.report.Error(d.baseLine, c.Noun() + " is based on a circle of types (" + chain + ")");
      return;
    }
    std::optional<std::string> next = baseOf(name);
    if (!next) return;  // unknown: said elsewhere
    name = std::move(*next);
  }
}

void CheckVariableHasValue(const CCheckContext& c) {
  const Definition& d = c.definition;
  if (d.kind != DefinitionKind::Variable || !d.base.empty() || d.FindProperty("Value")) return;
  c.report.Warning(d.line, c.Noun() + " has no default Value; its variables start from 0");
}

}  // namespace

std::optional<DefinitionKind> CCheckContext::KindOf(std::string_view typeName) const {
  if (BaseParameterKindOf(typeName)) return DefinitionKind::Parameter;
  if (IsSelf(typeName)) return definition.kind;
  if (!resolver) return std::nullopt;
  return resolver(typeName);
}

bool CCheckContext::IsSelf(std::string_view typeName) const { return EqualsNoCase(typeName, definition.name); }

std::string CCheckContext::Noun() const {
  return std::string(DefinitionKindNoun(definition.kind)) + " '" + definition.name + "'";
}

std::string WithArticle(DefinitionKind kind) {
  const std::string_view noun = DefinitionKindNoun(kind);
  const bool vowel = !noun.empty() && std::string_view("aeiou").find(noun.front()) != std::string_view::npos;
  return (vowel ? "an " : "a ") + std::string(noun);
}

void CheckDefinition(const Definition& definition, const TypeResolver& resolver, const CheckOptions& options,
                     CBoundedReport& report) {
  const CCheckContext context{definition, resolver, report};
  CheckExpectations(context, options);
  CheckBase(context);
  CheckBaseChain(context, options.baseOf);
  if (HoldsProperties(definition.kind)) {
    CheckProperties(context);
    CheckVariableHasValue(context);
  } else if (definition.kind != DefinitionKind::Task) {
    CheckDeclarations(context);
    CheckExpressionNames(context);
  }
}

CheckedDefinition CheckDefinitionText(std::string_view text, const TypeResolver& resolver,
                                      const CheckOptions& options) {
  CheckedDefinition result;
  CBoundedReport report(result.report);
  result.definition = ParseDefinition(text, report);
  if (result.definition) CheckDefinition(*result.definition, resolver, options, report);
  return result;
}
