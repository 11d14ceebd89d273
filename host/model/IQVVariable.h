// A variable of the simulation with its value, its "Spec" (fixed or free), bounds, units and
// description, read by property name ("Value", "Derivative", "Spec", "Lower",
// "Upper", "Units", "Description"). Found through IQVVariableLookup or a query.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IQVVariableAttributes;

inline const IID IID_IQVVariable = GUID::FromString("{5613DAC3-CAAE-11D0-B113-00A024F1AC65}");

struct IQVVariable : IUnknown {
  static const IID& Iid() { return IID_IQVVariable; }

  // The full path ("B1.T").
  virtual HRESULT GetName(std::string& name) = 0;
  // A property as text in the variable's current units; a failure code for an unknown property.
  virtual HRESULT GetPropertyText(const std::string& property, std::string& text) = 0;
  // A property as a number in base units; a failure code when it has no numeric value.
  virtual HRESULT GetPropertyReal(const std::string& property, double* value) = 0;
  // Changes "Value" (text in the current units), "Spec" (Free, Fixed, Initial,
  // RateInitial), "Lower" or "Upper"; kept with the simulation. E_INVALIDARG
  // for a text that is not a number or a status, FE_READONLY for any other property.
  virtual HRESULT SetPropertyText(const std::string& property, const std::string& text) = 0;
  // The variable's attributes (units-aware reading, physical type); E_NOINTERFACE when it has none.
  virtual HRESULT GetAttributes(IQVVariableAttributes** attributes) = 0;
};
