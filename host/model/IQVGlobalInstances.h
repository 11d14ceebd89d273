// Removing global structure instances and structures containers. Asked by query
// from the root model.
#pragma once

#include "host/com/Unknown.h"

struct IFInstance;

inline const IID IID_IQVGlobalInstances = GUID::FromString("{A789CA1C-C24C-11D5-909F-00A02451BB94}");

struct IQVGlobalInstances : IUnknown {
  static const IID& Iid() { return IID_IQVGlobalInstances; }

  // Removes a global structure instance, or an empty structures container
  // (FE_NOTEMPTY while it holds instances).
  virtual HRESULT RemoveGlobalInstance(IFInstance* instance) = 0;
};
