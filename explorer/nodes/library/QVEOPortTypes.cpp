#include "explorer/nodes/library/QVEOPortTypes.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/Exporter.h"
#include "host/language/TypeKinds.h"
#include "host/model/IQVPortType.h"

namespace {

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOPortTypes, IDS_PORT_TYPES, IDI_OPEN_PORT_TYPES_FOLDER, IDI_PORT_TYPES_FOLDER,
    "PortTypeFolder", &CLSID_QVEOPortType, &CLSID_QVEOAddPortType, &CF_EXPLORER_PORT_TYPE,
    {IDS_NAME, IDS_STATUS}, {EOAspectStatus},
    QV_KIND_PORT_TYPE, false};

}  // namespace

CQVEOPortTypes::CQVEOPortTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                               int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOPortTypes::ClassID() { return CLSID_QVEOPortTypes; }

CExplorerObject* CQVEOPortTypes::Clone() {
  return new CQVEOPortTypes(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}

HRESULT CQVEOPortTypes::ExportTypes(std::string& text) { return QVExportTypes(Palette(), IID_IQVPortType, text); }
