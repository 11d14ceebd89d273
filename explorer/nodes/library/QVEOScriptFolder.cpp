#include "explorer/nodes/library/QVEOScriptFolder.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/QVEOScript.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/Exporter.h"
#include "host/store/CMwScriptEnumerator.h"
#include "host/store/TypeFlags.h"

namespace {

constexpr DWORD kUnlistedScriptFlags = FT_SYSTEM | FT_BUILTIN | FT_HIDDEN;

}  // namespace

const GUID& CQVEOScriptFolder::ClassID() { return CLSID_QVEOScriptFolder; }

CQVEOScriptFolder::CQVEOScriptFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                                     int readOnly)
    : CQVEOTaskScriptFolder(instance, exclusionList, owner, readOnly, IDS_SCRIPTS, IDI_OPEN_SCRIPTS_FOLDER,
                            IDI_SCRIPTS_FOLDER, CF_EXPLORER_SCRIPT) {}

CExplorerObject* CQVEOScriptFolder::Clone() {
  return new CQVEOScriptFolder(m_pType, m_pExclusionList, m_pOwner, m_bReadOnly);
}

int CQVEOScriptFolder::IsEmpty() {
  CMwScriptEnumerator scripts(PaletteOwner().Get());
  CComPtr<IFType> script;
  return scripts.Next(&script) != S_OK || !script;
}

CExplorerObject* CQVEOScriptFolder::MakeAddEntry() { return new CQVEOAddScript(GetType(), GetOwner()); }

void CQVEOScriptFolder::AddDefinitionRows(CListCtrl& list) {
  if (IsExcluded(CQVEOScript::ClassID())) return;
  CMwScriptEnumerator scripts(PaletteOwner().Get());
  CComPtr<IFType> script;
  while (scripts.Next(&script) == S_OK && script) {
    DWORD flags = 0;
    if (SUCCEEDED(script->GetFlags(&flags)) && !(flags & kUnlistedScriptFlags))
      AddRow(list, new CQVEOScript(GetType(), script.Get(), GetOwner(), m_bReadOnly));
    script.Release();
  }
}

int CQVEOScriptFolder::CloneDefinition(IFType* definition, IFType* paletteOwner, int move) {
  return CQVExplorer::CloneScript(definition, paletteOwner, move);
}

HRESULT CQVEOScriptFolder::ExportDefinitions(std::string& text) {
  CComPtr<IFType> owner = PaletteOwner();
  return owner ? QVExportScripts(owner, text) : E_FAIL;
}
