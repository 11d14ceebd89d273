// Making the flowsheet's instances from the compiled texts: the simulation's
// flowsheet type (the "Flowsheet" it sees), the model of every block, the
// flowsheet-like models of hierarchies, stream types and structure types.
// Each model type is flattened once per instantiation, however many blocks
// use it. Nothing the user wrote stops it: a block whose type is missing or
// does not compile, a connection that does not fit, a hierarchy that contains
// itself or nests too deeply is kept as a unit with its problem, and the
// problem is listed.
#pragma once

#include <memory>

#include "workbench/simulation/Flowsheet.h"
#include "workbench/simulation/FlowsheetValues.h"

class CStore;
class CStoreType;

// Hierarchies nest no deeper than this below the top flowsheet.
inline constexpr int kMaxHierarchyDepth = 64;

// The flowsheet type the simulation sees: its own "Flowsheet", else the one of a library; null when none.
CStoreType* FindFlowsheetType(CStore& store);

// The units, variables and equations of the store's flowsheet, with values
// changed by the user applied last.
std::unique_ptr<CFlowsheet> InstantiateFlowsheet(CStore& store, const CFlowsheetValues& values);
