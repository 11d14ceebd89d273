// The types of one class that an owner holds: a library's, the simulation's or
// a model's own types whose flags have any bit of a mask (0: all of them).
#pragma once

#include "host/com/ComPtr.h"
#include "host/com/Enum.h"
#include "host/store/IFType.h"

class MwTypeEnumerator {
 public:
  // owner: a palette, or a type, descriptor or instance whose type owns the
  // palette (IFType::GetOwnedPalette). Anything else gives an empty enumeration.
  MwTypeEnumerator(IUnknown* owner, DWORD mask);

  // S_OK and the next type, or S_FALSE and *type null at the end.
  HRESULT Next(IFType** type);
  void Reset();

 private:
  CComPtr<IEnum<IFType>> m_types;
};
