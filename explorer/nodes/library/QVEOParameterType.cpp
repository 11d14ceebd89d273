#include "explorer/nodes/library/QVEOParameterType.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeLeafTraits kParameterTypeTraits = {IDS_PARAMETER_TYPE, IDI_PARAMETER_TYPE, &CF_EXPLORER_PARAMETER_TYPE,
                                             QV_KIND_PARAMETER_TYPE, "CompiledVariableTypeFolder"};

}  // namespace

CQVEOParameterType::CQVEOParameterType(IFInstance* instance, CWnd* owner, int readOnly)
    : CQVEOTypeLeaf(instance, owner, readOnly, kParameterTypeTraits) {}

CQVEOParameterType::CQVEOParameterType(IFTypeDesc* desc, CWnd* owner, int readOnly)
    : CQVEOTypeLeaf(desc, owner, readOnly, kParameterTypeTraits) {}

const GUID& CQVEOParameterType::ClassID() { return CLSID_QVEOParameterType; }

CExplorerObject* CQVEOParameterType::Clone() {
  return new CQVEOParameterType(m_pTypeDesc.Get(), GetOwner(), m_bReadOnly);
}
