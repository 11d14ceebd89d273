#include "explorer/nodes/library/QVEOStreamTypes.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/ChildNodes.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/nodes/library/TypeVisibility.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOStreamTypes, IDS_STREAM_TYPES, IDI_OPEN_STREAM_TYPES_FOLDER, IDI_STREAM_TYPES_FOLDER,
    "StreamTypeFolder", &CLSID_QVEOStreamType, &CLSID_QVEOAddStreamType, &CF_EXPLORER_MODEL_TYPE,
    {IDS_NAME, IDS_STATUS}, {EOAspectStatus},
    QV_KIND_STREAM_TYPE, true};

}  // namespace

CQVEOStreamTypes::CQVEOStreamTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                                   int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOStreamTypes::ClassID() { return CLSID_QVEOStreamTypes; }

CExplorerObject* CQVEOStreamTypes::Clone() {
  return new CQVEOStreamTypes(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}

bool CQVEOStreamTypes::ListsType(IFTypeDesc* desc) { return IsTypeShown(desc); }

bool CQVEOStreamTypes::AcceptsData(const COleDataObject& data) {
  std::optional<ModelTypePayload> model = ReadModelType(data);
  return model && model->streamType;
}

int CQVEOStreamTypes::PasteData(COleDataObject& data, DWORD dropEffect) {
  if (!library_nodes::IsCopyOrMove(dropEffect)) return 0;
  std::optional<ModelTypePayload> model = ReadModelType(data);
  // A model belongs in the models, whichever way it arrives.
  if (!model || !model->streamType) return 0;
  CComPtr<IFType> source = type_access::TypeOf(model->modelType);
  CComPtr<IFType> destination = PaletteOwner();
  if (!source || !destination) return 0;
  const bool copy = (dropEffect & DROPEFFECT_COPY) != 0;
  if (!copy && !CQVExplorer::CheckTypeMove(source, destination)) return 0;
  const COwnerNotifier notify(*this);  // the copy may make the Explorer rebuild this node
  CComPtr<IFTypeDesc> made;
  if (!CQVExplorer::CloneModel(source, destination, (dropEffect & DROPEFFECT_MOVE) != 0, &made, 1)) return 0;
  if (copy) {
    notify.NewObject(type_access::TypeOf(made), CLSID_QVEOStreamType);
  } else {
    notify.Post(EXPLORER_CONTENTS_CHANGED);
  }
  return 1;
}
