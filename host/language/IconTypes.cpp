#include "host/language/IconTypes.h"

#include "host/store/Status.h"

HRESULT QVCreateIconType(IFInstance* owner, const std::string& name, IQVIcon** icon) {
  if (icon) *icon = nullptr;
  IQVIconTypes* icons = HostService<IQVIconTypes>::Get();
  return icons ? icons->CreateIconType(owner, name, icon) : FE_NOSERVICE;
}

HRESULT QVEditIconType(IFInstance* owner, const std::string& name) {
  IQVIconTypes* icons = HostService<IQVIconTypes>::Get();
  return icons ? icons->EditIconType(owner, name) : FE_NOSERVICE;
}

HRESULT QVDeleteIconType(IFInstance* owner, const std::string& name) {
  IQVIconTypes* icons = HostService<IQVIconTypes>::Get();
  return icons ? icons->DeleteIconType(owner, name) : FE_NOSERVICE;
}
