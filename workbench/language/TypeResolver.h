// How the checker learns about the types a definition refers to. The store
// answers for its libraries and the simulation's own types; the base
// parameter types are known without asking.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "workbench/language/DefinitionKind.h"

// The kind of the type of this name, or nothing when there is no such type.
using TypeResolver = std::function<std::optional<DefinitionKind>(std::string_view typeName)>;
// The base ("Uses") of the known type of this name: its name, empty when it has
// none; nothing when there is no such type.
using TypeBaseResolver = std::function<std::optional<std::string>(std::string_view typeName)>;
