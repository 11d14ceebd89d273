// The file-level view of a library or of the simulation: its file, the
// libraries it uses, and the names that start an instance path. Asked by query
// from a library's type, the simulation type and the document's root model.
#pragma once

#include <string>

#include "host/com/Enum.h"

struct IFInstance;

// Identifier made up for this interface.
inline const IID IID_IFRoot = GUID::FromString("{7E5A000B-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFRoot : IUnknown {
  static const IID& Iid() { return IID_IFRoot; }

  // The file the library or simulation was read from (empty when never saved).
  virtual HRESULT GetFileName(std::string& path) = 0;
  // The libraries in use: every open library for the simulation, the used
  // libraries for a library. Elements are library instances.
  virtual HRESULT EnumLibraries(IEnum<IFInstance>** libraries) = 0;
  // Opens a library file and adds it to the libraries in use; a failure code
  // (the file is not a model library) leaves nothing behind.
  virtual HRESULT OpenLibrary(const std::string& path, IFInstance** library) = 0;
  // The top element of an instance path: a library by name, or the simulation
  // for its own name or an empty name.
  virtual HRESULT ResolveName(const std::string& name, IFInstance** instance) = 0;
};
