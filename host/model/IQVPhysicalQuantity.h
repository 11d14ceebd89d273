// The physical quantity of a variable type. Asked by query from the type.
#pragma once

#include <string>

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVPhysicalQuantity = GUID::FromString("{7E5A0012-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVPhysicalQuantity : IUnknown {
  static const IID& Iid() { return IID_IQVPhysicalQuantity; }

  // The quantity's name ("Pressure"); empty when the type has none.
  virtual HRESULT GetQuantityName(std::string& name) = 0;
};
