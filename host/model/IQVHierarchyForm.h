// Answered by the types of hierarchies, whose forms open rather than edit.
// Asked by query from a type; answering it is all it says.
#pragma once

#include "host/com/Unknown.h"

inline const IID IID_IQVHierarchyForm = GUID::FromString("{5F9AD499-46C3-11D4-907D-00A02451BB94}");

struct IQVHierarchyForm : IUnknown {
  static const IID& Iid() { return IID_IQVHierarchyForm; }
};
