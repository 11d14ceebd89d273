// Compiling every equation of a flowsheet into expression trees, in the
// flowsheet's order. A model's equation text is read once, however many
// blocks of the model write it, and bound to each block's own variables. A
// name in an equation is looked for first among the variables of the
// equation's own unit, then by path in the equation's scope and in each scope
// around it (a global structure seen from a block).
#pragma once

#include <functional>
#include <string>
#include <vector>

class CFlowsheet;
class CCompiledEquations;

// False when an equation cannot be compiled; every such equation is named in messages.
// unitDone (may be empty) is given, after each run of one unit's equations, the index of
// that unit's last variable: its variables have just been read and are cheap to read again.
bool CompileFlowsheetEquations(const CFlowsheet& flowsheet, CCompiledEquations& compiled,
                               std::vector<std::string>& messages,
                               const std::function<void(int lastVariable)>& unitDone = {});
