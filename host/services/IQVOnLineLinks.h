// The on-line links between the simulation and a plant's data.
#pragma once

#include "host/com/Unknown.h"

// Link modes of SetMode.
constexpr int QV_LINKS_OFF = 0;
constexpr int QV_LINKS_ON = 3;

// Identifier made up for this interface.
inline const IID IID_IQVOnLineLinks = GUID::FromString("{7E5A002B-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVOnLineLinks : IUnknown {
  static const IID& Iid() { return IID_IQVOnLineLinks; }

  // Whether the input links and the output links are configured.
  virtual HRESULT GetConfigurations(bool* inputs, bool* outputs) = 0;
  virtual HRESULT IsActive(bool* active) = 0;
  // QV_LINKS_OFF or QV_LINKS_ON.
  virtual HRESULT SetMode(int mode) = 0;
};
