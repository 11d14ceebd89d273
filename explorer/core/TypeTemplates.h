// The modelling-language texts a new type starts from: the kind's keyword and
// the new name, commented lines that show what a definition of the kind may
// hold, then "End". Each kind also has the message shown when creating fails.
#pragma once

#include <string>

#include "platform/Types.h"

enum class NewTypeKind { Model, Structure, Stream, Variable, Parameter, Port, Procedure, Function };

// The template of kind for name; parameterKind chooses the parameter's base type (0 to 3, others none).
std::string NewTypeTemplate(NewTypeKind kind, const std::string& name, int parameterKind = -1);
// The string id of the message shown when a type of kind could not be created.
UINT NewTypeFailureMessage(NewTypeKind kind);
