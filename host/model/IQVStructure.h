// Copy and cut of a global structure or a structures container. Asked by query
// from the instance; what lands on the clipboard is the host's.
#pragma once

#include "host/com/Unknown.h"

inline const IID IID_IQVStructure = GUID::FromString("{50FD05C7-BD98-11D5-872C-00B0D0BB41E7}");

struct IQVStructure : IUnknown {
  static const IID& Iid() { return IID_IQVStructure; }

  virtual HRESULT Copy() = 0;
  // Copies, then removes the instance.
  virtual HRESULT Cut() = 0;
};
