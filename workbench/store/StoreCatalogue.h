// The type catalogue (typecatCreateType): free-standing types of a class, to
// be placed in a palette with IFTypePalette::AddType.
#pragma once

#include "host/store/TypeCatalogue.h"

class CStoreCatalogue : public IFTypeCatalogue {
 public:
  // Classes of the store's kinds (StoreKindClassId); a script starts with the
  // plain-text flag. REGDB_E_CLASSNOTREG-like E_INVALIDARG for any other class,
  // and for the simulation and library classes, which the store makes itself.
  HRESULT CreateType(REFCLSID classId, IFType** type) override;
};
