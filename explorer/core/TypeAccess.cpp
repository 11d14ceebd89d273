#include "explorer/core/TypeAccess.h"

#include "host/store/MwInstance.h"

namespace type_access {

CComPtr<IFTypePalette> PaletteOf(IFType* type) {
  CComPtr<IFTypePalette> palette;
  if (!type) return palette;
  if (FAILED(type->GetOwnedPalette(&palette)) || !palette) type->GetTypePalette(&palette);
  return palette;
}

CComPtr<IFTypePalette> HoldingPaletteOf(IFType* type) {
  CComPtr<IFTypePalette> palette;
  if (type) type->GetTypePalette(&palette);
  return palette;
}

CComPtr<IFTypeTable> TableOf(IFTypePalette* palette) {
  CComPtr<IFTypeTable> table;
  if (palette) palette->GetTypeTable(&table);
  return table;
}

std::string NameOf(IFType* type) {
  std::string name;
  if (type) type->GetName(name);
  return name;
}

CComPtr<IFTypeDesc> DescriptorOf(IFType* type) {
  CComPtr<IFTypeDesc> desc;
  if (type) type->GetTypeDesc(&desc);
  return desc;
}

CComPtr<IFTypeDesc> DescriptorOfInstance(IFInstance* instance) {
  CComPtr<IFType> type;
  if (!instance || FAILED(instance->GetType(&type))) return nullptr;
  return DescriptorOf(type);
}

CComPtr<IFType> TypeOf(IUnknown* object) {
  CComPtr<IFType> type;
  if (object) MwInstance::TypeOf(object, &type);
  return type;
}

CComPtr<IFInstance> InstanceOf(IFType* type) {
  CComPtr<IFInstance> instance;
  if (type) type->GetDefaultInstance(0, 1, &instance);
  return instance;
}

CComPtr<IFTypeDesc> Find(IFTypePalette* palette, const std::string& name) {
  CComPtr<IFTypeDesc> desc;
  if (palette) palette->FindType(name, &desc);
  return desc;
}

bool HeldBy(IFTypeDesc* desc, IFTypePalette* palette) {
  CComPtr<IFTypePalette> holder;
  return desc && palette && SUCCEEDED(desc->GetPalette(&holder)) && IsSameObject(holder, palette);
}

}  // namespace type_access
