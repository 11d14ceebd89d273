// A simulation object (the simulation, a block, a stream, a variable, a form's
// instance...), or the object that stands for a type in its library. Nodes hold
// instances; a type is reached through its instance (GetType).
#pragma once

#include <string>

#include "host/com/Enum.h"

struct IFType;
struct IFPropertyDesc;

// Identifier made up for this interface.
inline const IID IID_IFInstance = GUID::FromString("{7E5A0003-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFInstance : IUnknown {
  static const IID& Iid() { return IID_IFInstance; }

  virtual HRESULT GetName(std::string& name) = 0;
  // The dotted path from the simulation ("Flowsheet.B1"); empty for the
  // simulation itself and for an instance that stands for a type.
  virtual HRESULT GetPath(std::string& path) = 0;
  virtual HRESULT GetType(IFType** type) = 0;
  // The instance's class (for example the kind of a form: table, plot...).
  virtual HRESULT GetClassID(CLSID* classId) = 0;
  // Attribute bits (InstanceAttributes in TypeFlags.h).
  virtual HRESULT GetAttributes(DWORD* attributes) = 0;

  // The property called name and the instance it holds; either out may be null.
  virtual HRESULT GetProperty(const std::string& name, IFPropertyDesc** property, IFInstance** value) = 0;
  // The property of this instance's parent that holds it; E_FAIL at the top.
  virtual HRESULT GetPropertyDesc(IFPropertyDesc** property) = 0;
  // The properties whose flags have any bit of mask (0: all), in declaration order.
  virtual HRESULT EnumProperties(DWORD mask, IEnum<IFPropertyDesc>** properties) = 0;
  // Adds a new property called name holding a new instance of type.
  virtual HRESULT CreateChild(const std::string& name, IFType* type, IFInstance** child) = 0;
};
