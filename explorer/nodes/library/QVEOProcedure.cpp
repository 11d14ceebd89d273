#include "explorer/nodes/library/QVEOProcedure.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/TypeKinds.h"

namespace {

const TypeLeafTraits kProcedureTraits = {IDS_PROCEDURE, IDI_PROCEDURE, &CF_EXPLORER_PROCEDURE_TYPE, QV_KIND_PROCEDURE,
                                         "CompiledProcedureFolder"};

}  // namespace

CQVEOProcedure::CQVEOProcedure(IFInstance* instance, CWnd* owner, int readOnly)
    : CQVEOTypeLeaf(instance, owner, readOnly, kProcedureTraits) {}

CQVEOProcedure::CQVEOProcedure(IFTypeDesc* desc, CWnd* owner, int readOnly)
    : CQVEOTypeLeaf(desc, owner, readOnly, kProcedureTraits) {}

CQVEOProcedure::CQVEOProcedure(IFInstance* instance, CWnd* owner, int readOnly, const TypeLeafTraits& traits)
    : CQVEOTypeLeaf(instance, owner, readOnly, traits) {}

CQVEOProcedure::CQVEOProcedure(IFTypeDesc* desc, CWnd* owner, int readOnly, const TypeLeafTraits& traits)
    : CQVEOTypeLeaf(desc, owner, readOnly, traits) {}

const GUID& CQVEOProcedure::ClassID() { return CLSID_QVEOProcedure; }

CExplorerObject* CQVEOProcedure::Clone() { return new CQVEOProcedure(m_pTypeDesc.Get(), GetOwner(), m_bReadOnly); }

int CQVEOProcedure::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  AddCommonMenuHead(build);
  if (IsChangeable()) {
    AddMenuCommand(build, ID_EXPLORER_DELETE);
    AddMenuCommand(build, ID_EXPLORER_RENAME);
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_COMPILE);
  }
  if (m_nStatus != EO_STATUS_NOT_OK) {
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_GENERATE_CODE);
  }
  return 1;
}

int CQVEOProcedure::CanDoCommand(UINT id) {
  if (id == ID_EXPLORER_GENERATE_CODE) return 1;
  return CQVEOTypeLeaf::CanDoCommand(id);
}

void CQVEOProcedure::DoCommand(UINT id) {
  if (id == ID_EXPLORER_GENERATE_CODE) {
    GenerateCode();
    return;
  }
  CQVEOTypeLeaf::DoCommand(id);
}

void CQVEOProcedure::GenerateCode() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(HostType());
  if (document && palette) document->GenerateProcedures(palette, m_pTypeDesc);
}
