// The decomposition of the equation system for one run mode: groups solved one
// after another.
#pragma once

#include "host/com/Enum.h"

struct IZNDecompGroup;
struct IZNDecompStatistics;

// Run modes.
constexpr int ZN_RUN_STEADY_STATE = 1;
constexpr int ZN_RUN_OPTIMIZATION = 2;
constexpr int ZN_RUN_ESTIMATION = 3;
constexpr int ZN_RUN_DYNAMIC = 4;
constexpr int ZN_RUN_INITIALIZATION = 5;
constexpr int ZN_RUN_REINITIALIZATION = 6;

// Identifier made up for this interface.
inline const IID IID_IZNDecomposition = GUID::FromString("{7E5A0022-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IZNDecomposition : IUnknown {
  static const IID& Iid() { return IID_IZNDecomposition; }

  // ZN_RUN_* (1 to 6).
  virtual HRESULT GetRunMode(int* mode) = 0;
  virtual HRESULT IsConverged(bool* converged) = 0;
  virtual HRESULT GetEquationCount(int* count) = 0;
  virtual HRESULT GetGroupCount(int* count) = 0;
  virtual HRESULT GetExplicitGroupCount(int* count) = 0;
  virtual HRESULT GetLinearGroupCount(int* count) = 0;
  virtual HRESULT GetNonlinearGroupCount(int* count) = 0;
  virtual HRESULT GetTornGroupCount(int* count) = 0;
  // The most equations in one group.
  virtual HRESULT GetLargestGroupSize(int* count) = 0;
  // The groups in solving order; group number n is element n - 1.
  virtual HRESULT EnumGroups(IEnum<IZNDecompGroup>** groups) = 0;
  virtual HRESULT GetStatistics(IZNDecompStatistics** statistics) = 0;
};
