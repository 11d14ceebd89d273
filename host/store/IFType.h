// A type: a model, stream type, variable type, port type, procedure, script,
// task, structure, library or the simulation's own type. Further interfaces by
// query: IFNaming, IFRoot (libraries and the simulation type), IRModelType,
// IQVPortType, IQVStreamType, IQVHierarchyType, IQVFormContainer,
// IQVIconCollection, IQVTasks, IQVScriptOwner, IQVPhysicalQuantity, IDataObject.
#pragma once

#include <string>

#include "host/com/Unknown.h"

struct IFInstance;
struct IFTypeDesc;
struct IFTypePalette;

// Identifier made up for this interface.
inline const IID IID_IFType = GUID::FromString("{7E5A0004-3C2B-4A8D-B0F1-6D2C9A4E8B01}");

struct IFType : IUnknown {
  static const IID& Iid() { return IID_IFType; }

  virtual HRESULT GetName(std::string& name) = 0;
  // The type's class (for example the class of the built-in "Hierarchy" type).
  virtual HRESULT GetClassID(CLSID* classId) = 0;
  // Attribute flags, the same as the descriptor's.
  virtual HRESULT GetFlags(DWORD* flags) = 0;
  virtual HRESULT GetIdentity(DWORD* identity) = 0;
  virtual HRESULT GetTypeDesc(IFTypeDesc** desc) = 0;
  // The library that holds the type. A library's (or the simulation's) own type
  // is held in its own palette.
  virtual HRESULT GetTypePalette(IFTypePalette** palette) = 0;
  // The palette of the definitions this type owns: a library's types, the
  // simulation's types, a model's scripts, tasks and icons. E_NOINTERFACE for a
  // type that owns none.
  virtual HRESULT GetOwnedPalette(IFTypePalette** palette) = 0;
  // The instance that stands for the type in its library (its default
  // instance). index and flags are passed as given; 0 and 1 give the default instance.
  virtual HRESULT GetDefaultInstance(int index, DWORD flags, IFInstance** instance) = 0;
};
