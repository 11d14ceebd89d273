// The checks of properties: known names, no repeats, values of the right form,
// referenced types that exist, and bounds that make sense.
#include <cstdio>
#include <unordered_map>

#include "workbench/language/CheckContext.h"
#include "workbench/language/PropertyCatalogue.h"
#include "workbench/language/TextCase.h"

namespace {

std::string FormatNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

bool IsWordOrString(const PropertyWord& w, std::string_view text) {
  return (w.kind == TokenKind::Identifier || w.kind == TokenKind::String) && EqualsNoCase(w.text, text);
}

bool HasImplementationForm(const Property& p, DefinitionKind kind) {
  if (p.words.size() != 2 || p.words[0].kind != TokenKind::Identifier || p.words[1].kind != TokenKind::String)
    return false;
  if (EqualsNoCase(p.words[0].text, "Function")) return true;
  return kind == DefinitionKind::Procedure && EqualsNoCase(p.words[0].text, "Subroutine");
}

bool HasLanguageForm(const Property& p) {
  return p.words.size() == 1 &&
         (IsWordOrString(p.words[0], "FORTRAN") || IsWordOrString(p.words[0], "C") ||
          IsWordOrString(p.words[0], "C++"));
}

// Each type named by Inputs, Outputs or Output must be a variable or parameter type.
void CheckNamedTypes(const CCheckContext& c, const Property& p, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const std::optional<DefinitionKind> kind = c.KindOf(name);
    if (!kind)
      c.report.Error(p.line, "unknown type '" + name + "' in property '" + p.name + "'");
    else if (*kind != DefinitionKind::Variable && *kind != DefinitionKind::Parameter)
      c.report.Error(p.line, "'" + name + "' in property '" + p.name + "' is " + WithArticle(*kind) +
                                 "; only variable and parameter types can stand there");
  }
}

bool HasShape(const CCheckContext& c, const Property& p, PropertyShape shape) {
  switch (shape) {
    case PropertyShape::Number: return p.Number().has_value();
    case PropertyShape::Integer: return p.Integer().has_value();
    case PropertyShape::String: return p.String().has_value();
    case PropertyShape::Logical: return p.Logical().has_value();
    case PropertyShape::Name: return p.words.size() == 1 && p.words[0].kind == TokenKind::Identifier;
    case PropertyShape::TypeName:
    case PropertyShape::TypeNames: {
      const std::optional<std::vector<std::string>> names = p.Names();
      if (!names || (shape == PropertyShape::TypeName && names->size() != 1)) return false;
      CheckNamedTypes(c, p, *names);
      return true;
    }
    case PropertyShape::Implementation: return HasImplementationForm(p, c.definition.kind);
    case PropertyShape::Language: return HasLanguageForm(p);
    case PropertyShape::StringSet: return !p.text.empty() && p.text.front() == '[';
    case PropertyShape::Any: return true;
  }
  return true;
}

// The property's number into number; false when there is no property or it is not a number.
bool ReadNumber(const Property* property, double& number) {
  if (!property) return false;
  const std::optional<double> read = property->Number();
  if (!read) return false;
  number = *read;
  return true;
}

void CheckBounds(const CCheckContext& c) {
  const Definition& d = c.definition;
  const Property* lower = d.FindProperty("Lower");
  const Property* upper = d.FindProperty("Upper");
  const Property* value = d.FindProperty("Value");
  // Plain numbers with flags: the optimiser cannot follow an optional's
  // engaged flag across the branches below and warns of an uninitialised read.
  double low = 0.0, high = 0.0, v = 0.0;
  const bool hasLow = ReadNumber(lower, low);
  const bool hasHigh = ReadNumber(upper, high);
  const std::string lowText = hasLow ? FormatNumber(low) : std::string("-");
  const std::string highText = hasHigh ? FormatNumber(high) : std::string("-");
  if (hasLow && hasHigh && low > high) {
    c.report.Error(upper->line,
                   Concat({"Lower (", lowText, ") is greater than Upper (", highText, ") in ", c.Noun()}));
    return;
  }
  if (!ReadNumber(value, v)) return;
  const bool below = hasLow && v < low;
  const bool above = hasHigh && v > high;
  if (below || above)
    c.report.Warning(value->line, Concat({"Value ", FormatNumber(v), " lies outside the bounds (", lowText, " to ",
                                          highText, ") of ", c.Noun()}));
}

void CheckValueInSet(const CCheckContext& c) {
  const Property* valid = c.definition.FindProperty("Valid");
  const Property* value = c.definition.FindProperty("Value");
  if (!valid || !value || !value->String()) return;
  for (const std::string& member : valid->Strings())
    if (member == *value->String()) return;
  c.report.Warning(value->line, "Value \"" + *value->String() + "\" is not one of the valid strings of " + c.Noun());
}

}  // namespace

void CheckProperties(const CCheckContext& c) {
  const Definition& d = c.definition;
  const std::optional<BaseParameterKind> base = BaseParameterKindOf(d.base);
  std::unordered_map<std::string, int> firstLine;
  for (const Property& p : d.properties) {
    if (c.report.Full()) return;
    const std::optional<PropertyRule> rule = FindPropertyRule(d.kind, base, p.name);
    if (!rule) {
      c.report.Error(p.line, "'" + p.name + "' is not a property of " + WithArticle(d.kind) +
                                 (base ? " based on " + d.base : std::string()) + "; it takes " +
                                 PropertyNameList(d.kind, base));
      continue;
    }
    const auto [first, inserted] = firstLine.emplace(LowerAscii(p.name), p.line);
    if (!inserted) {
      c.report.Error(p.line, "property '" + p.name + "' is given twice (first at line " +
                                 std::to_string(first->second) + ")");
      continue;
    }
    if (!HasShape(c, p, rule->shape))
      c.report.Error(p.line, "property '" + p.name + "' must be " + std::string(DescribeShape(rule->shape)));
  }
  CheckBounds(c);
  CheckValueInSet(c);
}
