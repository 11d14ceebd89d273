// A value of one of a few kinds: what a named property, a solver option or an
// update hint carries.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

using VARTYPE = std::uint16_t;
constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_R8 = 5;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_BOOL = 11;

struct VARIANT {
  VARTYPE vt = VT_EMPTY;
  LONG lVal = 0;         // VT_I4
  double dblVal = 0.0;   // VT_R8
  bool boolVal = false;  // VT_BOOL
  std::string bstrVal;   // VT_BSTR

  static VARIANT Int(LONG value) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
  }
  static VARIANT Real(double value) {
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
  }
  static VARIANT Bool(bool value) {
    VARIANT v;
    v.vt = VT_BOOL;
    v.boolVal = value;
    return v;
  }
  static VARIANT Text(std::string value) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = std::move(value);
    return v;
  }
  bool IsEmpty() const { return vt == VT_EMPTY; }
};
