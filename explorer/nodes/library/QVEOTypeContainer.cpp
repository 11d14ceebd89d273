#include "explorer/nodes/library/QVEOTypeContainer.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/ChildNodes.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/nodes/library/ModelPaste.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Exporter.h"
#include "platform/SafeFile.h"

namespace {

// The kinds a drag may bring; the clipboard may also hold a form definition.
bool OffersDraggableType(const COleDataObject* data) {
  return DataOffersAny(data, {CF_EXPLORER_MODEL_TYPE, CF_EXPLORER_VARIABLE_TYPE, CF_EXPLORER_PORT_TYPE,
                              CF_EXPLORER_PROCEDURE_TYPE, CF_EXPLORER_PARAMETER_TYPE, CF_EXPLORER_TASK});
}

}  // namespace

CQVEOTypeContainer::CQVEOTypeContainer(IFInstance* instance, CExplorerExclusionList* exclusionList,
                                       UINT openIconId, UINT iconId, CWnd* owner, int readOnly)
    : CExplorerContainerObject(ForType{}, instance, exclusionList, openIconId, iconId, owner, readOnly) {
  CComPtr<IFType> type = type_access::TypeOf(instance);
  m_pPalette = type_access::PaletteOf(type);
  m_pRoot = ComQuery<IFRoot>(type);
}

bool CQVEOTypeContainer::ClipboardHoldsPastableType() {
  return ClipboardOffersAny({CF_EXPLORER_MODEL_TYPE, CF_EXPLORER_PORT_TYPE, CF_EXPLORER_VARIABLE_TYPE,
                             CF_EXPLORER_PROCEDURE_TYPE, CF_EXPLORER_FORM_DEFINITION, CF_EXPLORER_PARAMETER_TYPE,
                             CF_EXPLORER_TASK});
}

DWORD CQVEOTypeContainer::OnDragOver(COleDataObject* data, DWORD keyState) {
  if (m_bReadOnly || !OffersDraggableType(data)) return DROPEFFECT_NONE;
  return library_nodes::CopyOrMoveEffect(keyState);
}

int CQVEOTypeContainer::OnDrop(COleDataObject* data, DWORD dropEffect) {
  return data ? PasteData(*data, dropEffect) : 0;
}

void CQVEOTypeContainer::PasteFromClipboard() {
  COleDataObject data;
  if (data.AttachClipboard()) PasteData(data, ClipboardPasteEffect(data));
}

int CQVEOTypeContainer::IsEmpty() {
  CComPtr<IEnum<IFType>> types;
  CComPtr<IFType> first;
  if (!m_pPalette || FAILED(m_pPalette->EnumTypes(0, &types)) || !types) return 1;
  return types->Next(&first) != S_OK || !first;
}

int CQVEOTypeContainer::PasteData(COleDataObject& data, DWORD dropEffect) {
  // Nothing goes into a palette that cannot change, however the data arrives.
  if (m_bReadOnly || !GetType() || !library_nodes::IsCopyOrMove(dropEffect)) return 0;
  // The node is not touched once the host has changed: its Explorer may have rebuilt it.
  const COwnerNotifier notify(*this);
  const bool announce = AnnouncesPastedModels();
  int pasted = 0;
  if (data.IsDataAvailable(CF_EXPLORER_MODEL_TYPE)) {
    pasted = PasteModelType(data, dropEffect, announce ? &notify : nullptr);
  } else {
    bool found = false;
    for (CLIPFORMAT format : {CF_EXPLORER_VARIABLE_TYPE, CF_EXPLORER_PARAMETER_TYPE, CF_EXPLORER_PORT_TYPE,
                              CF_EXPLORER_PROCEDURE_TYPE, CF_EXPLORER_TASK}) {
      if (!data.IsDataAvailable(format)) continue;
      pasted = PasteKindType(data, format, dropEffect);
      found = true;
      break;
    }
    if (!found && PastesStructureTypes() && data.IsDataAvailable(CF_EXPLORER_GLOBAL_STRUCTURE_TYPE))
      pasted = PasteStructureType(data, dropEffect);
  }
  if (pasted) notify.Post(EXPLORER_CONTENTS_CHANGED);
  return pasted;
}

int CQVEOTypeContainer::PasteModelType(COleDataObject& data, DWORD dropEffect, const COwnerNotifier* announce) {
  std::optional<ModelTypePayload> model = ReadModelType(data);
  CComPtr<IFType> source = model ? type_access::TypeOf(model->modelType) : nullptr;
  CComPtr<IFType> destination = type_access::TypeOf(GetType());
  if (!source || !destination) return 0;
  if (!(dropEffect & DROPEFFECT_COPY) && !CQVExplorer::CheckTypeMove(source, destination)) return 0;
  CComPtr<IFTypeDesc> made;
  if (!CQVExplorer::CloneModel(source, destination, (dropEffect & DROPEFFECT_MOVE) != 0, &made,
                               model->streamType ? 1 : 0))
    return 0;
  if (announce)
    announce->NewObject(type_access::TypeOf(made), model->streamType ? CLSID_QVEOStreamType : CLSID_QVEOBlockType);
  return 1;
}

int CQVEOTypeContainer::PasteKindType(COleDataObject& data, CLIPFORMAT format, DWORD dropEffect) {
  CComPtr<IFType> source = type_access::TypeOf(ReadHostObject(data, format));
  CComPtr<IFType> destination = type_access::TypeOf(GetType());
  if (!source || !destination) return 0;
  if (!(dropEffect & DROPEFFECT_COPY) && !CQVExplorer::CheckTypeMove(source, destination)) return 0;
  CComPtr<IFTypeDesc> made;
  return CQVExplorer::CloneType(source, destination, (dropEffect & DROPEFFECT_MOVE) != 0, &made);
}

int CQVEOTypeContainer::PasteStructureType(COleDataObject& data, DWORD dropEffect) {
  CComPtr<IFType> source = type_access::TypeOf(ReadHostObject(data, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE));
  CComPtr<IFType> destination = type_access::TypeOf(GetType());
  CComPtr<IFFolder> home = PaletteKindFolder(destination, "StructureTypeFolder");
  return PasteModel(*this, source, destination, dropEffect, {true, home, &CLSID_QVEOGlobalStructureType});
}

void CQVEOTypeContainer::ReBuild() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IFType> paletteType;
  if (!document || !m_pPalette || FAILED(m_pPalette->GetOwnerType(&paletteType))) return;
  document->RebuildLibrary(m_pPalette, paletteType, true);
}

bool CQVEOTypeContainer::ExportLibraryTo(const std::string& path) {
  std::string text;
  if (!m_pRoot || FAILED(QVExportLibrary(m_pRoot, text))) return false;
  return ReplaceFileContents(path, text) == 0;
}
