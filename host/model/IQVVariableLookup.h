// Finding a variable by its path. Asked by query from the root model.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IQVVariable;

// Identifier made up for this interface.
inline const IID IID_IQVVariableLookup = GUID::FromString("{7E5A001D-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVVariableLookup : IUnknown {
  static const IID& Iid() { return IID_IQVVariableLookup; }

  // FE_NOTFOUND when no variable has that path.
  virtual HRESULT FindVariable(const std::string& path, IQVVariable** variable) = 0;
};
