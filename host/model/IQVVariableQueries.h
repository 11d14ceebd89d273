// Variable queries: select the variables whose paths match a pattern, with the
// host's flags and options, and read the results. The factory is asked by query
// from the root model. The meaning of flags and options is the host's; callers
// pass them unchanged.
#pragma once

#include <string>
#include <vector>

#include "host/com/Unknown.h"

struct IQVVariable;
struct IQVVariableList;
struct IQVVariableQuery;

inline const IID IID_IQVVariableQueries = GUID::FromString("{9738A954-59A8-11D1-B138-00A024F1AC65}");

struct IQVVariableQueries : IUnknown {
  static const IID& Iid() { return IID_IQVVariableQueries; }

  virtual HRESULT CreateQuery(IQVVariableQuery** query) = 0;
};

// Identifier made up for this interface.
inline const IID IID_IQVVariableQuery = GUID::FromString("{7E5A001E-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVVariableQuery : IUnknown {
  static const IID& Iid() { return IID_IQVVariableQuery; }

  // Forgets the pattern, flags, options, property name and results.
  virtual HRESULT Clear() = 0;
  // Forgets the results and makes the query ready to run again with new settings.
  virtual HRESULT Reset() = 0;
  // Paths to match; "~" stands for any rest of a path ("B1~").
  virtual HRESULT SetPattern(const std::string& pattern) = 0;
  virtual HRESULT SetFlags(DWORD flags) = 0;
  // The first options.size() boolean options, in the host's order; the others keep their values.
  virtual HRESULT SetOptions(const std::vector<bool>& options) = 0;
  // A property the variables must have ("PartialDerivative"); empty for none.
  virtual HRESULT SetPropertyName(const std::string& name) = 0;
  virtual HRESULT Run() = 0;
  // The matches of the last run.
  virtual HRESULT GetResults(IQVVariableList** results) = 0;
};

// Identifier made up for this interface.
inline const IID IID_IQVVariableList = GUID::FromString("{7E5A001F-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVVariableList : IUnknown {
  static const IID& Iid() { return IID_IQVVariableList; }

  virtual HRESULT GetCount(ULONG* count) = 0;
  virtual HRESULT Item(ULONG index, IQVVariable** variable) = 0;
  // The list's state word (the host's): callers that find it nonzero set it to 0 before reading.
  virtual HRESULT GetState(int* state) = 0;
  virtual HRESULT SetState(int state) = 0;
};
