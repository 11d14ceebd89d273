// Copy and cut of a block or hierarchy as the flowsheet does them (the selection
// goes to the clipboard as "KTR Copy Selection"). Asked by query from the instance.
#pragma once

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVGraphicalCopy = GUID::FromString("{7E5A001A-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVGraphicalCopy : IUnknown {
  static const IID& Iid() { return IID_IQVGraphicalCopy; }

  virtual HRESULT CanCopyCut(bool* possible) = 0;
  virtual HRESULT Copy() = 0;
  // Removes the instance from the flowsheet (after a copy, that is a cut).
  virtual HRESULT Delete() = 0;
};
