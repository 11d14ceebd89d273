// One property of an instance: a block, stream, variable, parameter or
// sub-model it holds.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IFType;

// Identifier made up for this interface.
inline const IID IID_IFPropertyDesc = GUID::FromString("{7E5A000C-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFPropertyDesc : IUnknown {
  static const IID& Iid() { return IID_IFPropertyDesc; }

  virtual HRESULT GetName(std::string& name) = 0;
  // The type of the instance the property holds.
  virtual HRESULT GetType(IFType** type) = 0;
  // Property class bits, matched by EnumProperties masks.
  virtual HRESULT GetFlags(DWORD* flags) = 0;
};
