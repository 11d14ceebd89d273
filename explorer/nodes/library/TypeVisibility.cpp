#include "explorer/nodes/library/TypeVisibility.h"

#include "host/store/IFTypeDesc.h"
#include "platform/TextCompare.h"

bool IsTypeShown(const std::string& name, DWORD flags) {
  if (flags & kHiddenTypeFlags) return EqualNoCase(name, "Connection") || EqualNoCase(name, "ControlSignal");
  return !EqualNoCase(name, "Flowsheet");
}

bool IsTypeShown(IFTypeDesc* desc) {
  std::string name;
  DWORD flags = 0;
  if (!desc || FAILED(desc->GetName(name)) || FAILED(desc->GetFlags(&flags))) return false;
  return IsTypeShown(name, flags);
}
