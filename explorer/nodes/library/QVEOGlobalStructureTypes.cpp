#include "explorer/nodes/library/QVEOGlobalStructureTypes.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/ModelPaste.h"
#include "explorer/nodes/library/TypeVisibility.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOGlobalStructureTypes, IDS_STRUCTURE_TYPES, IDI_OPEN_STRUCTURE_TYPES_FOLDER, IDI_STRUCTURE_TYPES_FOLDER,
    "StructureTypeFolder", &CLSID_QVEOGlobalStructureType, &CLSID_QVEOAddStructure, &CF_EXPLORER_GLOBAL_STRUCTURE_TYPE,
    {IDS_NAME, IDS_STATUS}, {EOAspectStatus},
    QV_KIND_STRUCTURE, true};

}  // namespace

CQVEOGlobalStructureTypes::CQVEOGlobalStructureTypes(IFInstance* owner, CExplorerExclusionList* exclusionList,
                                                     CWnd* ownerWindow, int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOGlobalStructureTypes::ClassID() { return CLSID_QVEOGlobalStructureTypes; }

CExplorerObject* CQVEOGlobalStructureTypes::Clone() {
  return new CQVEOGlobalStructureTypes(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}

bool CQVEOGlobalStructureTypes::ListsType(IFTypeDesc* desc) { return IsTypeShown(desc); }

int CQVEOGlobalStructureTypes::PasteData(COleDataObject& data, DWORD dropEffect) {
  CComPtr<IFType> source = type_access::TypeOf(ReadHostObject(data, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE));
  CComPtr<IFType> owner = PaletteOwner();
  // A move inside the palette brings the type back from a user folder.
  CComPtr<IFFolder> home = PaletteKindFolder(owner, "StructureTypeFolder");
  return PasteModel(*this, source, owner, dropEffect, {true, home, &CLSID_QVEOGlobalStructureType});
}
