// Reads one definition:
//
//   definition := keyword name [ "Uses" base ] [ ";" ] body "End" [ ";" ]
//   keyword    := Model | Controller | Stream | Structure | Variable | Parameter
//               | Port | Procedure | Function | Task
//
// The body is read by kind: statements for models, controllers, streams and
// structures, declarations for ports, properties for variable and parameter
// types, procedures and functions. A task's header line after the name and
// its body are kept as written. End closes the definition when it begins a
// statement: first on its line, or right after a ';'.
#pragma once

#include <optional>
#include <string_view>

#include "workbench/language/BoundedReport.h"
#include "workbench/language/Definition.h"

// What could be read of the definition in text; every problem of form is
// reported with its line. Nothing when the text holds no definition header.
std::optional<Definition> ParseDefinition(std::string_view text, CBoundedReport& report);
