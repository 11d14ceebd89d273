// The children of a library and of the simulation's types folder, in the same
// order in both panes, except that the contents pane starts with the Add Folder
// entry and lists the user folders after the structure types, while the tree
// lists them after the script folder. An empty models or structure types folder
// of a library that cannot change says nothing in the contents pane.
#include <memory>

#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVFolderTypeEnum.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/ChildNodes.h"
#include "explorer/nodes/library/ModelPaste.h"
#include "explorer/nodes/library/QVEOBlockTypes.h"
#include "explorer/nodes/library/QVEOGlobalStructureTypes.h"
#include "explorer/nodes/library/QVEOParameterTypes.h"
#include "explorer/nodes/library/QVEOPortTypes.h"
#include "explorer/nodes/library/QVEOProcedures.h"
#include "explorer/nodes/library/QVEOScriptFolder.h"
#include "explorer/nodes/library/QVEOStreamTypes.h"
#include "explorer/nodes/library/QVEOTaskFolder.h"
#include "explorer/nodes/library/QVEOTypeContainer.h"
#include "explorer/nodes/library/QVEOUserFolder.h"
#include "explorer/nodes/library/QVEOVariableTypes.h"
#include "explorer/resources/StringIds.h"

namespace {

const UINT kColumnTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};
const EOAspect kRowAspects[] = {EOAspectType, EOAspectStatus};

bool FolderHoldsTypes(IFInstance* owner, const char* hostFolder) {
  CQVFolderTypeEnum types(owner, hostFolder);
  return types.Next() != nullptr;
}

}  // namespace

template <class Place>
void CQVEOTypeContainer::MakeChildFolders(bool contentsPane, Place place) {
  IFInstance* instance = GetType();
  CWnd* owner = GetOwner();
  CExplorerExclusionList* list = m_pExclusionList;
  const int readOnly = m_bReadOnly;
  auto offer = [&](REFGUID classId, auto make) {
    if (!IsExcluded(classId)) place(make());
  };
  auto userFolders = [&] {
    if (IsExcluded(CLSID_QVEOUserFolder)) return;
    CComPtr<IFFolder> models = PaletteKindFolder(type_access::TypeOf(instance), "BlockTypeFolder");
    CComPtr<IEnum<IFFolder>> folders;
    if (!models || FAILED(models->EnumFolders(&folders)) || !folders) return;
    CComPtr<IFFolder> folder;
    while (folders->Next(&folder) == S_OK && folder)
      place(new CQVEOUserFolder(instance, list, owner, folder, readOnly));
  };

  if (contentsPane && !readOnly && !IsExcluded(CLSID_QVEOAddUserFolder))
    place(new CQVEOAddUserFolder(instance, owner, "BlockTypeFolder"));
  if (!contentsPane || !readOnly || FolderHoldsTypes(instance, "BlockTypeFolder"))
    offer(CLSID_QVEOBlockTypes, [&] { return new CQVEOBlockTypes(instance, list, owner, readOnly); });
  if (!readOnly || FolderHoldsTypes(instance, "StructureTypeFolder"))
    offer(CLSID_QVEOGlobalStructureTypes,
          [&] { return new CQVEOGlobalStructureTypes(instance, list, owner, readOnly); });
  if (contentsPane) userFolders();
  offer(CLSID_QVEOStreamTypes, [&] { return new CQVEOStreamTypes(instance, list, owner, readOnly); });
  offer(CLSID_QVEOParameterTypes, [&] { return new CQVEOParameterTypes(instance, list, owner, readOnly); });
  offer(CLSID_QVEOVariableTypes, [&] { return new CQVEOVariableTypes(instance, list, owner, readOnly); });
  offer(CLSID_QVEOPortTypes, [&] { return new CQVEOPortTypes(instance, list, owner, readOnly); });
  offer(CLSID_QVEOProcedures, [&] { return new CQVEOProcedures(instance, list, owner, readOnly); });
  offer(CLSID_QVEOTaskFolder, [&] { return new CQVEOTaskFolder(instance, list, owner, readOnly); });
  offer(CLSID_QVEOScriptFolder, [&] { return new CQVEOScriptFolder(instance, list, owner, readOnly); });
  if (!contentsPane) userFolders();
}

HTREEITEM CQVEOTypeContainer::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string label;
  GetDisplayText(EOAspectName, label);
  HTREEITEM item = InsertTreeItem(tree, label, parent, TVI_LAST, 1);
  if (!item || !GetType()) return item;
  MakeChildFolders(false, [&](CExplorerObject* child) { library_nodes::InsertInTree(tree, item, child); });
  InsertUsedLibraries(tree, item);
  tree.SortChildren(item);
  return item;
}

int CQVEOTypeContainer::ShowContents(CListCtrl& list) {
  InsertColumns(list, 3, kColumnTitles);
  if (!GetType()) return 0;
  MakeChildFolders(true, [&](CExplorerObject* child) { library_nodes::AddRow(list, child, kRowAspects, 2); });
  AddUsedLibraries(list);
  return 0;
}
