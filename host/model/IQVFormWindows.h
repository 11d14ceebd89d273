// The open form windows of the simulation. Asked by query from the root model.
#pragma once

#include <string>

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVFormWindows = GUID::FromString("{7E5A0015-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVFormWindows : IUnknown {
  static const IID& Iid() { return IID_IQVFormWindows; }

  // Tells the windows showing form oldName of the owner at ownerPath its new name.
  virtual HRESULT RenameForm(const std::string& ownerPath, const std::string& oldName, const std::string& newName) = 0;
};
