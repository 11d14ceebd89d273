// Counts of a model read from the compiled texts of its types: the equations
// it writes, the variables it declares and those of its ports (with those of
// its base type and submodels, each submodel counted as often as it is
// declared), how many are fixed, and the blocks added
// below an instance.
#pragma once

#include "platform/Types.h"

class CStoreInstance;
class CStoreType;

struct ModelCounts {
  int equations = 0;
  int variables = 0;
  int fixed = 0;
  int Unknowns() const { return variables - fixed; }
  int DegreesOfFreedom() const { return Unknowns() - equations; }
};

// Fails (E_FAIL) when a type on the way has errors: its counts cannot be had.
HRESULT CountType(CStoreType& type, ModelCounts& counts);
// The instance's type and every block made below it.
HRESULT CountInstance(CStoreInstance& instance, ModelCounts& counts);
