#include "explorer/nodes/library/QVEOComponentLists.h"

#include <vector>

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/nodes/library/QVEOComponentList.h"
#include "explorer/nodes/simulation/QVEOConfigure_Props.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/services/IQVPhysicalProperties.h"
#include "platform/Resources.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOComponentLists, IDS_COMPONENT_LISTS, IDI_OPEN_COMPONENT_LISTS_FOLDER, IDI_COMPONENT_LISTS_FOLDER,
    "", &CLSID_QVEOComponentList, &CLSID_QVEOAddComponentList, &CF_EXPLORER_COMPONENT_LIST,
    {IDS_NAME, IDS_TYPE, IDS_PROPERTY_FILE}, {EOAspectType, EOAspectPropertyFile},
    0, false};

CComPtr<IQVPhysicalProperties> PhysicalProperties() {
  CComPtr<IQVPhysicalProperties> properties;
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->GetProperties(&properties);
  return properties;
}

std::vector<std::string> ComponentListNames() {
  std::vector<std::string> names;
  if (CComPtr<IQVPhysicalProperties> properties = PhysicalProperties()) properties->GetComponentLists(names);
  return names;
}

// The list name a component-list payload carries: text up to its first NUL.
std::string PayloadName(const COleDataObject& data) {
  std::optional<std::vector<std::uint8_t>> bytes = data.GetGlobalData(CF_EXPLORER_COMPONENT_LIST);
  if (!bytes) return {};
  std::string name(bytes->begin(), bytes->end());
  return name.substr(0, name.find('\0'));
}

}  // namespace

CQVEOComponentLists::CQVEOComponentLists(IFInstance* owner, CExplorerExclusionList* exclusionList,
                                         CWnd* ownerWindow)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, 0) {
  GetStatus();
}

const GUID& CQVEOComponentLists::ClassID() { return CLSID_QVEOComponentLists; }

CExplorerObject* CQVEOComponentLists::Clone() {
  return new CQVEOComponentLists(GetType(), m_pExclusionList, GetOwner());
}

void CQVEOComponentLists::GetStatus() {
  CComPtr<IQVPhysicalProperties> properties = PhysicalProperties();
  const bool configured = properties && properties->CheckConfigured() != E_FAIL;
  m_nStatusTextId = configured ? IDS_OK : IDS_NOT_OK;
  if (m_nStatus != 0) m_nStatus = configured ? EO_STATUS_OK : EO_STATUS_NOT_OK;
}

int CQVEOComponentLists::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectStatus) return CQVEOTypeKindFolder::GetDisplayText(aspect, text);
  text = LoadStringOrEmpty(m_nStatusTextId);
  return !text.empty();
}

int CQVEOComponentLists::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  if (Clipboard::IsFormatAvailable(CF_EXPLORER_COMPONENT_LIST)) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_PASTE, IDS_MENU_PASTE);
  }
  if (CanExport()) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_EXPORT, IDS_MENU_EXPORT);
  }
  build.AddSeparator();
  build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
  return 1;
}

int CQVEOComponentLists::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_EXPLORE: return 1;
    case ID_EXPLORER_PASTE: return Clipboard::IsFormatAvailable(CF_EXPLORER_COMPONENT_LIST);
    case ID_EXPLORER_EXPORT: return CanExport();
    default: return 0;
  }
}

void CQVEOComponentLists::DoCommand(UINT id) {
  if (id != ID_EXPLORER_PROPERTIES) return CQVEOTypeKindFolder::DoCommand(id);
  if (CComPtr<IQVPhysicalProperties> properties = PhysicalProperties()) properties->ShowSettings();
}

int CQVEOComponentLists::IsEmpty() { return ComponentListNames().empty(); }

int CQVEOComponentLists::PasteData(COleDataObject& data, DWORD dropEffect) {
  if (!(dropEffect & DROPEFFECT_COPY)) return 0;
  const std::string name = PayloadName(data);
  const COwnerNotifier notify(*this);
  if (name.empty() || !CQVExplorer::CloneComponentList(name)) return 0;
  notify.Post(EXPLORER_OBJECT_ADDED);
  return 1;
}

void CQVEOComponentLists::AddEntries(CListCtrl& list) {
  CQVEOTypeKindFolder::AddEntries(list);
  AddRowFor(list, new CQVEOConfigure_Props(GetOwner()));
}

void CQVEOComponentLists::AddTypes(CListCtrl& list) {
  for (const std::string& name : ComponentListNames()) AddRowFor(list, new CQVEOComponentList(GetType(), name, GetOwner()));
}
