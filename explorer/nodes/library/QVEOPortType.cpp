#include "explorer/nodes/library/QVEOPortType.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeLeafTraits kPortTypeTraits = {IDS_PORT_TYPE, IDI_PORT_TYPE, &CF_EXPLORER_PORT_TYPE, QV_KIND_PORT_TYPE,
                                        "CompiledModelFolder"};

}  // namespace

CQVEOPortType::CQVEOPortType(IFInstance* instance, CWnd* owner, int readOnly)
    : CQVEOTypeLeaf(instance, owner, readOnly, kPortTypeTraits),
      m_pPortType(ComQuery<IQVPortType>(type_access::TypeOf(instance))) {}

CQVEOPortType::CQVEOPortType(IFTypeDesc* desc, CWnd* owner, int readOnly)
    : CQVEOTypeLeaf(desc, owner, readOnly, kPortTypeTraits) {}

const GUID& CQVEOPortType::ClassID() { return CLSID_QVEOPortType; }

CExplorerObject* CQVEOPortType::Clone() {
  auto* copy = new CQVEOPortType(m_pTypeDesc.Get(), GetOwner(), m_bReadOnly);
  copy->m_pPortType = m_pPortType;
  return copy;
}
