#include "explorer/nodes/library/QVEOProcedures.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/QVFolderTypeEnum.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/TypeKinds.h"

namespace {

// Functions with this flag are the host's own and are not listed.
constexpr DWORD kHiddenFunctionFlag = 0x40000;

const TypeKindFolderTraits kTraits = {
    &CLSID_QVEOProcedures, IDS_PROCEDURES, IDI_OPEN_PROCEDURES_FOLDER, IDI_PROCEDURES_FOLDER,
    "ProcTypeFolder", &CLSID_QVEOProcedure, &CLSID_QVEOAddProcedure, &CF_EXPLORER_PROCEDURE_TYPE,
    {IDS_NAME, IDS_STATUS}, {EOAspectStatus},
    QV_KIND_PROCEDURE, false};

}  // namespace

CQVEOProcedures::CQVEOProcedures(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                                 int readOnly)
    : CQVEOTypeKindFolder(kTraits, owner, exclusionList, ownerWindow, readOnly) {}

const GUID& CQVEOProcedures::ClassID() { return CLSID_QVEOProcedures; }

CExplorerObject* CQVEOProcedures::Clone() {
  return new CQVEOProcedures(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}

int CQVEOProcedures::BuildContextMenu(CMenu& menu) {
  CQVEOTypeKindFolder::BuildContextMenu(menu);
  CContextMenuBuilder build(*this, menu);
  build.AddSeparator();
  build.Add(ID_EXPLORER_GENERATE_CODE, IDS_MENU_GENERATE_CODE);
  return 1;
}

int CQVEOProcedures::CanDoCommand(UINT id) {
  return id == ID_EXPLORER_GENERATE_CODE ? 1 : CQVEOTypeKindFolder::CanDoCommand(id);
}

void CQVEOProcedures::DoCommand(UINT id) {
  if (id != ID_EXPLORER_GENERATE_CODE) return CQVEOTypeKindFolder::DoCommand(id);
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IFTypePalette> palette = Palette();
  if (document && palette) document->GenerateProcedures(palette, nullptr);
}

void CQVEOProcedures::AddTypes(CListCtrl& list) {
  CQVEOTypeKindFolder::AddTypes(list);
  // Procedures and functions share one leaf-class check.
  ForEachListedType("FunctionTypeFolder", [&](IFTypeDesc* desc) {
    DWORD flags = 0;
    if (SUCCEEDED(desc->GetFlags(&flags)) && !(flags & kHiddenFunctionFlag))
      AddRowFor(list, MakeLeaf(CLSID_QVEOFunction, desc));
  });
}
