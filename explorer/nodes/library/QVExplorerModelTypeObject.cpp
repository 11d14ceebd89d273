#include "explorer/nodes/library/QVExplorerModelTypeObject.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/QVNamedObjectPropertySheet.h"
#include "explorer/nodes/library/CompiledFolderStatus.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/nodes/library/ModelTypeExport.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/framework/CRQVDocument.h"
#include "host/framework/UpdateHints.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/language/Exporter.h"
#include "host/model/IQVHierarchyType.h"
#include "host/model/IQVStreamType.h"
#include "host/store/IFNaming.h"
#include "host/store/IFTypePalette.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"
#include "platform/Utf8.h"

namespace {

constexpr std::size_t kMaxNamingName = 80;

}  // namespace

CQVExplorerModelTypeObject::CQVExplorerModelTypeObject(IFInstance* type, CExplorerExclusionList* exclusionList,
                                                       UINT openIconId, UINT normalIconId, CWnd* owner,
                                                       int readOnly)
    : CExplorerContainerObject(ForType{}, type, exclusionList, openIconId, normalIconId, owner, readOnly) {
  m_pTypeDesc = type_access::DescriptorOfInstance(type);
  CQVExplorerModelTypeObject::GetStatus();
}

CQVExplorerModelTypeObject::CQVExplorerModelTypeObject(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList,
                                                       UINT openIconId, UINT normalIconId, CWnd* owner,
                                                       int readOnly)
    : CExplorerContainerObject(typeDesc, exclusionList, openIconId, normalIconId, owner, readOnly) {
  CQVExplorerModelTypeObject::GetStatus();
}

void CQVExplorerModelTypeObject::GetStatus() {
  static const std::string folder(kCompiledModelFolder);
  ComputeCompiledFolderStatus(m_pTypeDesc, folder, m_nStatus, m_nStatusTextId);
}

CComPtr<IFType> CQVExplorerModelTypeObject::GetModelTypeObject() { return type_access::TypeOf(GetType()); }

std::string CQVExplorerModelTypeObject::GetName() {
  std::string name;
  if (m_pTypeDesc && SUCCEEDED(m_pTypeDesc->GetName(name)) && !name.empty()) return name;
  name.clear();
  if (CComPtr<IFNaming> naming = ComQuery<IFNaming>(GetModelTypeObject())) {
    if (SUCCEEDED(naming->GetName(name))) return Utf8::Prefix(name, kMaxNamingName);
  }
  return {};
}

int CQVExplorerModelTypeObject::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text = GetName();
    if (text.empty()) text = LoadStringOrEmpty(IDS_MODEL);
    return !text.empty();
  }
  if (aspect == EOAspectStatus) {
    text = m_nStatusTextId ? LoadStringOrEmpty(m_nStatusTextId) : std::string();
    return !text.empty();
  }
  return 0;
}

// ---------------------------------------------------------------- menu and commands

int CQVExplorerModelTypeObject::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  if (IsHierarchyType()) {
    AddMenuCommand(build, ID_EXPLORER_PROPERTIES);
    return 1;
  }
  if (IsEditable()) {
    AddMenuCommand(build, ID_EXPLORER_EXPLORE);
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_COPY);
    if (ClipboardOffersAny({CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_SCRIPT, CF_EXPLORER_MODEL_ICON}))
      AddMenuCommand(build, ID_EXPLORER_PASTE);
    AddMenuCommand(build, ID_EXPLORER_DELETE);
    AddMenuCommand(build, ID_EXPLORER_RENAME);
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_EDIT);
    AddMenuCommand(build, ID_EXPLORER_COMPILE);
    AddMenuCommand(build, ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL);
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_EXPORT);
    AddMenuCommand(build, ID_HOST_PACKAGE_MODEL);
    AddMenuCommand(build, ID_EXPLORER_EXPORTED_MODEL_PROPERTIES);
    AddMenuCommand(build, ID_HOST_CREATE_INITIALIZATION_SCRIPT);
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_PROPERTIES);
    return 1;
  }
  AddMenuCommand(build, ID_EXPLORER_EXPLORE);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_COPY);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_EDIT);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_EXPORT);
  AddMenuCommand(build, ID_HOST_PACKAGE_MODEL);
  return 1;
}

int CQVExplorerModelTypeObject::CanDoCommand(UINT id) {
  const bool notSystem = m_nStatus != EO_STATUS_SYSTEM;
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_EDIT:
    case ID_EXPLORER_EXPLORE:
      return notSystem;
    case ID_EXPLORER_COPY:
      return m_nStatus != EO_STATUS_NOT_OK;
    case ID_EXPLORER_PASTE:
      return IsEditable() && ClipboardOffersAny({CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_MODEL_TYPE,
                                                 CF_EXPLORER_SCRIPT, CF_EXPLORER_MODEL_ICON});
    case ID_EXPLORER_RENAME:  // a library's model offers no rename, and Ctrl+M must not either
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_COMPILE:
    case ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL:
    case ID_EXPLORER_EXPORTED_MODEL_PROPERTIES:
      return IsEditable();
    case ID_EXPLORER_EXPORT:
      return CanExport();
    case ID_HOST_PACKAGE_MODEL: {
      IExplorerWindow* window = GetOwnerWindow();
      return window && window->IsModelBlockSelected();
    }
    case ID_HOST_CREATE_INITIALIZATION_SCRIPT: {
      IExplorerWindow* window = GetOwnerWindow();
      return window && window->IsModelBlockSelected() && window->IsModelInCustomModeling();
    }
    default:
      return 0;
  }
}

void CQVExplorerModelTypeObject::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
      ShowProperties();
      break;
    case ID_EXPLORER_EDIT:
      OpenInEditor();
      break;
    case ID_EXPLORER_EXPLORE:
      Explore();
      break;
    case ID_EXPLORER_COPY:
      if (m_nStatus != EO_STATUS_NOT_OK) CopyToClipboard();
      break;
    case ID_EXPLORER_CUT:
      // The model moves when it is pasted; a read-only or built-in one is only copied.
      CopyToClipboard(IsEditable());
      break;
    case ID_EXPLORER_PASTE: {
      COleDataObject data;
      if (data.AttachClipboard()) PasteData(data, ClipboardPasteEffect(data));
      break;
    }
    case ID_EXPLORER_DELETE:
      SelfDestruct(1);
      break;
    case ID_EXPLORER_RENAME:
      StartLabelEdit();
      break;
    case ID_EXPLORER_EXPORT:
      Export();
      break;
    case ID_EXPLORER_COMPILE:
      if (CComPtr<IFType> type = GetModelTypeObject()) CQVExplorer::Compile(type, 1, 0);
      break;
    case ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL:
      UpdateToCustomModel();
      break;
    case ID_EXPLORER_EXPORTED_MODEL_PROPERTIES:
      ShowPackageProperties();
      break;
    default:
      break;
  }
}

void CQVExplorerModelTypeObject::ShowProperties() {
  CQVNamedObjectPropertySheet sheet(IDS_MODEL_PROPERTIES, this, "", m_bReadOnly);
  sheet.SetHelpTopic(IDS_HELP_FILE, IDS_HELP_MODEL_PROPERTIES);
  sheet.DoModal();
}

void CQVExplorerModelTypeObject::OpenInEditor() {
  CComPtr<IFType> type = GetModelTypeObject();
  if (!type) return;
  CComPtr<IFType> paletteOwner;
  if (CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(type)) palette->GetOwnerType(&paletteOwner);
  CQVTextEditorFrame::Launch(paletteOwner, type, GetName(), EditorKind(), EditorReadOnly(), 0);
}

void CQVExplorerModelTypeObject::UpdateToCustomModel() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IFType> type = GetModelTypeObject();
  if (!document || !type) return;
  CComPtr<IFType> flowsheet;
  if (FAILED(document->GetFlowsheetType(&flowsheet)) || !flowsheet) return;
  CComPtr<IQVHierarchyType> hierarchy = ComQuery<IQVHierarchyType>(flowsheet);
  if (!hierarchy) return;
  hierarchy->UpdateInstancesToCustomModel({GetName()}, {type.Get()});
}

void CQVExplorerModelTypeObject::ShowPackageProperties() {
  if (CComPtr<IFType> type = GetModelTypeObject()) QVPackageProperties(type);
}

void CQVExplorerModelTypeObject::Export() { ExportModelType(GetModelTypeObject(), GetName(), ExportMode(), GetOwnerWindow()); }

int CQVExplorerModelTypeObject::SelfDestruct(int confirm) {
  const std::string name = GetName();
  if (!DeleteType(confirm)) return 0;
  NotifyDocumentChanged(QV_HINT_MODEL_DELETED, name);
  return 1;
}

int CQVExplorerModelTypeObject::DontEditLabel() { return !CanDoCommand(ID_EXPLORER_RENAME) || m_bReadOnly; }

int CQVExplorerModelTypeObject::EditLabel(std::string newName) {
  const std::string oldName = GetName();
  if (newName.empty() || newName == oldName) return 0;
  // A name only changed in letter case is the same definition: no duplicate.
  if (CompareNoCase(newName, oldName) != 0) {
    CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(GetModelTypeObject());
    if (palette && type_access::Find(palette, newName)) {
      CQVExplorer::DisplayMessage(IDS_TYPE_NAME_TAKEN, IDS_RENAME_TYPE, MB_ICONINFORMATION, nullptr);
      return 0;
    }
  }
  return RenameType(newName);
}

// ---------------------------------------------------------------- model interfaces and forms

IRModelType* CQVExplorerModelTypeObject::GetModelType() {
  if (!m_pModelType) m_pModelType = ComQuery<IRModelType>(GetModelTypeObject());
  return m_pModelType;
}

CComPtr<IQVFormContainer> CQVExplorerModelTypeObject::GetFormContainer() {
  return ComQuery<IQVFormContainer>(GetModelTypeObject());
}

int CQVExplorerModelTypeObject::IsDefaultForm(const std::string& formName) {
  CComPtr<IQVFormContainer> forms = GetFormContainer();
  std::string defaultForm;
  return forms && SUCCEEDED(forms->GetDefaultForm(defaultForm)) && defaultForm == formName;
}

void CQVExplorerModelTypeObject::SetDefaultForm(const std::string& formName) {
  CComPtr<IQVFormContainer> forms = GetFormContainer();
  if (forms && SUCCEEDED(forms->SetDefaultForm(formName))) PostToOwner(EXPLORER_DETAILS_CHANGED, 0, 0);
}

// ---------------------------------------------------------------- clipboard and drag

bool CQVExplorerModelTypeObject::OfferClipboardData(COleDataSource& data) {
  CWaitCursor wait;
  CComPtr<IFType> type = GetModelTypeObject();
  IRModelType* modelType = GetModelType();
  if (!type || !modelType) return false;
  const bool streamType = ComQuery<IQVStreamType>(type) != nullptr;
  return OfferModelType(data, modelType, streamType);
}

void CQVExplorerModelTypeObject::CopyToClipboard(bool forMove) {
  COleDataSource data;
  if (!OfferClipboardData(data)) return;
  if (forMove) MarkForMove(data);
  data.SetClipboard();
}

DWORD CQVExplorerModelTypeObject::DoDragDrop() {
  COleDataSource data;
  if (!OfferClipboardData(data)) return DROPEFFECT_NONE;
  DROPEFFECT allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  // A drag that creates an instance on the flowsheet may only copy.
  IExplorerWindow* window = GetOwnerWindow();
  if (window && window->TakeCopyOnlyDrag()) allowed = DROPEFFECT_COPY;
  return data.DoDragDrop(allowed);
}

DWORD CQVExplorerModelTypeObject::OnDragOver(COleDataObject* data, DWORD keyState) {
  if (!data || !IsEditable()) return DROPEFFECT_NONE;
  if (data->IsDataAvailable(CF_EXPLORER_FORM_DEFINITION)) return DROPEFFECT_LINK;
  if (data->IsDataAvailable(CF_EXPLORER_SCRIPT)) return (keyState & MK_SHIFT) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
  return DROPEFFECT_NONE;
}

int CQVExplorerModelTypeObject::OnDrop(COleDataObject* data, DWORD dropEffect) {
  return data ? PasteData(*data, dropEffect) : 0;
}
