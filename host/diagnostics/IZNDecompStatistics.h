// Where a decomposition or torn group first failed to converge.
#pragma once

#include "host/com/Unknown.h"

struct IZNDecompGroup;

// Identifier made up for this interface.
inline const IID IID_IZNDecompStatistics = GUID::FromString("{7E5A0023-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IZNDecompStatistics : IUnknown {
  static const IID& Iid() { return IID_IZNDecompStatistics; }

  // The first unconverged group; S_FALSE and *group null when all converged.
  virtual HRESULT GetFirstUnconvergedGroup(IZNDecompGroup** group) = 0;
  // The number of that group (1-based); 0 when all converged.
  virtual HRESULT GetFirstUnconvergedPosition(int* position) = 0;
};
