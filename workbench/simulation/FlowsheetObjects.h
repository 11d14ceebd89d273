// The host objects of the flowsheet: a unit's instance, a variable, and what
// the simulation's instance answers for the top flowsheet. Each holds the
// host by a back link and finds what it stands for by path on every call.
#pragma once

#include <string>

#include "host/com/ComPtr.h"

struct IFInstance;
struct IQVVariable;
struct IQVVariableQuery;
class CFlowsheetHost;

CComPtr<IFInstance> MakeUnitInstance(CFlowsheetHost& host, const std::string& path);
CComPtr<IQVVariable> MakeInstanceVariable(CFlowsheetHost& host, const std::string& path);
// A query over the flowsheet's variables by path pattern.
CComPtr<IQVVariableQuery> MakeVariableQuery(CFlowsheetHost& host);
// IFChildCollection of the top flowsheet, IQVVariableLookup, IQVVariableQueries, IQVInstanceCreation,
// IQVGlobalInstances.
CComPtr<IUnknown> MakeFlowsheetRoot(CFlowsheetHost& host);
