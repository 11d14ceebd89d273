// The scripts of an owner (a palette owner, a flowsheet, a block), each with
// the instance that owns it.
#pragma once

#include "host/com/ComPtr.h"
#include "host/com/Enum.h"
#include "host/store/IFInstance.h"
#include "host/store/IFType.h"

class CMwScriptEnumerator {
 public:
  // owner answers IQVScriptOwner itself, or through its type. Anything else gives an empty enumeration.
  explicit CMwScriptEnumerator(IUnknown* owner);

  // S_OK with the next script type and (when ownerInstance is not null) the
  // owning instance; S_FALSE with both null at the end.
  HRESULT Next(IFType** script, IFInstance** ownerInstance = nullptr);
  void Reset();

 private:
  CComPtr<IEnum<IFType>> m_scripts;
  CComPtr<IFInstance> m_owner;
};
