// A type that is a flowsheet: the simulation's flowsheet type and the models of
// hierarchies. Asked by query from a type; a type that answers it is a hierarchy.
#pragma once

#include <string>
#include <vector>

#include "host/com/Unknown.h"

struct IFType;

inline const IID IID_IQVHierarchyType = GUID::FromString("{5F9AD498-46C3-11D4-907D-00A02451BB94}");

struct IQVHierarchyType : IUnknown {
  static const IID& Iid() { return IID_IQVHierarchyType; }

  // Makes every instance inside this flowsheet that uses one of the named models
  // use the custom-modeling type of the same position in types.
  virtual HRESULT UpdateInstancesToCustomModel(const std::vector<std::string>& modelNames,
                                               const std::vector<IFType*>& types) = 0;
};
