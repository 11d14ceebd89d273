// The root of every host interface: reference counting and interface queries.
// An object lives while references are held on it; the last Release deletes it.
#pragma once

#include <cstdint>

#include "platform/Guid.h"
#include "platform/Types.h"

using ULONG = std::uint32_t;

// The standard COM identifier of IUnknown.
inline const IID IID_IUnknown = GUID::FromString("{00000000-0000-0000-C000-000000000046}");

struct IUnknown {
  static const IID& Iid() { return IID_IUnknown; }

  // S_OK and *out holding an added reference; otherwise E_NOINTERFACE and *out null.
  // Asking any interface of one object for IUnknown always gives the same pointer.
  virtual HRESULT QueryInterface(REFIID iid, void** out) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

  virtual ~IUnknown() = default;
};
