// Renaming an instance: a block, stream or structure container. Asked by query
// from the instance.
#pragma once

#include <string>

#include "host/com/Unknown.h"

inline const IID IID_IQVRename = GUID::FromString("{87CC0B73-85A5-11D0-B10A-00A024F1AC65}");

struct IQVRename : IUnknown {
  static const IID& Iid() { return IID_IQVRename; }

  // FE_NAMEEXISTS, FE_INVALIDNAME or FE_READONLY on failure (texts: GetStatusText).
  virtual HRESULT Rename(const std::string& newName) = 0;
};
