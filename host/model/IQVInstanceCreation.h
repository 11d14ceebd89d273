// Making global structure instances. Asked by query from the root model and
// from the flowsheet's type.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IFInstance;
struct IFType;

inline const IID IID_IQVInstanceCreation = GUID::FromString("{4E897B34-390E-11D2-A5CD-00A0244BC6AA}");

struct IQVInstanceCreation : IUnknown {
  static const IID& Iid() { return IID_IQVInstanceCreation; }

  // A new global instance of a structure type; FE_NAMEEXISTS when the name is taken.
  virtual HRESULT CreateGlobalInstance(IFType* structureType, const std::string& name, IFInstance** instance) = 0;
};
