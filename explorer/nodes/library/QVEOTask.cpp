#include "explorer/nodes/library/QVEOTask.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/CompiledFolderStatus.h"
#include "explorer/nodes/library/DeletionNotice.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "host/framework/CRQVDocument.h"
#include "host/framework/UpdateHints.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/store/IFNaming.h"
#include "host/store/IFTypePalette.h"
#include "host/store/MwInstance.h"
#include "host/store/Status.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr DWORD kTaskEditorKind = 0x200000;
constexpr const char* kActivateFailedText = "Cannot activate task.";
constexpr const char* kInUseText = "Cannot delete task, it is in use.";
// Overlay states (overlay image index << 8).
constexpr int kErrorOverlayState = 256;
constexpr int kActiveOverlayState = 1792;
constexpr int kActivatableOverlayState = 1024;

CComPtr<IFType> PaletteOwnerOf(IFType* type) {
  CComPtr<IFType> owner;
  if (CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(type)) palette->GetOwnerType(&owner);
  return owner;
}

}  // namespace

const GUID& CQVEOTask::ClassID() { return CLSID_QVEOTask; }

CQVEOTask::CQVEOTask(IFInstance* type, CWnd* owner, int readOnly, int taskOwner, IFInstance* ownerInstance)
    : CExplorerObject(ForType{}, type, IDI_TASK, IDI_TASK, owner, readOnly),
      m_nTaskOwner(taskOwner),
      m_pOwnerInstance(ownerInstance) {
  if (type && taskOwner != EO_TASK_NO_OWNER) {
    m_pTypeDesc = type_access::DescriptorOf(type_access::TypeOf(type));
    CQVEOTask::GetStatus();
  }
}

int CQVEOTask::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_TASK);
  return !name.empty();
}

CExplorerObject* CQVEOTask::Clone() {
  return new CQVEOTask(m_pType, m_pOwner, m_bReadOnly, m_nTaskOwner, m_pOwnerInstance);
}

CComPtr<IFType> CQVEOTask::TaskType() { return type_access::TypeOf(GetType()); }

std::string CQVEOTask::TaskName() {
  std::string name;
  if (m_pTypeDesc && SUCCEEDED(m_pTypeDesc->GetName(name)) && !name.empty()) return name;
  name.clear();
  if (CComPtr<IFTypeDesc> desc = type_access::DescriptorOf(TaskType())) desc->GetName(name);
  return name;
}

CComPtr<IQVTask> CQVEOTask::GetTaskInterface() {
  if (m_nTaskOwner == EO_TASK_NO_OWNER) return nullptr;
  if (m_nTaskOwner == EO_TASK_OF_BLOCK) {
    CComPtr<IQVTasks> tasks = ComQuery<IQVTasks>(m_pOwnerInstance);
    CComPtr<IQVTask> task;
    if (tasks && SUCCEEDED(tasks->GetTask(TaskName(), &task)) && task) return task;
  }
  return ComQuery<IQVTask>(TaskType());
}

bool CQVEOTask::IsActive() {
  CComPtr<IQVTask> task = GetTaskInterface();
  bool active = false;
  return task && SUCCEEDED(task->IsActive(&active)) && active;
}

bool CQVEOTask::IsActivatable() {
  CComPtr<IQVTask> task = GetTaskInterface();
  bool activatable = false;
  return task && SUCCEEDED(task->IsActivatable(&activatable)) && activatable;
}

void CQVEOTask::GetStatus() {
  ComputeCompiledFolderStatus(m_pTypeDesc, kCompiledTaskFolder, m_nStatus, m_nStatusTextId);
  if (m_nStatusTextId == IDS_SYSTEM) m_nStatusTextId = IDS_OK;
  if (m_nStatus != EO_STATUS_NOT_OK && GetTaskInterface()) m_nStatusTextId = IsActive() ? IDS_ACTIVE : IDS_INACTIVE;
}

int CQVEOTask::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text = TaskName();
    if (text.empty()) text = LoadStringOrEmpty(IDS_TASK);
  } else if (aspect == EOAspectType) {
    text = LoadStringOrEmpty(IDS_TASK);
  } else if (aspect == EOAspectStatus) {
    text = m_nStatusTextId ? LoadStringOrEmpty(m_nStatusTextId) : std::string();
  } else {
    return 0;
  }
  return !text.empty();
}

int CQVEOTask::GetOverlay(int& state) {
  state = 0;
  if (m_nStatus == EO_STATUS_NOT_OK) {
    state = kErrorOverlayState;
  } else if (IsActive()) {
    state = kActiveOverlayState;
  } else if (IsActivatable()) {
    state = kActivatableOverlayState;
  }
  return state != 0;
}

// ---------------------------------------------------------------- menu and commands

int CQVEOTask::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  const bool locked = ApplicationIsLocked();
  const bool notFailed = m_nStatus != EO_STATUS_NOT_OK;
  if (!locked) AddMenuCommand(build, ID_EXPLORER_EDIT);
  if (m_nTaskOwner == EO_TASK_OF_BLOCK || m_nTaskOwner == EO_TASK_OF_PALETTE) {
    if (!locked && notFailed) {
      build.AddSeparator();
      AddMenuCommand(build, ID_EXPLORER_COPY);
    }
    if (!locked && !m_bReadOnly) {
      build.AddSeparator();
      AddMenuCommand(build, ID_EXPLORER_DELETE);
      AddMenuCommand(build, ID_EXPLORER_RENAME);
      build.AddSeparator();
      AddMenuCommand(build, ID_EXPLORER_COMPILE);
    }
  }
  const bool activateOffered = m_nTaskOwner == EO_TASK_OF_BLOCK || m_nTaskOwner == EO_TASK_SHOWN_FOR_INSTANCE;
  if (activateOffered && notFailed && IsActivatable()) {
    if (!locked) build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_ACTIVATE);
  }
  return 1;
}

int CQVEOTask::CanDoCommand(UINT id) {
  const bool locked = ApplicationIsLocked();
  const bool ownedBy2or3 = m_nTaskOwner == EO_TASK_OF_BLOCK || m_nTaskOwner == EO_TASK_OF_PALETTE;
  switch (id) {
    case ID_EXPLORER_EDIT:
      return !locked;
    case ID_EXPLORER_COPY:
      return !locked && ownedBy2or3 && m_nStatus != EO_STATUS_NOT_OK;
    case ID_EXPLORER_PASTE:
      return !locked && !m_bReadOnly && ownedBy2or3 && Clipboard::IsFormatAvailable(CF_EXPLORER_TASK);
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_RENAME:
      return !locked && !m_bReadOnly && ownedBy2or3;
    case ID_EXPLORER_COMPILE:
      return !locked && ownedBy2or3;
    case ID_EXPLORER_ACTIVATE:
      return m_nStatus != EO_STATUS_NOT_OK &&
             (m_nTaskOwner == EO_TASK_SHOWN_FOR_INSTANCE || m_nTaskOwner == EO_TASK_OF_BLOCK) && IsActivatable();
    default:
      return 0;
  }
}

void CQVEOTask::DoCommand(UINT id) {
  const bool locked = ApplicationIsLocked();
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION: {
      CRQVDocument* document = CQVExplorer::GetCurrentDocument();
      const bool activates = document && document->m_ApplicationSettings.m_iTaskDoubleClick == 1 &&
                             (m_nTaskOwner == EO_TASK_SHOWN_FOR_INSTANCE || m_nTaskOwner == EO_TASK_OF_BLOCK);
      if (activates) {
        Activate();
      } else if (!locked) {
        Edit();
      }
      break;
    }
    case ID_EXPLORER_EDIT:
      if (!locked) Edit();
      break;
    case ID_EXPLORER_COPY:
      if (CanDoCommand(ID_EXPLORER_COPY)) CopyToClipboard();
      break;
    case ID_EXPLORER_CUT:
      MessageBeep(0);
      break;
    case ID_EXPLORER_PASTE:
      if (CanDoCommand(ID_EXPLORER_PASTE)) PasteFromClipboard();
      break;
    case ID_EXPLORER_DELETE:
      if (!locked) SelfDestruct(1);
      break;
    case ID_EXPLORER_RENAME:
      if (!locked) StartLabelEdit();
      break;
    case ID_EXPLORER_COMPILE:
      if (!locked) {
        if (CComPtr<IFType> type = TaskType()) CQVExplorer::Compile(type, 1, 0);
      }
      break;
    case ID_EXPLORER_ACTIVATE:
      Activate();
      break;
    default:
      break;
  }
}

void CQVEOTask::SetCommandState(CCmdUI* ui) {
  if (!ui) return;
  if (!GetTaskInterface()) {
    ui->Enable(false);
    return;
  }
  ui->SetCheck(IsActive() ? 1 : 0);
  ui->Enable(true);
}

void CQVEOTask::Activate() {
  if (m_nTaskOwner != EO_TASK_SHOWN_FOR_INSTANCE && m_nTaskOwner != EO_TASK_OF_BLOCK) return;
  CComPtr<IQVTask> task = GetTaskInterface();
  bool active = false;
  if (!task || FAILED(task->IsActive(&active)) || FAILED(task->SetActive(!active))) {
    CQVExplorer::ShowMessage(kActivateFailedText, kExplorerCaption, MB_ICONEXCLAMATION);
    return;
  }
  GetStatus();
  NotifyDocumentChanged(QV_HINT_TASK_STATE);
}

void CQVEOTask::Edit() {
  const std::string name = TaskName();
  std::string title = name;
  if (m_nTaskOwner == EO_TASK_NO_OWNER || m_nTaskOwner == EO_TASK_SHOWN_FOR_INSTANCE) {
    std::string libraryName, typeName;
    if (CComPtr<IFNaming> naming = ComQuery<IFNaming>(TaskType())) naming->GetNames(libraryName, typeName);
    title = libraryName.empty() ? name : libraryName + "." + name;
  } else if (m_nTaskOwner == EO_TASK_OF_BLOCK && m_pOwnerInstance) {
    std::string path;
    MwInstance(m_pOwnerInstance.Get()).StringPath(path);
    title = path.empty() ? name : path + "." + name;
  }
  if (m_nTaskOwner == EO_TASK_OF_BLOCK && m_pOwnerInstance) {
    CQVTextEditorFrame::Launch(m_pOwnerInstance.Get(), m_pTypeDesc.Get(), title, kTaskEditorKind, m_bReadOnly != 0,
                               0);
    return;
  }
  CComPtr<IFType> task = TaskType();
  if (task) CQVTextEditorFrame::Launch(PaletteOwnerOf(task), task, title, kTaskEditorKind, m_bReadOnly != 0, 0);
}

void CQVEOTask::CopyToClipboard() {
  COleDataSource data;
  if (OfferHostObject(data, CF_EXPLORER_TASK, TaskType())) data.SetClipboard();
}

DWORD CQVEOTask::DoDragDrop() {
  COleDataSource data;
  if (!OfferHostObject(data, CF_EXPLORER_TASK, TaskType())) return DROPEFFECT_NONE;
  return data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
}

void CQVEOTask::PasteFromClipboard() {
  CComPtr<IFType> task = ComQuery<IFType>(ReadHostObjectFromClipboard(CF_EXPLORER_TASK));
  CComPtr<IFType> destination = PaletteOwnerOf(TaskType());
  const COwnerNotifier notifier(*this);  // the copy may rebuild the pane and delete this node
  if (task && destination && CQVExplorer::CloneType(task, destination, 0, nullptr))
    notifier.Post(EXPLORER_CONTENTS_CHANGED);
}

CComPtr<IQVTasks> CQVEOTask::OwnerTasks() {
  if (m_nTaskOwner == EO_TASK_OF_BLOCK && m_pOwnerInstance) {
    if (CComPtr<IQVTasks> tasks = ComQuery<IQVTasks>(m_pOwnerInstance)) return tasks;
  }
  return ComQuery<IQVTasks>(PaletteOwnerOf(TaskType()));
}

int CQVEOTask::SelfDestruct(int confirm) {
  if (!m_bDeletable || ApplicationIsLocked()) return 0;
  if (!ConfirmDeletion(confirm, IDS_CONFIRM_DELETE)) return 0;
  const std::string name = TaskName();
  CComPtr<IQVTasks> tasks = OwnerTasks();
  if (!tasks || name.empty()) return 0;
  bool inUse = false;
  if (SUCCEEDED(tasks->IsTaskInUse(name, &inUse)) && inUse) {
    CQVExplorer::ShowMessage(kInUseText, kExplorerCaption, MB_ICONEXCLAMATION);
    return 0;
  }
  CWnd* owner = GetOwner();
  const HWND ownerHandle = owner ? owner->GetSafeHwnd() : nullptr;
  IExplorerWindow* window = GetOwnerWindow();
  CDeletionNotice notice(*this);
  notice.SendDeleted();
  // The tree must not rebuild from the store while the task goes.
  if (window && IsWindow(ownerHandle)) window->SuspendUpdates();
  HRESULT hr = tasks->DeleteTask(name);
  if (window && IsWindow(ownerHandle)) window->ResumeUpdates();
  if (FAILED(hr)) {
    CQVExplorer::ShowMessage(GetStatusText(hr), kExplorerCaption, MB_ICONEXCLAMATION);
    notice.PostContentsChanged();
    return 0;
  }
  NotifyDocumentChanged(QV_HINT_TASK_DELETED);
  notice.PostDeleted();
  return 1;
}

bool CQVEOTask::CanEditTask() {
  return !ApplicationIsLocked() && !m_bReadOnly &&
         (m_nTaskOwner == EO_TASK_OF_BLOCK || m_nTaskOwner == EO_TASK_OF_PALETTE);
}

int CQVEOTask::DontEditLabel() { return !CanEditTask(); }

int CQVEOTask::EditLabel(std::string newName) {
  if (ApplicationIsLocked()) return 0;
  const bool activatable = IsActivatable();
  if (!RenameType(newName)) return 0;
  if (activatable) {
    // The owner knows the task by its new name now: hold that type from here on.
    CComPtr<IQVTasks> tasks = OwnerTasks();
    CComPtr<IFType> renamed;
    if (tasks && SUCCEEDED(tasks->FindTask(newName, &renamed)) && renamed) {
      m_pType = type_access::InstanceOf(renamed);
      m_pTypeDesc = type_access::DescriptorOf(renamed);
    }
  }
  return 1;
}
