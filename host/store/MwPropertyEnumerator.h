// The properties of one class of an instance: those whose flags have any bit
// of a mask (0: all of them).
#pragma once

#include "host/com/ComPtr.h"
#include "host/com/Enum.h"
#include "host/store/IFPropertyDesc.h"

class MwPropertyEnumerator {
 public:
  // instance: any store object that MwInstance turns into an instance; anything else gives an empty enumeration.
  MwPropertyEnumerator(IUnknown* instance, DWORD mask);

  // S_OK and the next property, or S_FALSE and *property null at the end.
  HRESULT Next(IFPropertyDesc** property);
  void Reset();

 private:
  CComPtr<IEnum<IFPropertyDesc>> m_properties;
};
