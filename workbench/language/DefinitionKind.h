// The kinds of definition the modelling language knows, with the keyword that
// opens each and the words messages use for it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class DefinitionKind {
  Model,       // "Model": a block model
  Controller,  // "Controller": a controller model, written like a model
  Stream,      // "Stream": a stream type
  Structure,   // "Structure": a global structure type
  Variable,    // "Variable": a variable type
  Parameter,   // "Parameter": a parameter type, usually "Uses" one of the base parameter types
  Port,        // "Port": a port type
  Procedure,   // "Procedure": an external procedure
  Function,    // "Function": an external function
  Task,        // "Task": a task; its body is kept as written
};

// The kind opened by a keyword (any case), or nothing.
std::optional<DefinitionKind> DefinitionKindFromKeyword(std::string_view word);
// "Model", "Stream", ... as the keyword is written in new texts.
std::string_view DefinitionKeyword(DefinitionKind kind);
// "model", "stream type", "variable type", ... for messages.
std::string_view DefinitionKindNoun(DefinitionKind kind);
// "Model, Controller, Stream, ..." for messages that list what may stand somewhere.
std::string DefinitionKeywordList();

// Models, controllers, streams and structures hold declarations, equations
// and procedure calls.
bool HoldsStatements(DefinitionKind kind);
// Variable and parameter types, procedures and functions hold "Name: value;" properties.
bool HoldsProperties(DefinitionKind kind);
// Kinds that may be declared as a submodel inside a model.
bool IsModelKind(DefinitionKind kind);
