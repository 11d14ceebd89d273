#include "workbench/simulation/ValueChangeEvents.h"

#include <algorithm>

#include "workbench/language/TextCase.h"

HRESULT CValueChangeEvents::Advise(const std::string& eventName, IDispatch* listener, DWORD* cookie) {
  if (cookie) *cookie = 0;
  if (!listener || !EqualsNoCase(eventName, kVariableChangeEvent)) return E_INVALIDARG;
  const DWORD made = m_nextCookie++;
  m_listeners.push_back(Listener{made, CComPtr<IDispatch>(listener)});
  if (cookie) *cookie = made;
  return S_OK;
}

HRESULT CValueChangeEvents::Unadvise(DWORD cookie) {
  const auto found =
      std::find_if(m_listeners.begin(), m_listeners.end(), [cookie](const Listener& l) { return l.cookie == cookie; });
  if (found == m_listeners.end()) return E_INVALIDARG;
  m_listeners.erase(found);  // a fire under way holds its own reference for the call
  return S_OK;
}

bool CValueChangeEvents::IsAdvised(DWORD cookie) const {
  return std::any_of(m_listeners.begin(), m_listeners.end(), [cookie](const Listener& l) { return l.cookie == cookie; });
}

void CValueChangeEvents::Fire() {
  if (m_firing) {
    m_fireAgain = true;
    return;
  }
  CComPtr<CValueChangeEvents> keepAlive(this);  // a listener may drop the last reference to the source
  m_firing = true;
  do {
    m_fireAgain = false;
    const std::vector<Listener> listeners = m_listeners;  // the registrations when the fire began
    for (const Listener& l : listeners) {
      if (!IsAdvised(l.cookie)) continue;  // unadvised by an earlier listener of this fire
      DISPID id = 0;
      if (FAILED(l.listener->GetIDsOfNames(kVariableChangeEvent, &id))) continue;
      l.listener->Invoke(id, {}, nullptr);
    }
  } while (m_fireAgain);
  m_firing = false;
}
