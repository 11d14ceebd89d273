// The simulation access extensions (the external programming interface).
#pragma once

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVExternalInterface = GUID::FromString("{7E5A002A-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVExternalInterface : IUnknown {
  static const IID& Iid() { return IID_IQVExternalInterface; }

  // A failure code while the extensions cannot be used at all (nothing installed or loadable).
  virtual HRESULT GetStatus() = 0;
  virtual HRESULT IsEnabled(bool* enabled) = 0;
  virtual HRESULT SetEnabled(bool enabled) = 0;
};
