// Which properties each kind of definition takes and what form their values
// have. Parameter types take those of their base parameter type; a parameter
// type based on another user type, or on nothing, takes any of them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workbench/language/BuiltinNames.h"
#include "workbench/language/DefinitionKind.h"

enum class PropertyShape {
  Number,          // -1.5e3
  Integer,         // 42
  String,          // "text"
  Logical,         // True or False
  Name,            // an identifier: Call: calc;
  TypeName,        // one type name: Output: Pressure;
  TypeNames,       // type names separated by commas: Inputs: Pressure, Temperature;
  Implementation,  // Subroutine "path" or Function "path"
  Language,        // FORTRAN, C or "C++"
  StringSet,       // Valid as StringSet (["a", "b"])
  Any,             // anything up to the ';'
};

struct PropertyRule {
  std::string_view name;
  PropertyShape shape;
};

// The rule for a property of a definition of this kind (and base parameter
// kind, for parameter types), or nothing when the property is unknown there.
std::optional<PropertyRule> FindPropertyRule(DefinitionKind kind, std::optional<BaseParameterKind> base,
                                             std::string_view name);
// "Lower, Upper, Value" for messages.
std::string PropertyNameList(DefinitionKind kind, std::optional<BaseParameterKind> base);
// Whether the value of this property names types (Inputs, Outputs, Output).
bool PropertyNamesTypes(std::string_view name);
// "a number", "a string", ... for messages.
std::string_view DescribeShape(PropertyShape shape);
