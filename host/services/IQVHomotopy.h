// The homotopy tool of the simulation.
#pragma once

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVHomotopy = GUID::FromString("{7E5A0029-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVHomotopy : IUnknown {
  static const IID& Iid() { return IID_IQVHomotopy; }

  // True once homotopy has been set up and can be switched on.
  virtual HRESULT IsAvailable(bool* available) = 0;
  virtual HRESULT IsActive(bool* active) = 0;
  virtual HRESULT SetActive(bool active) = 0;
};
