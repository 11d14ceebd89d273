// The solver's diagnostics of the last run: one decomposition per run mode and,
// when equal variables were compressed, the equivalences.
#pragma once

#include "host/com/Enum.h"

struct IZNDecomposition;
struct IZNDecompEquivalence;
struct IQVSolverOptions;

// Identifier made up for this interface.
inline const IID IID_IZNDiagnostics = GUID::FromString("{7E5A0021-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IZNDiagnostics : IUnknown {
  static const IID& Iid() { return IID_IZNDiagnostics; }

  // True once a run has produced diagnostics.
  virtual HRESULT IsPresent(bool* present) = 0;
  virtual HRESULT EnumDecompositions(IEnum<IZNDecomposition>** decompositions) = 0;
  virtual HRESULT GetEquivalenceCount(int* count) = 0;
  // In equivalence number order (1, 2, 3...).
  virtual HRESULT EnumEquivalences(IEnum<IZNDecompEquivalence>** equivalences) = 0;
  // The solver options the run used.
  virtual HRESULT GetOptions(IQVSolverOptions** options) = 0;
};
