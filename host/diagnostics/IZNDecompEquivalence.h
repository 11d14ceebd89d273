// A set of variables the solver treats as one.
#pragma once

#include "host/com/Enum.h"

struct IZNDecompVariable;

// Identifier made up for this interface.
inline const IID IID_IZNDecompEquivalence = GUID::FromString("{7E5A0027-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IZNDecompEquivalence : IUnknown {
  static const IID& Iid() { return IID_IZNDecompEquivalence; }

  // 1-based; the equivalence is named "ZN_Equivalence_%04d" of it.
  virtual HRESULT GetNumber(int* number) = 0;
  virtual HRESULT GetVariableCount(int* count) = 0;
  virtual HRESULT GetLowerBound(double* bound) = 0;
  virtual HRESULT GetUpperBound(double* bound) = 0;
  virtual HRESULT GetScaleFactor(double* factor) = 0;
  // False when its variables are proprietary.
  virtual HRESULT IsVisible(bool* visible) = 0;
  virtual HRESULT EnumVariables(IEnum<IZNDecompVariable>** variables) = 0;
};
