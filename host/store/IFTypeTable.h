// The types a palette holds itself: find, delete and in-use test by name, and
// the palette's folders.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IFTypeDesc;
struct IFFolderCollection;

// Identifier made up for this interface.
inline const IID IID_IFTypeTable = GUID::FromString("{7E5A0008-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFTypeTable : IUnknown {
  static const IID& Iid() { return IID_IFTypeTable; }

  // A type this palette holds itself (not one of a used library).
  virtual HRESULT FindType(const std::string& name, IFTypeDesc** desc) = 0;
  // *inUse true while instances or other types depend on the type.
  virtual HRESULT IsTypeInUse(const std::string& name, bool* inUse) = 0;
  // Removes the type; FE_INUSE while it is in use, FE_NOTFOUND when there is none.
  virtual HRESULT DeleteType(const std::string& name) = 0;
  // The palette's named folders ("BlockTypeFolder", "CompiledModelFolder"...).
  virtual HRESULT GetFolderCollection(IFFolderCollection** folders) = 0;
};
