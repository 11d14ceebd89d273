// The solver's options ("Compression", "Propinfo", "WatchGroup",
// "CheckProcDerivs", "Nonlinear.Hiresidual", "Nonlinear.HiVarSteps",
// "Nonlinear.MathsPrint"...).
#pragma once

#include <string>

#include "host/com/Unknown.h"
#include "host/com/Variant.h"

// Identifier made up for this interface.
inline const IID IID_IQVSolverOptions = GUID::FromString("{7E5A0028-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVSolverOptions : IUnknown {
  static const IID& Iid() { return IID_IQVSolverOptions; }

  // The option's value (integers VT_I4, switches VT_BOOL, reals VT_R8, texts VT_BSTR); FE_NOTFOUND for an unknown name.
  virtual HRESULT GetProperty(const std::string& name, VARIANT* value) = 0;
  virtual HRESULT SetProperty(const std::string& name, const VARIANT& value) = 0;
};
