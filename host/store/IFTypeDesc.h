// A type's descriptor: its flags, compile state (IFCompileStatus by query),
// identity and the library that holds it. Nodes built on a descriptor reach
// the type itself lazily (GetType).
#pragma once

#include "host/store/IFDesc.h"

struct IFType;
struct IFTypePalette;

// Identifier made up for this interface.
inline const IID IID_IFTypeDesc = GUID::FromString("{7E5A0006-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFTypeDesc : IFDesc {
  using BaseInterface = IFDesc;
  static const IID& Iid() { return IID_IFTypeDesc; }

  // Attribute flags (TypeFlags in TypeFlags.h): bits 20 and 22 mark built-in types.
  virtual HRESULT GetFlags(DWORD* flags) = 0;
  // Equal to the type's own identity while descriptor and type belong together.
  virtual HRESULT GetIdentity(DWORD* identity) = 0;
  // The library (palette) that holds the type.
  virtual HRESULT GetPalette(IFTypePalette** palette) = 0;
  virtual HRESULT GetType(IFType** type) = 0;
};
