// Small questions the type operations ask of the store, each answering
// nothing (an empty pointer or false) when the store cannot tell.
#pragma once

#include <string>

#include "host/com/ComPtr.h"
#include "host/store/IFInstance.h"
#include "host/store/IFType.h"
#include "host/store/IFTypeDesc.h"
#include "host/store/IFTypePalette.h"
#include "host/store/IFTypeTable.h"

namespace type_access {

// The palette a type's new or copied definitions go into: the one it owns
// (a library's or the simulation's types), else the one that holds it.
CComPtr<IFTypePalette> PaletteOf(IFType* type);
// The palette that holds the type itself.
CComPtr<IFTypePalette> HoldingPaletteOf(IFType* type);
CComPtr<IFTypeTable> TableOf(IFTypePalette* palette);
std::string NameOf(IFType* type);
CComPtr<IFTypeDesc> DescriptorOf(IFType* type);
// The descriptor of the type an instance reports (GetType); null when it reports none.
CComPtr<IFTypeDesc> DescriptorOfInstance(IFInstance* instance);
// The type an instance (or any store object) stands for.
CComPtr<IFType> TypeOf(IUnknown* object);
// The instance that stands for a type (its default instance).
CComPtr<IFInstance> InstanceOf(IFType* type);
// A type visible through palette under name, and whether palette itself holds it.
CComPtr<IFTypeDesc> Find(IFTypePalette* palette, const std::string& name);
bool HeldBy(IFTypeDesc* desc, IFTypePalette* palette);

}  // namespace type_access
