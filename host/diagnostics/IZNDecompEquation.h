// One equation of a group, with its residual.
#pragma once

#include <string>

#include "host/com/Enum.h"

struct IZNDecompVariable;

// Identifier made up for this interface.
inline const IID IID_IZNDecompEquation = GUID::FromString("{7E5A0025-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IZNDecompEquation : IUnknown {
  static const IID& Iid() { return IID_IZNDecompEquation; }

  virtual HRESULT GetName(std::string& name) = 0;
  // The residual; a failure code when it cannot be given.
  virtual HRESULT GetResidual(double* residual) = 0;
  virtual HRESULT GetResidualText(std::string& text) = 0;
  // The equation written out with the variables' current values.
  virtual HRESULT GetLongResidualText(std::string& text) = 0;
  virtual HRESULT GetVariableCount(int* count) = 0;
  // Variables and constants: every element of the equation.
  virtual HRESULT GetElementCount(int* count) = 0;
  virtual HRESULT GetActiveVariableCount(int* count) = 0;
  // False when the equation's variables are proprietary and may not be shown.
  virtual HRESULT IsVisible(bool* visible) = 0;
  // The position (0-based, in EnumVariables order) of the variable it is solved for; -1 for none.
  virtual HRESULT GetSolvedVariableIndex(int* index) = 0;
  virtual HRESULT EnumVariables(IEnum<IZNDecompVariable>** variables) = 0;
};
