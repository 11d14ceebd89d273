#include "explorer/nodes/simulation/QVEOLibraries.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/simulation/LibraryOrder.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/store/IFRoot.h"

namespace {

CComPtr<IFRoot> DocumentRoot() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IUnknown> root;
  if (!document || FAILED(document->GetRootModel(&root))) return nullptr;
  return ComQuery<IFRoot>(root);
}

}  // namespace

CQVEOLibraries::CQVEOLibraries(CWnd* owner, CExplorerExclusionList* exclusionList)
    : CQVEOTopLevelFolder(nullptr, exclusionList, owner, IDS_LIBRARIES) {}

const GUID& CQVEOLibraries::ClassID() { return CLSID_QVEOLibraries; }

CExplorerObject* CQVEOLibraries::Clone() { return new CQVEOLibraries(GetOwner(), m_pExclusionList); }

CQVEOLibraries::LibraryNodes CQVEOLibraries::MakeLibraryNodes() {
  LibraryNodes libraries;
  CComPtr<IFRoot> root = DocumentRoot();
  CComPtr<IEnum<IFInstance>> elements;
  if (!root || FAILED(root->EnumLibraries(&elements)) || !elements) return libraries;
  CComPtr<IFInstance> element;
  while (elements->Next(&element) == S_OK && element) {
    CComPtr<IFInstance> library = type_access::InstanceOf(type_access::TypeOf(element));
    if (!library) continue;
    std::unique_ptr<CExplorerObject> node(
        CQVExplorer::Manufacture(CLSID_QVEOLibrary, library, m_pExclusionList, GetOwner()));
    if (!node) continue;
    std::string name;
    node->GetDisplayText(EOAspectName, name);
    libraries.nodes.push_back(std::move(node));
    libraries.names.push_back(name);
  }
  return libraries;
}

HTREEITEM CQVEOLibraries::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  HTREEITEM item = InsertOwnItem(tree, parent);
  if (!item || IsExcluded(CLSID_QVEOLibrary)) return item;
  LibraryNodes libraries = MakeLibraryNodes();
  for (std::size_t i : LibraryTreeOrder(libraries.names)) {
    auto* library = dynamic_cast<CExplorerContainerObject*>(libraries.nodes[i].get());
    if (library && library->ShowContents(tree, item)) libraries.nodes[i].release();
  }
  return item;
}

void CQVEOLibraries::AddRows(CListCtrl& list) {
  if (!IsExcluded(CLSID_QVEOAddLibrary))
    AddRow(list, CQVExplorer::Manufacture(CLSID_QVEOAddLibrary, nullptr, m_pExclusionList, GetOwner()));
  if (IsExcluded(CLSID_QVEOLibrary)) return;
  LibraryNodes libraries = MakeLibraryNodes();
  for (std::size_t i = 0; i < libraries.nodes.size(); ++i)
    if (IsShownLibrary(libraries.names[i])) AddRow(list, libraries.nodes[i].release());
}
