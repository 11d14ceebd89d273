#include "workbench/language/PropertyCatalogue.h"

#include <span>

#include "workbench/language/TextCase.h"

namespace {

using S = PropertyShape;

constexpr PropertyRule kVariable[] = {
    {"Lower", S::Number}, {"Upper", S::Number}, {"Value", S::Number}, {"PhysicalQuantity", S::String},
    {"Scale", S::Number}};
constexpr PropertyRule kIntegerParameter[] = {{"Lower", S::Integer}, {"Upper", S::Integer}, {"Value", S::Integer}};
constexpr PropertyRule kLogicalParameter[] = {{"Value", S::Logical}};
constexpr PropertyRule kRealParameter[] = {
    {"Lower", S::Number}, {"Upper", S::Number}, {"Value", S::Number}, {"PhysicalQuantity", S::String}};
constexpr PropertyRule kStringParameter[] = {{"Valid", S::StringSet}, {"Value", S::String}};
constexpr PropertyRule kAnyParameter[] = {{"Lower", S::Number},
                                          {"Upper", S::Number},
                                          {"Value", S::Any},
                                          {"PhysicalQuantity", S::String},
                                          {"Valid", S::StringSet}};
constexpr PropertyRule kProcedure[] = {
    {"Library", S::String},  {"Call", S::Name},          {"Compatibility", S::String},
    {"Implementation", S::Implementation},                {"Language", S::Language},
    {"Options", S::Any},     {"Workspace", S::Integer},  {"Inputs", S::TypeNames},
    {"Outputs", S::TypeNames}};
constexpr PropertyRule kFunction[] = {
    {"Library", S::String},  {"Call", S::Name},          {"Compatibility", S::String},
    {"Implementation", S::Implementation},                {"Language", S::Language},
    {"Options", S::Any},     {"Workspace", S::Integer},  {"Inputs", S::TypeNames},
    {"Output", S::TypeName}};

std::span<const PropertyRule> RulesOf(DefinitionKind kind, std::optional<BaseParameterKind> base) {
  switch (kind) {
    case DefinitionKind::Variable: return kVariable;
    case DefinitionKind::Procedure: return kProcedure;
    case DefinitionKind::Function: return kFunction;
    case DefinitionKind::Parameter:
      if (!base) return kAnyParameter;
      switch (*base) {
        case BaseParameterKind::Integer: return kIntegerParameter;
        case BaseParameterKind::Logical: return kLogicalParameter;
        case BaseParameterKind::Real: return kRealParameter;
        case BaseParameterKind::String: return kStringParameter;
      }
      return kAnyParameter;
    default: return {};
  }
}

}  // namespace

std::optional<PropertyRule> FindPropertyRule(DefinitionKind kind, std::optional<BaseParameterKind> base,
                                             std::string_view name) {
  for (const PropertyRule& rule : RulesOf(kind, base))
    if (EqualsNoCase(rule.name, name)) return rule;
  return std::nullopt;
}

std::string PropertyNameList(DefinitionKind kind, std::optional<BaseParameterKind> base) {
  std::string list;
  for (const PropertyRule& rule : RulesOf(kind, base)) {
    if (!list.empty()) list += ", ";
    list += rule.name;
  }
  return list;
}

bool PropertyNamesTypes(std::string_view name) {
  return EqualsNoCase(name, "Inputs") || EqualsNoCase(name, "Outputs") || EqualsNoCase(name, "Output");
}

std::string_view DescribeShape(PropertyShape shape) {
  switch (shape) {
    case S::Number: return "a number";
    case S::Integer: return "a whole number";
    case S::String: return "a string in double quotes";
    case S::Logical: return "True or False";
    case S::Name: return "a name";
    case S::TypeName: return "a type name";
    case S::TypeNames: return "type names separated by commas";
    case S::Implementation: return "Subroutine or Function followed by the source file path in double quotes";
    case S::Language: return "FORTRAN, C or \"C++\"";
    case S::StringSet: return "a set of strings";
    case S::Any: return "a value";
  }
  return "a value";
}
