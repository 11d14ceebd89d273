#include "explorer/nodes/library/QVEOVariableTypes.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOVariableTypes, 13612, 13560, 13565, "VariableTypeFolder", &CLSID_QVEOVariableType,
    &CLSID_QVEOAddVariableType, &CF_EXPLORER_VARIABLE_TYPE,
    // "Name", "Physical Quantity", "Current Units", "Status"
    {13605, 13738, 13633, 13607}, {EOAspectPhysicalQuantity, EOAspectCurrentUnits, EOAspectStatus},
    QV_KIND_VARIABLE_TYPE, false};

}  // namespace

CQVEOVariableTypes::CQVEOVariableTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                                       int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOVariableTypes::ClassID() { return CLSID_QVEOVariableTypes; }

CExplorerObject* CQVEOVariableTypes::Clone() {
  return new CQVEOVariableTypes(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}
