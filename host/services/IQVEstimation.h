// The estimation tool of the simulation.
#pragma once

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVEstimation = GUID::FromString("{7E5A002C-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVEstimation : IUnknown {
  static const IID& Iid() { return IID_IQVEstimation; }

  // True once an estimation problem has been defined.
  virtual HRESULT HasDefinition(bool* defined) = 0;
  // True when the last estimation run left a result.
  virtual HRESULT IsResultPresent(bool* present) = 0;
  // True while an estimation run is going on.
  virtual HRESULT IsActive(bool* active) = 0;
};
