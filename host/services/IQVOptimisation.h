// The optimisation tool of the simulation.
#pragma once

#include <string>

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVOptimisation = GUID::FromString("{7E5A002D-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVOptimisation : IUnknown {
  static const IID& Iid() { return IID_IQVOptimisation; }

  // The optimisation problem's description; a failure code while none is defined.
  virtual HRESULT GetDescription(std::string& text) = 0;
};
