#include "workbench/store/IconTypeService.h"

#include "host/model/IQVIcon.h"
#include "host/store/IFInstance.h"
#include "host/store/Status.h"
#include "workbench/store/StoreType.h"

namespace {

// The model behind an owner instance (a model's default instance or a block of it).
CStoreType* ModelOf(IFInstance* owner) {
  CStoreType* type = StoreTypeOf(owner);
  return type && IsModelLike(type->Kind()) ? type : nullptr;
}

}  // namespace

HRESULT CIconTypeService::CreateIconType(IFInstance* owner, const std::string& name, IQVIcon** icon) {
  if (icon) *icon = nullptr;
  CStoreType* model = ModelOf(owner);
  if (!model) return E_INVALIDARG;
  CComPtr<CStoreType> made;
  HRESULT hr = model->AddIcon(name, {}, &made);
  if (FAILED(hr) || !icon) return hr;
  return made->QueryInterface(IID_IQVIcon, reinterpret_cast<void**>(icon));
}

HRESULT CIconTypeService::EditIconType(IFInstance* owner, const std::string& name) {
  CStoreType* model = ModelOf(owner);
  if (!model) return E_INVALIDARG;
  if (!model->FindIcon(name)) return FE_NOTFOUND;
  if (!onEdit) return FE_NOSERVICE;
  return onEdit(owner, name);
}

HRESULT CIconTypeService::DeleteIconType(IFInstance* owner, const std::string& name) {
  CStoreType* model = ModelOf(owner);
  if (!model) return E_INVALIDARG;
  return model->RemoveIcon(name);
}
