#include "explorer/core/NamesakeSetAside.h"

#include "explorer/core/TypeAccess.h"
#include "host/store/IFTypeRename.h"
#include "host/store/IFTypeTable.h"

namespace {

bool InUse(IFTypeTable* table, const std::string& name) {
  bool inUse = false;
  return !table || FAILED(table->IsTypeInUse(name, &inUse)) || inUse;
}

// A name nothing in palette uses; short, so it is valid whatever the name it stands in for.
std::string FreePrivateName(IFTypePalette* palette) {
  for (int n = 1;; ++n) {
    std::string candidate = "Replaced_" + std::to_string(n);
    if (!type_access::Find(palette, candidate)) return candidate;
  }
}

}  // namespace

CNamesakeSetAside::CNamesakeSetAside(IFTypePalette* palette, const std::string& name, IFType* source)
    : m_palette(palette), m_name(name) {
  CComPtr<IFTypeDesc> found = type_access::Find(palette, name);
  if (!found || !type_access::HeldBy(found, palette)) return;
  if (IsSameObject(found, type_access::DescriptorOf(source))) return;
  if (InUse(type_access::TableOf(palette), name)) return;
  CComPtr<IFTypeRename> rename = ComQuery<IFTypeRename>(palette);
  const std::string privateName = FreePrivateName(palette);
  if (rename && SUCCEEDED(rename->RenameType(name, privateName))) m_privateName = privateName;
}

CNamesakeSetAside::~CNamesakeSetAside() {
  if (!IsSetAside()) return;
  if (CComPtr<IFTypeRename> rename = ComQuery<IFTypeRename>(m_palette)) rename->RenameType(m_privateName, m_name);
}

void CNamesakeSetAside::Replace() {
  if (!IsSetAside()) return;
  // The copy holds the name now; an old definition the store will not delete
  // stays under its private name rather than being lost.
  if (CComPtr<IFTypeTable> table = type_access::TableOf(m_palette)) table->DeleteType(m_privateName);
  m_privateName.clear();
}
