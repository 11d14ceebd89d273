// A type's names and where it is held. Asked by query from a type.
#pragma once

#include <string>

#include "host/com/Unknown.h"

inline const IID IID_IFNaming = GUID::FromString("{75668080-2E46-11CF-8DD8-00C0DF431728}");

struct IFNaming : IUnknown {
  static const IID& Iid() { return IID_IFNaming; }

  // False once the type can no longer be used (deleted, being replaced).
  virtual HRESULT IsUsable(bool* usable) = 0;
  virtual HRESULT GetName(std::string& name) = 0;
  // The name of the library that holds the type and the type's own name: the
  // two names that find the type again through an instance path.
  virtual HRESULT GetNames(std::string& libraryName, std::string& typeName) = 0;
  // True when the type is held in a model library (read-only), false for the simulation's own types.
  virtual HRESULT IsLibraryType(bool* inLibrary) = 0;
};
