// The units-of-measurement converter of the current unit set: for each physical
// quantity its base unit, current unit and displayed unit text, and the
// conversion of each unit from base units (value = (base - offset) / factor).
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct QVPhysicalTypeUnits {
  std::string name;         // "Pressure"
  std::string baseUnit;     // "bar"
  std::string currentUnit;  // "kPa"
  std::string displayUnit;  // what a units column shows
};

struct QVUnitConversion {
  std::string unit;
  double factor = 1.0;
  double offset = 0.0;
};

// Identifier made up for this interface.
inline const IID IID_IQVUOMConverter = GUID::FromString("{7E5A002F-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IQVUOMConverter : IUnknown {
  static const IID& Iid() { return IID_IQVUOMConverter; }

  // The units of a physical quantity (names compared as MwString::AlphabeticDiff does); FE_NOTFOUND when unknown.
  virtual HRESULT FindPhysicalType(const std::string& name, QVPhysicalTypeUnits* units) = 0;
  // The conversion record of a unit; FE_NOTFOUND when the unit has none.
  virtual HRESULT FindConversion(const std::string& unit, QVUnitConversion* conversion) = 0;
};
