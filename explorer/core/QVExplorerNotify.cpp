// Telling the Explorers that a node was added or moved, and the simulation's hierarchy type.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "host/framework/CRQVDocument.h"
#include "host/store/MwInstance.h"

CComPtr<IFTypeDesc> CQVExplorer::GetHierarchyModel() {
  CRQVDocument* document = GetCurrentDocument();
  CComPtr<IUnknown> root;
  if (!document || FAILED(document->GetRootModel(&root)) || !root) return nullptr;
  MwInstance path(root.Get());
  CComPtr<IFTypePalette> palette;
  if (FAILED(path.CurrentTypePalette(&palette))) return nullptr;
  return type_access::Find(palette, "Hierarchy");
}

void CQVExplorer::SendNewObjectNotify(IFType* newType, REFGUID classId, CExplorerObject* parent) {
  const std::string classText = classId.ToString();
  CComPtr<IFInstance> instance = type_access::InstanceOf(newType);
  CWnd* owner = parent ? parent->GetOwner() : nullptr;
  if (owner)
    owner->SendMessage(EXPLORER_OBJECT_ADDED, reinterpret_cast<WPARAM>(classText.c_str()),
                       reinterpret_cast<LPARAM>(instance.Get()));
}

void CQVExplorer::SendMovedObjectNotify(const std::string& name, REFGUID classId, CExplorerObject* parent) {
  const std::string classText = classId.ToString();
  CWnd* owner = parent ? parent->GetOwner() : nullptr;
  if (owner)
    owner->SendMessage(EXPLORER_OBJECT_MOVED, reinterpret_cast<WPARAM>(classText.c_str()),
                       reinterpret_cast<LPARAM>(name.c_str()));
}
