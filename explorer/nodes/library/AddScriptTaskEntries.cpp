// The Add entries of scripts and tasks. Both open their editor titled with the
// full path of what they belong to ("Flowsheet.B1.Startup"; the name alone at
// the simulation). Tasks come in two modes: tasks of the simulation document,
// and task definitions held in a palette.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/language/TypeKinds.h"
#include "host/store/MwInstance.h"
#include "host/store/TypeFlags.h"

namespace {

// "<path of the instance>.<name>", or the name alone when the path is empty.
std::string FullTitle(IFInstance* instance, const std::string& name) {
  std::string path;
  if (instance) MwInstance(instance).StringPath(path);
  return path.empty() ? name : path + "." + name;
}

}  // namespace

// ---- scripts

CQVEOAddScript::CQVEOAddScript(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_SCRIPT, IDI_ADD_SCRIPT, owner) {}
const GUID& CQVEOAddScript::ClassID() { return CLSID_QVEOAddScript; }
CExplorerObject* CQVEOAddScript::Clone() { return new CQVEOAddScript(GetInstance(), GetOwner()); }

void CQVEOAddScript::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  const CComPtr<IFInstance> owner = GetInstance();
  const bool readOnly = IsLibraryObject() != 0;
  CComPtr<IFType> palette = GetPalette();
  if (!palette) return;
  std::string name;
  auto create = [&](const std::string& wanted, IFType** out) {
    return CQVExplorer::CreateScript(palette, wanted, 1, out);
  };
  CComPtr<IFType> script = AskAndCreateType(IDS_CREATE_SCRIPT, create, name);
  if (!script) return;
  CQVTextEditorFrame::Launch(owner, type_access::DescriptorOf(script), FullTitle(owner, name), QV_KIND_SCRIPT,
                             readOnly, 1);
  notify.Post(EXPLORER_OBJECT_ADDED);
}

// ---- tasks

CQVEOAddTask::CQVEOAddTask(IFInstance* instance, CWnd* owner, int mode)
    : CQVEOAddEntry(instance, IDS_ADD_TASK, IDI_ADD_TASK, owner), m_nMode(mode) {}
const GUID& CQVEOAddTask::ClassID() { return CLSID_QVEOAddTask; }
CExplorerObject* CQVEOAddTask::Clone() { return new CQVEOAddTask(GetInstance(), GetOwner(), m_nMode); }

void CQVEOAddTask::Create() {
  if (!GetPalette()) return;
  if (m_nMode == 0) {
    CreateDocumentTask();
  } else {
    CreatePaletteTask();
  }
}

void CQVEOAddTask::CreateDocumentTask() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  const CComPtr<IFInstance> owner = GetInstance();
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document) return;
  CComPtr<IFTypePalette> palette = type_access::PaletteOf(GetPalette());
  // Held while the dialogs are up: the panes must not delete this entry.
  const int wasDeletable = IsDeletable();
  SetDeletable(0);
  CComPtr<IFType> task;
  std::string name;
  bool made = AskUntilAccepted<CQVExplorerObjectNameDialog>(IDS_CREATE_TASK, [&](CQVExplorerObjectNameDialog& dialog) {
    task = nullptr;
    if (SUCCEEDED(document->CreateTask(dialog.m_strName, &task, palette)) && task) {
      name = dialog.m_strName;
      return true;
    }
    CQVExplorer::SetName(dialog.m_strName);
    CQVExplorer::DisplayMessage(IDS_TASK_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
    return false;
  });
  SetDeletable(wasDeletable);
  if (!made) return;
  CQVTextEditorFrame::Launch(owner, type_access::DescriptorOf(task), FullTitle(owner, name), QV_KIND_TASK, false, 1);
  notify.Post(EXPLORER_OBJECT_ADDED);
}

void CQVEOAddTask::CreatePaletteTask() {
  CComPtr<IFType> paletteOwner = GetPalette();
  CComPtr<IFTypePalette> palette = type_access::PaletteOf(paletteOwner);
  if (!palette) return;
  AskUntilAccepted<CQVExplorerObjectNameDialog>(IDS_CREATE_TASK, [&](CQVExplorerObjectNameDialog& dialog) {
    const std::string& name = dialog.m_strName;
    CComPtr<IFTypeDesc> existing = type_access::Find(palette, name);
    if (!existing) {
      MwInstance path(GetInstance());
      if (path.StackSize() > 0 && SUCCEEDED(path.ResolvePath(name))) {
        CQVExplorer::ShowMessage("A property of that name already exists", "Explorer Error", MB_ICONEXCLAMATION);
        return false;
      }
      CQVTextEditorFrame::Launch(paletteOwner, nullptr, name, QV_KIND_TASK, false, 0);
      return true;
    }
    DWORD flags = 0;
    existing->GetFlags(&flags);
    if (flags & FT_TASK) {
      if (CQVExplorer::ShowMessage("A task of that name already exists, do you want to edit it?", kExplorerCaption,
                                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
      CQVTextEditorFrame::Launch(paletteOwner, type_access::TypeOf(existing), name, QV_KIND_TASK, false, 0);
      return true;
    }
    CQVExplorer::SetName(name);
    CQVExplorer::DisplayMessage(IDS_TASK_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
    return false;
  });
}
