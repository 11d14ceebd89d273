#include "explorer/nodes/flowsheet/QVEOFlowsheet.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/QVModelInstanceObjectPropertySheet.h"
#include "explorer/nodes/flowsheet/ExploreInstance.h"
#include "explorer/nodes/flowsheet/FlowsheetChildren.h"
#include "explorer/nodes/flowsheet/GraphicalCopy.h"
#include "explorer/nodes/library/CompiledFolderStatus.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/store/HostClassIds.h"
#include "host/store/MwInstance.h"
#include "host/store/TypeFlags.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr std::size_t kMaxHierarchyNameLength = 80;
constexpr DWORD kHierarchyEditorKind = 0x40000;
constexpr const char* kFlowsheetCompiledFolder = "CompiledModelFolder";

}  // namespace

CQVEOFlowsheet::CQVEOFlowsheet(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CExplorerContainerObject(ForInstance{}, instance, exclusionList, IDI_OPEN_FLOWSHEET, IDI_FLOWSHEET, owner, 0) {
  if (instance) {
    DWORD attributes = 0;
    m_bHierarchy = SUCCEEDED(instance->GetAttributes(&attributes)) && (attributes & FI_HIERARCHY) ? 1 : 0;
    m_pModel = ComQuery<IRModel>(instance);
    m_pType = type_access::InstanceOf(type_access::TypeOf(instance));
  }
  GetStatus();
}

const GUID& CQVEOFlowsheet::ClassID() { return CLSID_QVEOFlowsheet; }

int CQVEOFlowsheet::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_FLOWSHEET);
  return !name.empty();
}

CExplorerObject* CQVEOFlowsheet::Clone() { return new CQVEOFlowsheet(m_pInstance, m_pExclusionList, GetOwner()); }

int CQVEOFlowsheet::operator==(CExplorerObject& other) {
  if (other.GetClassID() != ClassID()) return 0;
  if (this == &other) return 1;
  auto* flowsheet = dynamic_cast<CQVEOFlowsheet*>(&other);
  return flowsheet && m_pInstance && flowsheet->m_pInstance && m_bHierarchy == flowsheet->m_bHierarchy &&
         flowsheet_children::PathOf(m_pInstance) == flowsheet_children::PathOf(flowsheet->m_pInstance);
}

int CQVEOFlowsheet::IsValid() { return m_pInstance && MwInstance(m_pInstance.Get()).IsValid(); }

CComPtr<IFType> CQVEOFlowsheet::FlowsheetType() {
  if (!m_pInstance) return {};
  if (!m_bHierarchy) {
    CRQVDocument* document = CQVExplorer::GetCurrentDocument();
    CComPtr<IFType> type;
    if (document && SUCCEEDED(document->GetFlowsheetType(&type)) && type) return type;
  }
  return type_access::TypeOf(m_pInstance);
}

CComPtr<IQVHierarchyType> CQVEOFlowsheet::HierarchyType() { return ComQuery<IQVHierarchyType>(FlowsheetType()); }

void CQVEOFlowsheet::GetStatus() {
  m_nStatusTextId = 0;
  if (!m_pInstance) return;
  CComPtr<IFType> type = FlowsheetType();
  CComPtr<IFTypeDesc> desc = type_access::DescriptorOf(type);
  if (!desc) return;
  const bool failed = IsListedInCompiledFolder(desc, kFlowsheetCompiledFolder, type_access::NameOf(type));
  m_nStatusTextId = failed ? IDS_NOT_OK : IDS_OK;
  if (m_nStatus != EO_STATUS_SYSTEM) m_nStatus = failed ? EO_STATUS_NOT_OK : EO_STATUS_OK;
}

int CQVEOFlowsheet::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    if (!m_bHierarchy) {
      text = LoadStringOrEmpty(IDS_FLOWSHEET);
      return 1;
    }
    if (!m_pModel || FAILED(m_pModel->GetName(text))) return 0;
    text = text.substr(0, kMaxHierarchyNameLength);
    return 1;
  }
  if (aspect == EOAspectType) {
    text = LoadStringOrEmpty(m_bHierarchy ? IDS_HIERARCHY : IDS_FLOWSHEET);
    return 1;
  }
  // The compile state shows as the item's overlay, not as a text.
  return 0;
}

bool CQVEOFlowsheet::IsLocked() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  return document && document->FlowsheetIsLocked();
}

bool CQVEOFlowsheet::ClipboardOffersPaste() {
  return ClipboardOffersAny({CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_TASK, CF_EXPLORER_SCRIPT, CF_KTR_COPY_SELECTION});
}

int CQVEOFlowsheet::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.Add(ID_EXPLORER_FIND, IDS_MENU_FIND);
  build.AddSeparator();
  const int before = build.ItemCount();
  if (m_bHierarchy) {
    if (!IsLocked()) build.Add(ID_EXPLORER_CUT, IDS_MENU_CUT);
    build.Add(ID_EXPLORER_COPY, IDS_MENU_COPY);
  }
  if (!IsLocked() && ClipboardOffersPaste()) build.Add(ID_EXPLORER_PASTE, IDS_MENU_PASTE);
  if (build.ItemCount() != before) build.AddSeparator();
  build.Add(ID_EXPLORER_EDIT_TEXT, IDS_MENU_EDIT);
  build.Add(ID_EXPLORER_COMPILE, IDS_MENU_COMPILE);
  build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
  build.AddSeparator();
  if (m_bHierarchy) build.Add(ID_EXPLORER_EXPORT_SIMULATION, IDS_MENU_EXPORT_SIMULATION);
  else build.Add(ID_EXPLORER_EXPORT, IDS_MENU_EXPORT);
  if (!IsLocked()) build.Add(ID_EXPLORER_IMPORT_FLOWSHEET, IDS_MENU_IMPORT_FLOWSHEET);
  return 1;
}

int CQVEOFlowsheet::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
      return m_pModel != nullptr;
    case ID_EXPLORER_EDIT:
    case ID_EXPLORER_EXPLORE:
    case ID_EXPLORER_COMPILE:
    case ID_EXPLORER_FIND:
    case ID_EXPLORER_EDIT_TEXT:
    case ID_EXPLORER_GENERATE_FLOWSHEET_CODE:
      return 1;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_EXPORT_SIMULATION:
      return m_bHierarchy;
    case ID_EXPLORER_CUT:
      return m_bHierarchy && !IsLocked();
    case ID_EXPLORER_PASTE:
      return !IsLocked() && ClipboardOffersPaste();
    case ID_EXPLORER_EXPORT:
      // The top-level flowsheet exports the simulation; a hierarchy exports itself as one.
      return !m_bHierarchy && CanExport();
    case ID_EXPLORER_IMPORT_FLOWSHEET:
      return !IsLocked();
    default:
      return 0;
  }
}

void CQVEOFlowsheet::DoCommand(UINT id) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  switch (id) {
    case ID_EXPLORER_PROPERTIES: {
      if (!m_pModel) break;
      std::string className, name, type;
      GetClassName(className);
      GetDisplayText(EOAspectName, name);
      GetDisplayText(EOAspectType, type);
      CQVModelInstanceObjectPropertySheet sheet(m_bHierarchy ? IDS_HIERARCHY_PROPERTIES : IDS_FLOWSHEET_PROPERTIES,
                                                m_pModel, className, name, type, m_nStatus != EO_STATUS_NOT_OK);
      sheet.DoModal();
      break;
    }
    case ID_EXPLORER_EDIT:
      Edit(true);
      break;
    case ID_EXPLORER_EDIT_TEXT:
      Edit(false);
      break;
    case ID_EXPLORER_EXPLORE:
      ExploreInstance(*this, m_pInstance);
      break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
      CopyOrCut(id == ID_EXPLORER_CUT);
      break;
    case ID_EXPLORER_PASTE: {
      COleDataObject data;
      if (data.AttachClipboard()) PasteData(data, DROPEFFECT_COPY);
      break;
    }
    case ID_EXPLORER_EXPORT:
      Export();
      break;
    case ID_EXPLORER_COMPILE:
      Compile();
      break;
    case ID_EXPLORER_FIND:
      FindVariables();
      break;
    case ID_EXPLORER_EXPORT_SIMULATION:
      if (document && m_bHierarchy) {
        std::string path;
        MwInstance(m_pInstance.Get()).StringPath(path);
        document->FileExport(path);
      }
      break;
    case ID_EXPLORER_GENERATE_FLOWSHEET_CODE:
      if (document && m_pInstance) document->ExportFlowsheetCode(CComPtr<IFInstance>(m_pInstance));
      break;
    case ID_EXPLORER_IMPORT_FLOWSHEET:
      if (CComPtr<IQVHierarchyType> hierarchy = HierarchyType(); hierarchy && document)
        document->ImportFlowsheet(hierarchy);
      break;
    default:
      break;
  }
}

void CQVEOFlowsheet::Export() {
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->FileExport({});
}

void CQVEOFlowsheet::Edit(bool asTypeEditor) {
  if (!m_pInstance) return;
  CComPtr<IFTypeDesc> desc = type_access::DescriptorOf(type_access::TypeOf(m_pInstance));
  if (!desc) return;
  std::string title;
  if (asTypeEditor && m_bHierarchy) MwInstance(m_pInstance.Get()).StringPath(title);
  else GetDisplayText(EOAspectName, title);
  const bool readOnly = asTypeEditor && m_bReadOnly;
  CQVTextEditorFrame::Launch(CComPtr<IFInstance>(m_pInstance).Get(), desc.Get(), title, kHierarchyEditorKind,
                             readOnly, 0);
}

void CQVEOFlowsheet::CopyOrCut(bool cut) {
  if (!m_bHierarchy) {
    MessageBeep(0);
    return;
  }
  graphical_copy::CopyOrCut(CComPtr<IFInstance>(m_pInstance), cut);
}

void CQVEOFlowsheet::FindVariables() {
  std::string path;
  if (m_bHierarchy && m_pInstance) MwInstance(m_pInstance.Get()).StringPath(path);
  OpenView(CLSID_QVTextEditorView, 0, path, nullptr, {}, 0);
}
