// Whether a held instance still stands for something in the store. Asked by
// query from an instance; an instance without it counts as valid.
#pragma once

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IFValidity = GUID::FromString("{7E5A000D-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFValidity : IUnknown {
  static const IID& Iid() { return IID_IFValidity; }

  // False once the object it stands for was deleted or replaced.
  virtual HRESULT IsValid(bool* valid) = 0;
};
