// Enumerators: walk a collection of host objects one at a time.
#pragma once

#include "host/com/Unknown.h"

// The identifier of the enumerator over elements with interface identifier
// element: derived from it, so each element interface has its own enumerator id.
inline IID EnumIidFor(const IID& element) {
  IID iid = element;
  iid.Data1 ^= 0x454E554Du;  // "ENUM"
  iid.Data4[7] ^= 0xE5u;
  return iid;
}

template <class T>
struct IEnum : IUnknown {
  static const IID& Iid() {
    static const IID iid = EnumIidFor(T::Iid());
    return iid;
  }

  // S_OK and the next element (with a reference for the caller), or S_FALSE and
  // *out null when the enumeration is exhausted.
  virtual HRESULT Next(T** out) = 0;
  // Passes over count elements; S_FALSE when fewer than count were left.
  virtual HRESULT Skip(ULONG count) = 0;
  // Back to the first element.
  virtual HRESULT Reset() = 0;
};
