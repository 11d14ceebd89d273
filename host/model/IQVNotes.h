// The user's notes on an instance: its child "UserNotes". Asked by query from
// that child instance.
#pragma once

#include <string>

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVNotes = GUID::FromString("{7E5A001B-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVNotes : IUnknown {
  static const IID& Iid() { return IID_IQVNotes; }

  // The notes' "Value" text.
  virtual HRESULT GetValue(std::string& text) = 0;
  virtual HRESULT SetValue(const std::string& text) = 0;
};
