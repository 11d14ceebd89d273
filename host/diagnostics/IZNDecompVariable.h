// One variable as the decomposition sees it: where it is calculated and whether
// it is in trouble.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IZNDecomposition;

// Group index values with a meaning of their own.
constexpr int ZN_VARIABLE_NO_GROUP = 0;
constexpr int ZN_VARIABLE_CALCULATED = -1;  // solved outside every group
constexpr int ZN_VARIABLE_TORN = -2;        // the sub-group index is the torn group's number

// Identifier made up for this interface.
inline const IID IID_IZNDecompVariable = GUID::FromString("{7E5A0026-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IZNDecompVariable : IUnknown {
  static const IID& Iid() { return IID_IZNDecompVariable; }

  // The variable's path; ".Derivative" ends the name of a time derivative.
  virtual HRESULT GetName(std::string& name) = 0;
  // 0 when the variable is in no equivalence.
  virtual HRESULT GetEquivalenceNumber(int* number) = 0;
  // The group (1-based) that calculates it, or ZN_VARIABLE_*.
  virtual HRESULT GetGroupIndex(int* index) = 0;
  // The sub-group within that group (1-based, 0 for none); for a torn variable the torn group's number.
  virtual HRESULT GetSubGroupIndex(int* index) = 0;
  virtual HRESULT HasProblem(bool* problem) = 0;
  virtual HRESULT IsVisible(bool* visible) = 0;
  // A text the explorer caches on the variable (its bound state, for sorting).
  virtual HRESULT GetBoundState(std::string& text) = 0;
  virtual HRESULT SetBoundState(const std::string& text) = 0;
  // The decomposition the variable was found in.
  virtual HRESULT GetDecomposition(IZNDecomposition** decomposition) = 0;
};
