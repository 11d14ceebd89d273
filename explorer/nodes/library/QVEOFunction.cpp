#include "explorer/nodes/library/QVEOFunction.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeLeafTraits kFunctionTraits = {IDS_FUNCTION, IDI_FUNCTION, &CF_EXPLORER_PROCEDURE_TYPE, QV_KIND_PROCEDURE,
                                        "CompiledProcedureFolder"};

}  // namespace

CQVEOFunction::CQVEOFunction(IFInstance* instance, CWnd* owner, int readOnly)
    : CQVEOProcedure(instance, owner, readOnly, kFunctionTraits) {}

CQVEOFunction::CQVEOFunction(IFTypeDesc* desc, CWnd* owner, int readOnly)
    : CQVEOProcedure(desc, owner, readOnly, kFunctionTraits) {}

const GUID& CQVEOFunction::ClassID() { return CLSID_QVEOFunction; }

CExplorerObject* CQVEOFunction::Clone() { return new CQVEOFunction(m_pTypeDesc.Get(), GetOwner(), m_bReadOnly); }
