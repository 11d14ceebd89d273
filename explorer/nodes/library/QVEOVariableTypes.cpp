#include "explorer/nodes/library/QVEOVariableTypes.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOVariableTypes, IDS_VARIABLE_TYPES, IDI_OPEN_VARIABLE_TYPES_FOLDER, IDI_VARIABLE_TYPES_FOLDER,
    "VariableTypeFolder", &CLSID_QVEOVariableType, &CLSID_QVEOAddVariableType, &CF_EXPLORER_VARIABLE_TYPE,
    {IDS_NAME, IDS_PHYSICAL_QUANTITY, IDS_CURRENT_UNITS, IDS_STATUS},
    {EOAspectPhysicalQuantity, EOAspectCurrentUnits, EOAspectStatus},
    QV_KIND_VARIABLE_TYPE, false};

}  // namespace

CQVEOVariableTypes::CQVEOVariableTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                                       int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOVariableTypes::ClassID() { return CLSID_QVEOVariableTypes; }

CExplorerObject* CQVEOVariableTypes::Clone() {
  return new CQVEOVariableTypes(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}
