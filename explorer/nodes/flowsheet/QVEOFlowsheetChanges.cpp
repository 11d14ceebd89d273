// What changes a flowsheet: compiling its text (other windows are locked out
// of the store meanwhile), and what is pasted or dropped on it.
#include <cstdio>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/LibraryToolbarLink.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/nodes/flowsheet/ModelDrop.h"
#include "explorer/nodes/flowsheet/QVEOFlowsheet.h"
#include "explorer/nodes/library/ChildNodes.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/resources/StringIds.h"
#include "host/com/DataObject.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Parser.h"
#include "host/model/IQVInstanceCreation.h"
#include "platform/Services.h"

namespace {

// The compiler's settings for flowsheet constraints, passed as given.
constexpr DWORD kConstraintsFlags = 524800;
constexpr DWORD kConstraintsOptions = 4;
constexpr DWORD kConstraintsMode = 25;

void BroadcastLockout(CRQVDocument* document, UINT message) {
  if (document) document->Broadcast(message, 0, 0, 0);
}

void OutputLine(CRQVDocument* document, const std::string& text) {
  if (document) document->OutputMessage(text, -1, 0);
}

}  // namespace

int CQVEOFlowsheet::Compile() {
  CComPtr<IFType> type = type_access::TypeOf(m_pInstance);
  if (!type) return FALSE;
  CWaitCursor wait;
  CComPtr<IDataObject> data = ComQuery<IDataObject>(type);
  std::string text;
  if (!data || FAILED(ReadDataObjectText(data, kFlowsheetConstraintsFormat, text))) return FALSE;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  BroadcastLockout(document, WM_CORVANECM_CDB_LOCKOUT_STARTS);
  OutputLine(document, "\nCompiling...");
  // type is held for the call: the compile may make the panes delete this node.
  const QVParseReport report =
      QVCompileConstraints(type, text, "", kConstraintsFlags, kConstraintsOptions, kConstraintsMode);
  QVReportParserMessagesToOutput(report);
  char line[128];
  std::snprintf(line, sizeof line, "Compilation completed. %d error(s), %d warning(s)\n", report.ErrorCount(),
                report.WarningCount());
  OutputLine(document, line);
  if (report.ErrorCount() > 0) {
    if (document) document->ShowOutputWindow(1);
    CQVExplorer::ShowMessage("There are compilation errors...", kExplorerCaption, MB_ICONEXCLAMATION);
  }
  BroadcastLockout(document, WM_CORVANECM_CDB_LOCKOUT_ENDS);
  CLibraryToolbarLink::NotifyIfPresent(QV_LIBTOOLBAR_CONTENTS_CHANGED);
  return FALSE;
}

DWORD CQVEOFlowsheet::OnDragOver(COleDataObject* data, DWORD keyState) {
  if (!data) return DROPEFFECT_NONE;
  if (data->IsDataAvailable(CF_EXPLORER_FORM_DEFINITION)) return DROPEFFECT_LINK;
  if (data->IsDataAvailable(CF_EXPLORER_SCRIPT) || data->IsDataAvailable(CF_EXPLORER_MODEL_TYPE) ||
      data->IsDataAvailable(CF_EXPLORER_TASK) ||
      (!m_bHierarchy && data->IsDataAvailable(CF_EXPLORER_GLOBAL_STRUCTURE_TYPE)))
    return library_nodes::CopyOrMoveEffect(keyState);
  return DROPEFFECT_NONE;
}

int CQVEOFlowsheet::OnDrop(COleDataObject* data, DWORD dropEffect) { return data ? PasteData(*data, dropEffect) : 0; }

int CQVEOFlowsheet::PasteData(COleDataObject& data, DWORD effect) {
  CComPtr<IFType> destination = type_access::TypeOf(m_pInstance);
  const COwnerNotifier notifier(*this);  // the host's update may rebuild the panes and delete this node
  const int move = (effect & DROPEFFECT_COPY) ? 0 : 1;
  bool pasted = false;
  if (data.IsDataAvailable(CF_EXPLORER_SCRIPT)) {
    if (!library_nodes::IsCopyOrMove(effect) || !destination) return 0;
    CComPtr<IFType> script = ReadHostObjectAs<IFType>(data, CF_EXPLORER_SCRIPT);
    if (!script || (move && !CQVExplorer::CheckTypeMove(script, destination))) return 0;
    pasted = CQVExplorer::CloneScript(script, destination, move) != 0;
  } else if (data.IsDataAvailable(CF_EXPLORER_TASK)) {
    if (!library_nodes::IsCopyOrMove(effect) || !destination) return 0;
    CComPtr<IFType> task = ReadHostObjectAs<IFType>(data, CF_EXPLORER_TASK);
    if (!task || (move && !CQVExplorer::CheckTypeMove(task, destination))) return 0;
    pasted = CQVExplorer::CloneFlowsheetTask(task, destination, move) != 0;
  } else if (data.IsDataAvailable(CF_KTR_COPY_SELECTION)) {
    // The host announces the pasted units itself.
    return PasteFlowsheet() ? 1 : 0;
  } else if (!m_bHierarchy && data.IsDataAvailable(CF_EXPLORER_GLOBAL_STRUCTURE_TYPE)) {
    pasted = PasteGlobalStructure(data, effect);
  } else if (data.IsDataAvailable(CF_EXPLORER_MODEL_TYPE)) {
    // A model dropped here becomes a block; the host announces it.
    return library_nodes::IsCopyOrMove(effect) && model_drop::AddBlock(*this, m_pInstance, data) ? 1 : 0;
  }
  if (pasted) notifier.Post(EXPLORER_OBJECT_ADDED);
  return pasted ? 1 : 0;
}

bool CQVEOFlowsheet::PasteFlowsheet() {
  CComPtr<IQVHierarchyType> hierarchy = HierarchyType();
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  return hierarchy && document && SUCCEEDED(document->PasteIntoFlowsheet(hierarchy));
}

bool CQVEOFlowsheet::PasteGlobalStructure(COleDataObject& data, DWORD effect) {
  if (!(effect & DROPEFFECT_COPY)) return false;
  CComPtr<IFType> structure = ReadHostObjectAs<IFType>(data, CF_EXPLORER_GLOBAL_STRUCTURE_TYPE);
  // Global structures are made by the simulation, which stands for its flowsheet.
  CComPtr<IQVInstanceCreation> creation = ComQuery<IQVInstanceCreation>(m_pInstance);
  if (!creation) creation = ComQuery<IQVInstanceCreation>(FlowsheetType());
  bool made = false;
  if (structure && creation) {
    CQVExplorerObjectNameDialog dialog(IDS_NAME_STRUCTURE, nullptr);
    if (dialog.DoModal() != IDOK) return true;  // a cancelled paste is no failure
    const std::string name = dialog.m_strName;
    CQVExplorer::SetName(name);
    CComPtr<IFInstance> instance;
    made = SUCCEEDED(creation->CreateGlobalInstance(structure, name, &instance));
  }
  if (!made) CQVExplorer::DisplayMessage(IDS_STRUCTURE_INSTANCE_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
  return made;
}
