// Whether a type's current text compiles. Asked by query from a type descriptor.
#pragma once

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IFCompileStatus = GUID::FromString("{7E5A000E-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFCompileStatus : IUnknown {
  static const IID& Iid() { return IID_IFCompileStatus; }

  virtual HRESULT HasErrors(bool* errors) = 0;
};
