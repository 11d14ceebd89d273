// Events the host fires at listeners ("OnVariableChange" when values change).
// Asked by query from the root model. The host asks the listener for the
// event's dispatch id by name and invokes it.
#pragma once

#include <string>

#include "host/com/Dispatch.h"

// Identifier made up for this interface.
inline const IID IID_IQVEventSource = GUID::FromString("{7E5A0020-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVEventSource : IUnknown {
  static const IID& Iid() { return IID_IQVEventSource; }

  // Starts calling listener on eventName; *cookie names the registration. The
  // source holds a reference on the listener until Unadvise.
  virtual HRESULT Advise(const std::string& eventName, IDispatch* listener, DWORD* cookie) = 0;
  virtual HRESULT Unadvise(DWORD cookie) = 0;
};
