// A library, or the simulation's own types, as a place that holds types.
// Further interfaces by query: IFTypeRename (rename a type it holds) and
// IFFolder (its root folder, whose sub-folders are "BlockTypeFolder" and the
// other kind folders).
#pragma once

#include <string>

#include "host/com/Enum.h"

struct IFType;
struct IFTypeDesc;
struct IFTypeTable;

// Identifier made up for this interface.
inline const IID IID_IFTypePalette = GUID::FromString("{7E5A0007-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFTypePalette : IUnknown {
  static const IID& Iid() { return IID_IFTypePalette; }

  // The library's name (the simulation's types have their own name).
  virtual HRESULT GetName(std::string& name) = 0;
  // The type that owns this palette (the library's type, the simulation type, a model).
  virtual HRESULT GetOwnerType(IFType** owner) = 0;
  // A type visible through this palette: its own, or one of a library it uses
  // (then the descriptor's GetPalette names that other library).
  virtual HRESULT FindType(const std::string& name, IFTypeDesc** desc) = 0;
  // Adds a free-standing type (typecatCreateType) to this palette under name.
  virtual HRESULT AddType(const std::string& name, IFType* type) = 0;
  // This palette's own types whose flags have any bit of mask (0: all).
  virtual HRESULT EnumTypes(DWORD mask, IEnum<IFType>** types) = 0;
  // The table of the types this palette holds itself.
  virtual HRESULT GetTypeTable(IFTypeTable** table) = 0;
};
