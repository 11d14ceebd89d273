// Checks a definition the way the host's parser does when a type is created
// or compiled, and gives the parse report: errors (severity 3) for what keeps
// the type from being used, warnings (severity 2) for what is probably a
// mistake. The warnings are:
//   - a variable type with no Value (and no base type to take it from);
//   - a Value outside Lower..Upper;
//   - a parameter Value that is not one of its valid strings;
//   - a port of a model, controller or structure that no equation, Call or
//     connection uses;
//   - a name used in an equation but not declared (not checked when the
//     definition is based on another type, which may declare it);
//   - a call of a function that is neither built in nor a known function type.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/ParseReport.h"
#include "workbench/language/BoundedReport.h"
#include "workbench/language/Definition.h"
#include "workbench/language/TypeResolver.h"

struct CheckOptions {
  std::optional<DefinitionKind> expectedKind;  // the text must define this kind
  std::string expectedName;                    // and this name (any case), when not empty
  // The bases of known types: when given, a chain of bases that comes back on
  // itself (A Uses B, B Uses A, of any length) is an error.
  TypeBaseResolver baseOf;
};

struct CheckedDefinition {
  std::optional<Definition> definition;  // nothing when the text holds no definition header
  QVParseReport report;

  bool Ok() const { return definition.has_value() && !report.HasErrors(); }
};

// Reads and checks the text of one definition.
CheckedDefinition CheckDefinitionText(std::string_view text, const TypeResolver& resolver,
                                      const CheckOptions& options = {});

// The checks beyond form, for a definition already read.
void CheckDefinition(const Definition& definition, const TypeResolver& resolver, const CheckOptions& options,
                     CBoundedReport& report);
