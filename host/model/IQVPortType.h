// Answered by port types: the exporters select port types by it. Asked by query
// from a type; answering it is all it says.
#pragma once

#include "host/com/Unknown.h"

inline const IID IID_IQVPortType = GUID::FromString("{0EFB7340-5847-11D0-A914-0000C0A118DB}");

struct IQVPortType : IUnknown {
  static const IID& Iid() { return IID_IQVPortType; }
};
