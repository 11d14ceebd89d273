// Making free-standing types of a class (a new script before it is added to a palette).
#pragma once

#include "host/com/HostService.h"
#include "host/store/IFType.h"

// Installed by the host (HostService<IFTypeCatalogue>).
class IFTypeCatalogue {
 public:
  virtual ~IFTypeCatalogue() = default;
  virtual HRESULT CreateType(REFCLSID classId, IFType** type) = 0;
};

// A new type of class classId, not yet held by any palette (IFTypePalette::AddType
// places it). FE_NOSERVICE while no catalogue is installed.
HRESULT typecatCreateType(REFCLSID classId, IFType** type);
