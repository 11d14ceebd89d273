#include "host/store/TypeCatalogue.h"

#include "host/store/Status.h"

HRESULT typecatCreateType(REFCLSID classId, IFType** type) {
  if (!type) return E_POINTER;
  *type = nullptr;
  IFTypeCatalogue* catalogue = HostService<IFTypeCatalogue>::Get();
  if (!catalogue) return FE_NOSERVICE;
  return catalogue->CreateType(classId, type);
}
