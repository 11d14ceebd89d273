#include "explorer/nodes/flowsheet/QVEOGlobalStructure.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/flowsheet/FlowsheetChildren.h"
#include "explorer/nodes/flowsheet/StructureCommands.h"
#include "explorer/nodes/library/DeletionNotice.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IQVGlobalInstances.h"
#include "platform/Resources.h"

namespace {

const UINT kStructureColumnTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};

}  // namespace

CQVEOGlobalStructure::CQVEOGlobalStructure(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVExplorerModelInstanceObject(instance, exclusionList, IDI_STRUCTURE_TYPE, IDI_STRUCTURE_TYPE, owner) {}

const GUID& CQVEOGlobalStructure::ClassID() { return CLSID_QVEOGlobalStructure; }

int CQVEOGlobalStructure::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_STRUCTURE);
  return !name.empty();
}

CExplorerObject* CQVEOGlobalStructure::Clone() {
  return new CQVEOGlobalStructure(m_pInstance, m_pExclusionList, GetOwner());
}

int CQVEOGlobalStructure::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.Add(ID_EXPLORER_FIND, IDS_MENU_FIND);
  build.AddSeparator();
  build.Add(ID_EXPLORER_DELETE, IDS_MENU_DELETE);
  build.Add(ID_EXPLORER_COPY, IDS_MENU_COPY);
  build.Add(ID_EXPLORER_CUT, IDS_MENU_CUT);
  build.Add(ID_EXPLORER_RENAME, IDS_MENU_RENAME);
  build.AddSeparator();
  build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
  return 1;
}

int CQVEOGlobalStructure::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_EXPLORE:
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_FIND:
      return 1;
    case ID_EXPLORER_RENAME:
      return !DontEditLabel();
    default:
      return 0;
  }
}

void CQVEOGlobalStructure::DoCommand(UINT id) {
  if (DoStructureCommand(*this, m_pInstance, id)) return;
  switch (id) {
    case ID_EXPLORER_FIND:
      FindVariables();
      break;
    case ID_EXPLORER_PROPERTIES:
      ShowProperties(IDS_BLOCK_PROPERTIES);
      break;
    default:
      break;
  }
}

int CQVEOGlobalStructure::SelfDestruct(int confirm) {
  if (!ConfirmDeletion(confirm)) return 0;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IUnknown> root;
  if (!document || FAILED(document->GetRootQVModel(&root))) return 0;
  CComPtr<IQVGlobalInstances> globals = ComQuery<IQVGlobalInstances>(root);
  CComPtr<IFInstance> instance = m_pInstance;  // removing it may delete this node
  if (!globals || !instance) return 0;
  // The window hears of the deletion before the host removes the instance, and of its end after.
  CDeletionNotice notice(*this);
  notice.SendDeleted();
  if (FAILED(globals->RemoveGlobalInstance(instance))) {
    notice.PostContentsChanged();
    return 0;
  }
  notice.PostDeleted();
  return 1;
}

int CQVEOGlobalStructure::DontEditLabel() { return IsInTopFlowsheet() ? 0 : 1; }

int CQVEOGlobalStructure::EditLabel(std::string newName) {
  std::string oldName;
  Rename(newName, oldName);
  return 0;
}

HTREEITEM CQVEOGlobalStructure::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string name;
  GetDisplayText(EOAspectName, name);
  HTREEITEM item = InsertTreeItem(tree, name, parent, TVI_LAST, 1);
  if (item && m_pInstance && !IsExcluded(CLSID_QVEOBlockFolder)) {
    // Only the blocks folder: a structure holds no streams.
    CExplorerContainerObject* folder = flowsheet_children::MakeBlockFolder(*this);
    flowsheet_children::InsertChild(tree, item, folder);
  }
  return item;
}

int CQVEOGlobalStructure::ShowContents(CListCtrl& list) {
  InsertColumns(list, 3, kStructureColumnTitles);
  if (!m_pInstance) return 0;
  CExplorerContainerObject* folder = flowsheet_children::MakeBlockFolder(*this);
  static const EOAspect kStructureRowAspects[] = {EOAspectType, EOAspectStatus};
  if (folder && !folder->IsEmpty()) flowsheet_children::AddChildRow(list, folder, kStructureRowAspects, 2);
  else delete folder;
  return 0;
}
