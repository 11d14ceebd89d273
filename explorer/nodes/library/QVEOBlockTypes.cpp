#include "explorer/nodes/library/QVEOBlockTypes.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/ChildNodes.h"
#include "explorer/nodes/library/ModelPaste.h"
#include "explorer/nodes/library/TypeVisibility.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOBlockTypes, IDS_MODELS, IDI_OPEN_MODEL_FOLDER, IDI_MODEL_FOLDER,
    "BlockTypeFolder", &CLSID_QVEOBlockType, &CLSID_QVEOAddModel, &CF_EXPLORER_MODEL_TYPE,
    {IDS_NAME, IDS_STATUS}, {EOAspectStatus},
    QV_KIND_MODEL, true};

}  // namespace

CQVEOBlockTypes::CQVEOBlockTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                                 int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOBlockTypes::ClassID() { return CLSID_QVEOBlockTypes; }

CExplorerObject* CQVEOBlockTypes::Clone() {
  return new CQVEOBlockTypes(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}

bool CQVEOBlockTypes::ListsType(IFTypeDesc* desc) { return IsTypeShown(desc); }

bool CQVEOBlockTypes::AcceptsData(const COleDataObject& data) {
  std::optional<ModelTypePayload> model = ReadModelType(data);
  return model && !model->streamType;
}

CExplorerObject* CQVEOBlockTypes::MakeHierarchyModelNode() {
  CComPtr<IFTypeDesc> hierarchy = CQVExplorer::GetHierarchyModel();
  return hierarchy ? MakeLeaf(CLSID_QVEOBlockType, hierarchy) : nullptr;
}

void CQVEOBlockTypes::AddTypes(CListCtrl& list) {
  CQVEOTypeKindFolder::AddTypes(list);
  AddRowFor(list, MakeHierarchyModelNode());
}

void CQVEOBlockTypes::InsertTypes(CTreeCtrl& tree, HTREEITEM item) {
  CQVEOTypeKindFolder::InsertTypes(tree, item);
  library_nodes::InsertInTree(tree, item, MakeHierarchyModelNode());
  tree.SortChildren(item);
}

int CQVEOBlockTypes::PasteData(COleDataObject& data, DWORD dropEffect) {
  if (!library_nodes::IsCopyOrMove(dropEffect)) return 0;
  std::optional<ModelTypePayload> model = ReadModelType(data);
  // A stream type belongs in the stream types, whichever way it arrives.
  if (!model || model->streamType) return 0;
  return PasteModel(*this, type_access::TypeOf(model->modelType), PaletteOwner(), dropEffect,
                    {false, nullptr, &CLSID_QVEOBlockType});
}
