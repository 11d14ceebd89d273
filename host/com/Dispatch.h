// Late-bound calls by name: how the host fires events at a listener.
#pragma once

#include <string>
#include <vector>

#include "host/com/Unknown.h"
#include "host/com/Variant.h"

using DISPID = LONG;
constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);

// The standard COM identifier of IDispatch.
inline const IID IID_IDispatch = GUID::FromString("{00020400-0000-0000-C000-000000000046}");

struct IDispatch : IUnknown {
  static const IID& Iid() { return IID_IDispatch; }

  // Type information: *count is 0 when none is offered.
  virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
  // Type information number index; E_NOTIMPL and *info null when none is offered.
  virtual HRESULT GetTypeInfo(UINT index, IUnknown** info) = 0;
  // The dispatch id of a member name; DISP_E_MEMBERNOTFOUND for an unknown name.
  virtual HRESULT GetIDsOfNames(const std::string& name, DISPID* id) = 0;
  // Calls member id; DISP_E_MEMBERNOTFOUND for an unknown id. result may be null.
  virtual HRESULT Invoke(DISPID id, const std::vector<VARIANT>& arguments, VARIANT* result) = 0;
};
