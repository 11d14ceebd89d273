#include "explorer/nodes/library/QVEOParameterTypes.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOParameterTypes, 13691, 13691, 13690, "ParameterTypeFolder", &CLSID_QVEOParameterType,
    &CLSID_QVEOAddParameterType, &CF_EXPLORER_PARAMETER_TYPE,
    {13605, 13607}, {EOAspectStatus},  // "Name", "Status"
    QV_KIND_PARAMETER_TYPE, false};

}  // namespace

CQVEOParameterTypes::CQVEOParameterTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                                         int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOParameterTypes::ClassID() { return CLSID_QVEOParameterTypes; }

CExplorerObject* CQVEOParameterTypes::Clone() {
  return new CQVEOParameterTypes(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}
