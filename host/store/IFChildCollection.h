// The children of a flowsheet, hierarchy, block or structure instance. Asked
// by query from the instance.
#pragma once

#include "host/com/Enum.h"

struct IFInstance;

// Identifier made up for this interface.
inline const IID IID_IFChildCollection = GUID::FromString("{7E5A000F-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFChildCollection : IUnknown {
  static const IID& Iid() { return IID_IFChildCollection; }

  // Child instances whose attributes have any bit of mask (InstanceAttributes),
  // in the order the host keeps them.
  virtual HRESULT EnumChildren(DWORD mask, IEnum<IFInstance>** children) = 0;
  // The streams between the children.
  virtual HRESULT EnumStreams(IEnum<IFInstance>** streams) = 0;
};
