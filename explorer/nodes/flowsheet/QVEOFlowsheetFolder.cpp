#include "explorer/nodes/flowsheet/QVEOFlowsheetFolder.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/flowsheet/ExploreInstance.h"
#include "explorer/nodes/flowsheet/FlowsheetChildren.h"
#include "explorer/nodes/flowsheet/FlowsheetEnumerators.h"
#include "explorer/nodes/flowsheet/ModelDrop.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/store/MwInstance.h"
#include "host/store/TypeFlags.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

const FlowsheetFolderTraits kBlockFolder{&CLSID_QVEOBlockFolder, &CLSID_QVEOBlock,        IDS_BLOCKS,
                                         IDI_OPEN_BLOCK_FOLDER,  IDI_BLOCK_FOLDER,        false};
const FlowsheetFolderTraits kStreamFolder{&CLSID_QVEOStreamFolder, &CLSID_QVEOStream,       IDS_STREAMS,
                                          IDI_OPEN_STREAM_FOLDER,  IDI_STREAM_FOLDER,       true};

const UINT kBlockColumns[] = {IDS_NAME, IDS_TYPE, IDS_STATUS, IDS_EQUATIONS, IDS_VARIABLES,
                              IDS_DEGREES_OF_FREEDOM_SHORT};
const UINT kStreamColumns[] = {IDS_NAME,      IDS_TYPE,      IDS_STATUS,     IDS_EQUATIONS,
                               IDS_VARIABLES, IDS_DEGREES_OF_FREEDOM_SHORT, IDS_DESCRIPTION};
const EOAspect kStreamAspects[] = {EOAspectType,      EOAspectStatus,           EOAspectEquations,
                                   EOAspectVariables, EOAspectDegreesOfFreedom, EOAspectDescription};

}  // namespace

CQVEOFlowsheetFolder::CQVEOFlowsheetFolder(const FlowsheetFolderTraits& traits, IFInstance* instance,
                                           CExplorerExclusionList* exclusionList, CWnd* owner)
    : CExplorerContainerObject(ForInstance{}, instance, exclusionList, traits.openIconId, traits.iconId, owner, 0),
      m_traits(traits) {}

int CQVEOFlowsheetFolder::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(m_traits.nameId);
  return !name.empty();
}

int CQVEOFlowsheetFolder::operator==(CExplorerObject& other) {
  if (GetClassID() != other.GetClassID()) return 0;
  return this == &other || (GetInstance() && other.GetInstance() && flowsheet_children::PathOf(GetInstance()) == flowsheet_children::PathOf(other.GetInstance()));
}

int CQVEOFlowsheetFolder::IsValid() { return m_pInstance && MwInstance(m_pInstance.Get()).IsValid(); }

bool CQVEOFlowsheetFolder::ListsDeclaredBlocks() {
  if (m_traits.streams || !m_pInstance) return false;
  DWORD attributes = 0;
  return flowsheet_children::PathOf(m_pInstance).empty() ||
         (SUCCEEDED(m_pInstance->GetAttributes(&attributes)) && (attributes & FI_HIERARCHY));
}

DWORD CQVEOFlowsheetFolder::OnDragOver(COleDataObject* data, DWORD /*keyState*/) {
  return ListsDeclaredBlocks() ? model_drop::EffectOver(data) : DROPEFFECT_NONE;
}

int CQVEOFlowsheetFolder::OnDrop(COleDataObject* data, DWORD dropEffect) {
  if (!data || !ListsDeclaredBlocks() || !(dropEffect & (DROPEFFECT_COPY | DROPEFFECT_MOVE))) return 0;
  return model_drop::AddBlock(*this, CComPtr<IFInstance>(m_pInstance), *data) ? 1 : 0;
}

int CQVEOFlowsheetFolder::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) text = LoadStringOrEmpty(m_traits.nameId);
  else if (aspect == EOAspectType) text = LoadStringOrEmpty(IDS_FOLDER);
  else return 0;
  return 1;
}

int CQVEOFlowsheetFolder::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  return 1;
}

int CQVEOFlowsheetFolder::CanDoCommand(UINT id) { return id == ID_EXPLORER_EXPLORE; }

void CQVEOFlowsheetFolder::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE:
      ExploreInstance(*this, m_pInstance);
      break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_PASTE:
      MessageBeep(0);
      break;
    default:
      break;
  }
}

int CQVEOFlowsheetFolder::IsEmpty() {
  if (!m_pInstance) return 1;
  CQVBlockEnumerator blocks(m_traits.streams ? nullptr : m_pInstance.Get());
  CQVStreamEnumerator streams(m_traits.streams ? m_pInstance.Get() : nullptr);
  CComPtr<IFInstance> first;
  first.Attach(m_traits.streams ? streams.NextInstance() : blocks.NextInstance());
  return first ? 0 : 1;
}

CExplorerContainerObject* CQVEOFlowsheetFolder::NextChild(CQVInstanceEnumerator& children) {
  for (;;) {
    CComPtr<IFInstance> child;
    child.Attach(children.NextInstance());
    if (!child) return nullptr;
    CExplorerContainerObject* node = m_traits.streams ? flowsheet_children::MakeStreamNode(child, *this)
                                                      : flowsheet_children::MakeBlockNode(child, *this);
    if (node) return node;
  }
}

HTREEITEM CQVEOFlowsheetFolder::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  if (!m_pInstance || IsExcluded(*m_traits.childClassId)) return nullptr;
  CWaitCursor wait;
  CQVBlockEnumerator blocks(m_traits.streams ? nullptr : m_pInstance.Get());
  CQVStreamEnumerator streams(m_traits.streams ? m_pInstance.Get() : nullptr);
  CQVInstanceEnumerator& children = m_traits.streams ? static_cast<CQVInstanceEnumerator&>(streams) : blocks;
  HTREEITEM item = nullptr;
  while (CExplorerContainerObject* child = NextChild(children)) {
    // The folder's own item is made just before its first child goes in.
    if (!item) {
      item = InsertTreeItem(tree, LoadStringOrEmpty(m_traits.nameId), parent, TVI_LAST, 1);
      if (!item) {
        delete child;
        return nullptr;
      }
    }
    flowsheet_children::InsertChild(tree, item, child);
  }
  if (item) tree.SortChildren(item);
  return item;
}

int CQVEOFlowsheetFolder::ShowContents(CListCtrl& list) {
  if (m_traits.streams) InsertColumns(list, 7, kStreamColumns);
  else InsertColumns(list, 6, kBlockColumns);
  if (!m_pInstance || IsExcluded(*m_traits.childClassId)) return 0;
  CWaitCursor wait;
  CQVBlockEnumerator blocks(m_traits.streams ? nullptr : m_pInstance.Get());
  CQVStreamEnumerator streams(m_traits.streams ? m_pInstance.Get() : nullptr);
  CQVInstanceEnumerator& children = m_traits.streams ? static_cast<CQVInstanceEnumerator&>(streams) : blocks;
  while (CExplorerContainerObject* child = NextChild(children))
    flowsheet_children::AddChildRow(list, child, kStreamAspects, m_traits.streams ? 6 : 5);
  return 0;
}

int CQVEOFlowsheetFolder::GetSortType(LISTSORTINFO& info) {
  if (info.column >= 0 && info.column <= 2) {
    info.type = LSI_TEXT;
    return 1;
  }
  if (info.column >= 3 && info.column <= 5) {
    info.type = LSI_INTEGER;
    return 1;
  }
  return 0;
}

CQVEOBlockFolder::CQVEOBlockFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVEOFlowsheetFolder(kBlockFolder, instance, exclusionList, owner) {}

const GUID& CQVEOBlockFolder::ClassID() { return CLSID_QVEOBlockFolder; }

CExplorerObject* CQVEOBlockFolder::Clone() { return new CQVEOBlockFolder(m_pInstance, m_pExclusionList, GetOwner()); }

CQVEOStreamFolder::CQVEOStreamFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVEOFlowsheetFolder(kStreamFolder, instance, exclusionList, owner) {}

const GUID& CQVEOStreamFolder::ClassID() { return CLSID_QVEOStreamFolder; }

CExplorerObject* CQVEOStreamFolder::Clone() { return new CQVEOStreamFolder(m_pInstance, m_pExclusionList, GetOwner()); }
