// What a table or plot view shows. Asked by query from the object handed to the view.
#pragma once

#include "host/com/Unknown.h"

// Identifier made up for this interface.
inline const IID IID_IQVDataSource = GUID::FromString("{7E5A0014-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVDataSource : IUnknown {
  static const IID& Iid() { return IID_IQVDataSource; }

  // True while there is nothing to show yet.
  virtual HRESULT IsEmpty(bool* empty) = 0;
};
