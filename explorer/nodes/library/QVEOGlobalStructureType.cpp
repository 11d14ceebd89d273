#include "explorer/nodes/library/QVEOGlobalStructureType.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IQVInstanceCreation.h"
#include "host/store/IFTypePalette.h"
#include "platform/Resources.h"

const GUID& CQVEOGlobalStructureType::ClassID() { return CLSID_QVEOGlobalStructureType; }

CQVEOGlobalStructureType::CQVEOGlobalStructureType(IFInstance* type, CExplorerExclusionList* exclusionList,
                                                   CWnd* owner, int readOnly)
    : CQVExplorerModelTypeObject(type, exclusionList, IDI_STRUCTURE_TYPE, IDI_STRUCTURE_TYPE, owner, readOnly) {}

CQVEOGlobalStructureType::CQVEOGlobalStructureType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList,
                                                   CWnd* owner, int readOnly)
    : CQVExplorerModelTypeObject(typeDesc, exclusionList, IDI_STRUCTURE_TYPE, IDI_STRUCTURE_TYPE, owner, readOnly) {}

int CQVEOGlobalStructureType::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_STRUCTURE_TYPE);
  return !name.empty();
}

CExplorerObject* CQVEOGlobalStructureType::Clone() {
  if (m_pType) return new CQVEOGlobalStructureType(m_pType.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
  return new CQVEOGlobalStructureType(m_pTypeDesc.Get(), m_pExclusionList, m_pOwner, m_bReadOnly);
}

int CQVEOGlobalStructureType::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectType) return CQVExplorerModelTypeObject::GetDisplayText(aspect, text);
  return GetClassName(text);
}

ModelContentsShape CQVEOGlobalStructureType::ContentsShape() {
  ModelContentsShape shape;
  shape.addIcon = shape.icons = shape.tasks = shape.help = false;
  return shape;
}

int CQVEOGlobalStructureType::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  AddMenuCommand(build, ID_EXPLORER_CREATE_INSTANCE);
  AddMenuCommand(build, ID_EXPLORER_EXPLORE);
  AddMenuCommand(build, ID_EXPLORER_EXPORT);
  AddMenuCommand(build, ID_HOST_PACKAGE_MODEL);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_EDIT);
  if (!IsEditable()) {
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_COPY);
    return 1;
  }
  AddMenuCommand(build, ID_EXPLORER_RENAME);
  AddMenuCommand(build, ID_EXPLORER_DELETE);
  build.AddSeparator();
  bool added = AddMenuCommand(build, ID_EXPLORER_COPY);
  if (ClipboardOffersAny({CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_SCRIPT}))
    added = AddMenuCommand(build, ID_EXPLORER_PASTE) || added;
  if (added) build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_COMPILE);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_PROPERTIES);
  AddMenuCommand(build, ID_EXPLORER_STRUCTURE_PACKAGE_PROPERTIES);
  return 1;
}

int CQVEOGlobalStructureType::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PASTE:
      return IsEditable() && ClipboardOffersAny({CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE,
                                                 CF_EXPLORER_SCRIPT});
    case ID_EXPLORER_STRUCTURE_PACKAGE_PROPERTIES:
      return IsEditable();
    case ID_EXPLORER_CREATE_INSTANCE:
      return 1;
    case ID_HOST_PACKAGE_MODEL: {
      IExplorerWindow* window = GetOwnerWindow();
      return window && window->IsStructureBlockSelected();
    }
    case ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL:
    case ID_EXPLORER_EXPORTED_MODEL_PROPERTIES:
    case ID_HOST_CREATE_INITIALIZATION_SCRIPT:
      return 0;
    default:
      return CQVExplorerModelTypeObject::CanDoCommand(id);
  }
}

void CQVEOGlobalStructureType::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_CREATE_INSTANCE:
      CreateInstance();
      break;
    case ID_EXPLORER_STRUCTURE_PACKAGE_PROPERTIES:
      ShowPackageProperties();
      break;
    case ID_EXPLORER_UPDATE_TO_CUSTOM_MODEL:
    case ID_EXPLORER_EXPORTED_MODEL_PROPERTIES:
      break;
    default:
      CQVExplorerModelTypeObject::DoCommand(id);
      break;
  }
}

bool CQVEOGlobalStructureType::OfferClipboardData(COleDataSource& data) {
  CComPtr<IFType> type = GetModelTypeObject();
  return type && OfferHostObject(data, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE, type);
}

int CQVEOGlobalStructureType::PasteData(COleDataObject& data, DWORD effect) {
  if (!IsEditable()) return 0;
  if (data.IsDataAvailable(CF_EXPLORER_SCRIPT)) return PasteScript(data, effect);
  if (!data.IsDataAvailable(CF_EXPLORER_GLOBAL_STRUCTURE_TYPE) || !(effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE)))
    return 0;
  CComPtr<IFType> source = ReadHostObjectAs<IFType>(data, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE);
  CComPtr<IFType> destination;
  if (CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(GetModelTypeObject()))
    palette->GetOwnerType(&destination);
  if (!source || !destination) return 0;
  const int move = (effect & DROPEFFECT_COPY) ? 0 : 1;
  if (move && !CQVExplorer::CheckTypeMove(source, destination)) return 0;
  const COwnerNotifier notifier(*this);  // the copy may rebuild the panes and delete this node
  CComPtr<IFTypeDesc> created;
  if (!CQVExplorer::CloneGlobalStructureType(source, destination, move, &created)) return 0;
  if (CComPtr<IFType> newType = type_access::TypeOf(created)) notifier.NewObject(newType, ClassID());
  return 1;
}

void CQVEOGlobalStructureType::CreateInstance() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IUnknown> root;
  if (!document || FAILED(document->GetRootQVModel(&root)) || !root) return;
  CComPtr<IQVInstanceCreation> creation = ComQuery<IQVInstanceCreation>(root);
  CComPtr<IFType> type = GetModelTypeObject();
  if (!creation || !type) return;
  CQVExplorerObjectNameDialog dialog(IDS_NAME_STRUCTURE, nullptr);
  if (dialog.DoModal() != IDOK) return;
  const std::string name = dialog.m_strName;
  CComPtr<IFInstance> instance;
  if (FAILED(creation->CreateGlobalInstance(type, name, &instance))) {
    CQVExplorer::SetName(name);  // the message names the instance asked for
    CQVExplorer::DisplayMessage(IDS_STRUCTURE_INSTANCE_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
    return;
  }
  document->OutputMessage(std::string(kStructureComponentListWarning) + "\"" + name + "\" structure instance.", -1, 0);
  PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
}
