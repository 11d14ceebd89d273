// A variable's attributes: properties read in given units, and its physical type.
#pragma once

#include <string>

#include "host/com/Unknown.h"

// Numbered properties of GetPropertyText.
constexpr int QV_VARIABLE_PATH = 1;   // the variable's path
constexpr int QV_VARIABLE_VALUE = 2;  // its value

// Identifier made up for this interface.
inline const IID IID_IQVVariableAttributes = GUID::FromString("{7E5A001C-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVVariableAttributes : IUnknown {
  static const IID& Iid() { return IID_IQVVariableAttributes; }

  // Property number property (QV_VARIABLE_*) as text in units ("BaseUnits" for base units).
  virtual HRESULT GetPropertyText(int property, const std::string& units, std::string& text) = 0;
  // The physical type's name ("Pressure"); empty for a variable without one.
  virtual HRESULT GetPhysicalType(std::string& name) = 0;
};
