#include "explorer/nodes/library/TypeVisibility.h"

#include "host/store/IFTypeDesc.h"
#include "platform/TextCompare.h"

namespace {

bool SameName(const std::string& a, const char* b) { return CompareNoCase(a, b) == 0; }

}  // namespace

bool IsTypeShown(const std::string& name, DWORD flags) {
  if (flags & kHiddenTypeFlags) return SameName(name, "Connection") || SameName(name, "ControlSignal");
  return !SameName(name, "Flowsheet");
}

bool IsTypeShown(IFTypeDesc* desc) {
  std::string name;
  DWORD flags = 0;
  if (!desc || FAILED(desc->GetName(name)) || FAILED(desc->GetFlags(&flags))) return false;
  return IsTypeShown(name, flags);
}
