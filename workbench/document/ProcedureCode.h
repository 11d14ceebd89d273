// The C declaration a procedure or function definition asks for: the routine
// named by its "Call" property, taking its inputs and giving its outputs as
// arrays of reals, with the variable types listed in comments.
#pragma once

#include <string>

struct Definition;

// Empty when the definition is neither a procedure nor a function.
std::string ProcedureDeclaration(const Definition& definition);
