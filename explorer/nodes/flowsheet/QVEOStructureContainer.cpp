#include "explorer/nodes/flowsheet/QVEOStructureContainer.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/flowsheet/FlowsheetChildren.h"
#include "explorer/nodes/flowsheet/FlowsheetEnumerators.h"
#include "explorer/nodes/flowsheet/QVEOGlobalStructure.h"
#include "explorer/nodes/flowsheet/StructureCommands.h"
#include "explorer/nodes/library/DeletionNotice.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IQVGlobalInstances.h"
#include "host/model/IQVRename.h"
#include "host/store/IFPropertyDesc.h"
#include "host/store/MwInstance.h"
#include "host/store/Status.h"
#include "platform/Resources.h"
#include "platform/UserInterface.h"

namespace {

const UINT kContainerColumnTitles[] = {IDS_NAME,      IDS_TYPE,      IDS_STATUS,
                              IDS_EQUATIONS, IDS_VARIABLES, IDS_DEGREES_OF_FREEDOM_SHORT};
const EOAspect kContainerRowAspects[] = {EOAspectType, EOAspectStatus, EOAspectEquations, EOAspectVariables,
                                EOAspectDegreesOfFreedom};

}  // namespace

CQVEOStructureContainer::CQVEOStructureContainer(IFInstance* instance, CExplorerExclusionList* exclusionList,
                                                 CWnd* owner, int readOnly)
    : CExplorerContainerObject(ForInstance{}, ComQuery<IFInstance>(instance).Get(), exclusionList,
                               IDI_OPEN_STRUCTURES, IDI_STRUCTURES, owner, readOnly) {}

const GUID& CQVEOStructureContainer::ClassID() { return CLSID_QVEOStructureContainer; }

int CQVEOStructureContainer::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_STRUCTURES);
  return !name.empty();
}

CExplorerObject* CQVEOStructureContainer::Clone() {
  return new CQVEOStructureContainer(m_pInstance, m_pExclusionList, GetOwner(), m_bReadOnly);
}

int CQVEOStructureContainer::operator==(CExplorerObject& other) {
  if (other.GetClassID() != ClassID()) return 0;
  return this == &other || (m_pInstance && other.GetInstance() && flowsheet_children::PathOf(m_pInstance) == flowsheet_children::PathOf(other.GetInstance()));
}

int CQVEOStructureContainer::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    CComPtr<IFPropertyDesc> property;
    if (!m_pInstance || FAILED(MwInstance(m_pInstance.Get()).CurrentProperty(&property)) || !property ||
        FAILED(property->GetName(text)))
      return 0;
    return 1;
  }
  if (aspect == EOAspectType) {
    text = LoadStringOrEmpty(IDS_STRUCTURES);
    return 1;
  }
  return 0;
}

int CQVEOStructureContainer::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.Add(ID_EXPLORER_EXPORT, IDS_MENU_EXPORT);
  if (!m_bReadOnly && ClipboardOffersAny({CF_EXPLORER_MODEL_TYPE})) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_PASTE, IDS_MENU_PASTE);
  }
  if (!m_bReadOnly) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_DELETE, IDS_MENU_DELETE);
    build.Add(ID_EXPLORER_COPY, IDS_MENU_COPY);
    build.Add(ID_EXPLORER_CUT, IDS_MENU_CUT);
    build.Add(ID_EXPLORER_RENAME, IDS_MENU_RENAME);
  }
  return 1;
}

int CQVEOStructureContainer::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE:
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_RENAME:
      return 1;
    case ID_EXPLORER_PASTE:
      return !m_bReadOnly && ClipboardOffersAny({CF_EXPLORER_MODEL_TYPE});
    case ID_EXPLORER_EXPORT:
      return CanExport();
    default:
      return 0;
  }
}

void CQVEOStructureContainer::DoCommand(UINT id) {
  if (DoStructureCommand(*this, m_pInstance, id)) return;
  switch (id) {
    case ID_EXPLORER_EXPORT:
      Export();
      break;
    default:
      // A model type pasted on a container has nowhere to go: the host makes structures from structure types.
      break;
  }
}

int CQVEOStructureContainer::SelfDestruct(int confirm) {
  if (!ConfirmDeletion(confirm)) return 0;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IUnknown> root;
  if (!document || FAILED(document->GetRootQVModel(&root))) return 0;
  CComPtr<IQVGlobalInstances> globals = ComQuery<IQVGlobalInstances>(root);
  CComPtr<IFInstance> instance = m_pInstance;
  if (!globals || !instance || FAILED(globals->RemoveGlobalInstance(instance))) {
    CQVExplorer::DisplayMessage(IDS_STRUCTURE_FOLDER_NOT_EMPTY, 0, MB_ICONEXCLAMATION, nullptr);
    return 0;
  }
  return 1;
}

int CQVEOStructureContainer::EditLabel(std::string newName) {
  CComPtr<IQVRename> rename = ComQuery<IQVRename>(m_pInstance);
  const HRESULT hr = rename ? rename->Rename(newName) : E_NOINTERFACE;
  if (FAILED(hr)) {
    MessageBox(nullptr, GetStatusText(hr), LoadStringOrEmpty(IDS_OPERATION_FAILED), MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  return 1;
}

int CQVEOStructureContainer::IsEmpty() {
  CQVGlobalStructureEnumerator structures(m_pInstance);
  CComPtr<IFInstance> first;
  first.Attach(structures.Next());
  return first ? 0 : 1;
}

void CQVEOStructureContainer::ForEachStructure(const std::function<void(CQVEOGlobalStructure*)>& take) {
  CQVGlobalStructureEnumerator structures(m_pInstance);
  for (;;) {
    CComPtr<IFInstance> structure;
    structure.Attach(structures.Next());
    if (!structure) return;
    take(new CQVEOGlobalStructure(structure, m_pExclusionList, GetOwner()));
  }
}

HTREEITEM CQVEOStructureContainer::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string name;
  GetDisplayText(EOAspectName, name);
  HTREEITEM item = InsertTreeItem(tree, name, parent, TVI_LAST, 1);
  if (!item || IsExcluded(CQVEOGlobalStructure::ClassID())) return item;
  ForEachStructure([&](CQVEOGlobalStructure* structure) { flowsheet_children::InsertChild(tree, item, structure); });
  return item;
}

int CQVEOStructureContainer::ShowContents(CListCtrl& list) {
  InsertColumns(list, 6, kContainerColumnTitles);
  if (IsExcluded(CQVEOGlobalStructure::ClassID())) return 0;
  ForEachStructure([&](CQVEOGlobalStructure* structure) {
    flowsheet_children::AddChildRow(list, structure, kContainerRowAspects, 5);
  });
  return 0;
}
