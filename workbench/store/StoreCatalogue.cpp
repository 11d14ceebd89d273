#include "workbench/store/StoreCatalogue.h"

#include "host/store/HostClassIds.h"
#include "workbench/store/StoreType.h"

HRESULT CStoreCatalogue::CreateType(REFCLSID classId, IFType** type) {
  if (!type) return E_POINTER;
  *type = nullptr;
  const std::optional<StoreKind> kind = StoreKindFromClassId(classId);
  if (!kind || *kind == StoreKind::Simulation || *kind == StoreKind::Library) return E_INVALIDARG;
  CComPtr<CStoreType> made = MakeComObject<CStoreType>(*kind, std::string());
  if (*kind == StoreKind::Form) made->SetFormClass(classId);
  return CComPtr<IFType>(made.Get()).CopyTo(type);
}
