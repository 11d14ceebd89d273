// Running the scripts an instance owns. Asked by query from the instance.
#pragma once

#include <string>

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVScriptInvocation = GUID::FromString("{7E5A0019-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVScriptInvocation : IUnknown {
  static const IID& Iid() { return IID_IQVScriptInvocation; }

  // Runs the script called name; with synchronous, returns when it has finished.
  virtual HRESULT InvokeScript(const std::string& name, bool synchronous) = 0;
};
