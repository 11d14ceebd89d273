#include "workbench/run/RunEntryPoints.h"

RunEntryPoints FlowsheetRunEntryPoints() { return RunEntryPoints{SolveFlowsheet, MakeFlowsheetDae}; }
