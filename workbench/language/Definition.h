// What the parser reads from one definition: its kind and name, the header's
// "Uses" base, and the contents of its body with line numbers. Everything the
// parser keeps as text is the text as written (verbatim slices), so a
// definition can be written out again without losing what the user wrote.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/language/DefinitionKind.h"
#include "workbench/language/Token.h"

// One token of a property's value; strings are unquoted with escapes resolved.
struct PropertyWord {
  TokenKind kind = TokenKind::Identifier;
  std::string text;
};

// "Lower: 0;", "PhysicalQuantity : \"Pressure\";", "Valid as StringSet ([\"a\",\"b\"]);".
struct Property {
  std::string name;  // as written: "Lower", "Valid"
  std::string text;  // the value as written; for "Valid" the list inside "StringSet (...)"
  std::vector<PropertyWord> words;
  int line = 0;

  // A number, optionally signed: "-1.5e3".
  std::optional<double> Number() const;
  // A whole number, optionally signed.
  std::optional<long long> Integer() const;
  // Exactly one string.
  std::optional<std::string> String() const;
  // True or False (any case).
  std::optional<bool> Logical() const;
  // Names separated by commas: "Pressure, Temperature"; nothing when the value is anything else.
  std::optional<std::vector<std::string>> Names() const;
  // Every string of the value (the members of a "Valid" set).
  std::vector<std::string> Strings() const;
};

enum class DeclarationMode {
  Plain,     // x as T
  Input,     // x as Input PortType
  Output,    // x as Output PortType
  External,  // x as external StructureType ("default instance")
  Global,    // x as global StructureType: a global structure instance of a flowsheet
};

// One item of a declaration's parenthesised list.
struct DeclarationAttribute {
  std::string name;         // "description", or a submodel's variable in "a = b"; empty for a plain value
  bool connection = false;  // written "name = value"
  std::string value;        // as written
  std::optional<std::string> stringValue;  // when the value is a single string
  int line = 0;
};

// "P as Pressure (1.0, Fixed, description:\"Inlet pressure\");". A list of
// names ("a, b as T;") gives one declaration per name.
struct Declaration {
  std::string name;
  std::string typeName;
  DeclarationMode mode = DeclarationMode::Plain;
  std::vector<DeclarationAttribute> attributes;
  int line = 0;

  std::optional<std::string> Description() const;
  // The fixing status given among the values: Fixed, Free, Initial or RateInitial.
  std::optional<std::string> Spec() const;
  // The first plain value that is not a fixing status.
  std::optional<std::string> DefaultValue() const;
};

// A For or If block around an equation: "For i In [1:N] Do", or the Then or
// the Else part of "If N > 2 Then".
struct BlockFrame {
  enum class Kind { For, Then, Else };
  Kind kind = Kind::For;
  std::string index;       // For: the loop's index
  std::string expression;  // For: its range, If: the condition, as written
  int line = 0;            // of For or If
};

// "name : lhs = rhs;" or "lhs = rhs;".
struct Equation {
  std::string name;  // empty for an unnamed equation
  std::string text;  // "lhs = rhs" as written
  int line = 0;
  bool inBlock = false;  // inside a For or If block
  std::vector<BlockFrame> blocks;  // the blocks it stands in, outermost first
};

// "Call (outputs) = procedure(inputs);".
struct ProcedureCall {
  std::string procedure;
  std::vector<std::string> outputs;  // each argument as written
  std::vector<std::string> inputs;
  int line = 0;
  bool inBlock = false;
};

// "Spec T101.Level (1.5, Initial, lower:0, upper:6);" in a flowsheet: the
// value, fixing status and bounds of a variable of one of its blocks.
struct SpecStatement {
  std::string path;  // as written, blanks removed: "T101.Level"
  std::vector<DeclarationAttribute> attributes;
  int line = 0;

  std::optional<std::string> Spec() const;
  std::optional<std::string> Value() const;
  std::optional<std::string> Named(std::string_view attributeName) const;
};

// A For or If block at the top of a body, kept as written ("For ... EndFor;").
struct StatementBlock {
  std::string text;
  int line = 0;
};

enum class ReferenceRole {
  Base,          // Model M Uses Base
  Declaration,   // x as T
  Procedure,     // Call (...) = P(...)
  Function,      // f(...) inside an expression, f not declared and not built in
  PropertyType,  // Inputs: T1, T2;  Outputs: T;  Output: T;
};

// A type name the definition refers to, with where it stands in the text.
struct TypeReference {
  std::string name;
  ReferenceRole role = ReferenceRole::Declaration;
  int line = 0;
  std::size_t offset = 0;  // of the name in the definition's text
};

// A name used inside an expression: the first part of a path ("Inlet" of
// "Inlet.F"), or the name of something called ("exp" of "exp(x)").
struct NameUse {
  std::string name;
  int line = 0;
  std::size_t offset = 0;
  bool called = false;
};

struct Definition {
  DefinitionKind kind = DefinitionKind::Model;
  std::string name;
  int line = 0;                // of the keyword
  std::size_t nameOffset = 0;  // of the name in the text
  std::string base;            // "Uses" base type, empty when none
  int baseLine = 0;
  std::string headerRest;  // tasks: what follows the name on the header line, as written
  std::string body;        // tasks: the lines between the header and End, as written
  std::vector<Property> properties;
  std::vector<Declaration> declarations;
  std::vector<Equation> equations;
  std::vector<ProcedureCall> calls;
  std::vector<SpecStatement> specStatements;
  std::vector<StatementBlock> blocks;
  std::vector<TypeReference> references;
  std::vector<NameUse> nameUses;
  bool closed = false;  // End was found
  int endLine = 0;

  const Property* FindProperty(std::string_view propertyName) const;
  const Declaration* FindDeclaration(std::string_view declarationName) const;
  const Equation* FindEquation(std::string_view equationName) const;
};
