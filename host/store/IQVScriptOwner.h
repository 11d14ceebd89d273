// The scripts a palette owner, flowsheet or block owns. Asked by query from the
// owner (a type or an instance); walked with CMwScriptEnumerator.
#pragma once

#include "host/com/Enum.h"

struct IFType;

// Identifier made up for this interface.
inline const IID IID_IQVScriptOwner = GUID::FromString("{7E5A0010-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVScriptOwner : IUnknown {
  static const IID& Iid() { return IID_IQVScriptOwner; }

  // The script types, in the order the owner keeps them.
  virtual HRESULT EnumScripts(IEnum<IFType>** scripts) = 0;
};
