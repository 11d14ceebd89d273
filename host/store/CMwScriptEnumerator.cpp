#include "host/store/CMwScriptEnumerator.h"

#include "host/store/IQVScriptOwner.h"
#include "host/store/MwInstance.h"

CMwScriptEnumerator::CMwScriptEnumerator(IUnknown* owner) {
  if (!owner) return;
  MwInstance path(owner);
  path.QueryInstance(&m_owner);
  CComPtr<IQVScriptOwner> scripts = ComQuery<IQVScriptOwner>(owner);
  if (!scripts) {
    CComPtr<IFType> type;
    if (SUCCEEDED(MwInstance::TypeOf(owner, &type))) scripts = ComQuery<IQVScriptOwner>(type);
  }
  if (scripts) scripts->EnumScripts(&m_scripts);
}

HRESULT CMwScriptEnumerator::Next(IFType** script, IFInstance** ownerInstance) {
  if (!script) return E_POINTER;
  *script = nullptr;
  if (ownerInstance) *ownerInstance = nullptr;
  if (!m_scripts) return S_FALSE;
  if (m_scripts->Next(script) != S_OK || !*script) return S_FALSE;
  if (ownerInstance) m_owner.CopyTo(ownerInstance);
  return S_OK;
}

void CMwScriptEnumerator::Reset() {
  if (m_scripts) m_scripts->Reset();
}
