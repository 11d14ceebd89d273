// Renaming a type held in a palette; asked from the palette by query.
#pragma once

#include <string>

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IFTypeRename = GUID::FromString("{7E5A0009-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFTypeRename : IUnknown {
  static const IID& Iid() { return IID_IFTypeRename; }

  // FE_NAMEEXISTS, FE_INVALIDNAME, FE_NOTFOUND or FE_READONLY on failure (texts: GetStatusText).
  virtual HRESULT RenameType(const std::string& oldName, const std::string& newName) = 0;
};
