// A group of equations solved together; a torn group (type 2) holds sub-groups.
#pragma once

#include "host/com/Enum.h"

struct IZNDecompEquation;
struct IZNDecompVariable;
struct IZNDecompStatistics;

// Group types.
constexpr int ZN_GROUP_LINEAR = 0;
constexpr int ZN_GROUP_NONLINEAR = 1;
constexpr int ZN_GROUP_TORN = 2;
constexpr int ZN_GROUP_EXPLICIT = 3;
constexpr int ZN_GROUP_SINGLE_NONLINEAR = 4;

// Identifier made up for this interface.
inline const IID IID_IZNDecompGroup = GUID::FromString("{7E5A0024-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IZNDecompGroup : IUnknown {
  static const IID& Iid() { return IID_IZNDecompGroup; }

  // ZN_GROUP_*.
  virtual HRESULT GetType(int* type) = 0;
  // The group's number in its decomposition or torn group (1-based).
  virtual HRESULT GetNumber(int* number) = 0;
  virtual HRESULT IsConverged(bool* converged) = 0;
  virtual HRESULT GetEquationCount(int* count) = 0;
  virtual HRESULT GetVariableCount(int* count) = 0;
  virtual HRESULT GetNonZeroCount(int* count) = 0;
  // What the group holds: equations, or sub-groups for a torn group.
  virtual HRESULT GetMemberCount(int* count) = 0;
  virtual HRESULT EnumEquations(IEnum<IZNDecompEquation>** equations) = 0;
  virtual HRESULT EnumVariables(IEnum<IZNDecompVariable>** variables) = 0;

  // Torn groups only (E_FAIL for others): the number of torn equations, the sub-groups, the statistics.
  virtual HRESULT GetTornSize(int* size) = 0;
  virtual HRESULT GetSubGroupCount(int* count) = 0;
  virtual HRESULT EnumSubGroups(IEnum<IZNDecompGroup>** groups) = 0;
  virtual HRESULT GetStatistics(IZNDecompStatistics** statistics) = 0;
};
