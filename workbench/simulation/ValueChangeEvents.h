// The flowsheet's value-change event: listeners advise on "OnVariableChange"
// and are invoked through IDispatch, on the user-interface thread, whenever
// a run has changed the variables' values. A listener may unadvise itself or
// another listener during a fire; one unadvised is not called again, and each
// listener is held for the length of its call.
#pragma once

#include <string>
#include <vector>

#include "host/com/ComObject.h"
#include "host/model/IQVEventSource.h"

inline constexpr const char* kVariableChangeEvent = "OnVariableChange";

class CValueChangeEvents : public CComObject<IQVEventSource> {
 public:
  // Calls every listener once. A fire asked for while one is under way
  // (a listener that starts a run) is made once that one ends.
  void Fire();
  int ListenerCount() const { return static_cast<int>(m_listeners.size()); }

  // ---- IQVEventSource ----
  // E_INVALIDARG for any event but "OnVariableChange" (any case) or no listener.
  HRESULT Advise(const std::string& eventName, IDispatch* listener, DWORD* cookie) override;
  // E_INVALIDARG for a cookie that names no registration.
  HRESULT Unadvise(DWORD cookie) override;

 private:
  struct Listener {
    DWORD cookie;
    CComPtr<IDispatch> listener;
  };
  bool IsAdvised(DWORD cookie) const;

  std::vector<Listener> m_listeners;
  DWORD m_nextCookie = 1;
  bool m_firing = false;
  bool m_fireAgain = false;
};
