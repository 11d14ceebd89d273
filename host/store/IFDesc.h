// What a folder holds: a named item (a type's descriptor, in practice).
#pragma once

#include <string>

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IFDesc = GUID::FromString("{7E5A0005-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFDesc : IUnknown {
  static const IID& Iid() { return IID_IFDesc; }

  virtual HRESULT GetName(std::string& name) = 0;
  // Renames the item where it is held; a failure code when the name is taken or invalid.
  virtual HRESULT SetName(const std::string& name) = 0;
};
