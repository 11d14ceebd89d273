#include "explorer/nodes/library/QVEOParameterTypes.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOParameterTypes, IDS_PARAMETER_TYPES, IDI_OPEN_PARAMETER_TYPES_FOLDER, IDI_PARAMETER_TYPES_FOLDER,
    "ParameterTypeFolder", &CLSID_QVEOParameterType, &CLSID_QVEOAddParameterType, &CF_EXPLORER_PARAMETER_TYPE,
    {IDS_NAME, IDS_STATUS}, {EOAspectStatus},
    QV_KIND_PARAMETER_TYPE, false};

}  // namespace

CQVEOParameterTypes::CQVEOParameterTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                                         int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOParameterTypes::ClassID() { return CLSID_QVEOParameterTypes; }

CExplorerObject* CQVEOParameterTypes::Clone() {
  return new CQVEOParameterTypes(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}
