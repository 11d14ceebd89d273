// A task (a timed or event-driven procedure the simulation runs): of a
// library or the simulation's types (owner 3), of a block (owner 2), shown
// for a flowsheet or model instance (owner 1), or without an owner (0). Tasks
// with an owner can be activated and deactivated where the host allows it;
// tasks of palettes and blocks can also be copied, deleted, given a new name
// and compiled. While the application runs, tasks are locked.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"
#include "host/model/IQVTask.h"
#include "host/model/IQVTasks.h"

// Who owns a task.
constexpr int EO_TASK_NO_OWNER = 0;
constexpr int EO_TASK_SHOWN_FOR_INSTANCE = 1;
constexpr int EO_TASK_OF_BLOCK = 2;
constexpr int EO_TASK_OF_PALETTE = 3;

class CQVEOTask : public CExplorerObject {
 public:
  // type: the instance that stands for the task type; ownerInstance (used by
  // owner 2): the block the task belongs to.
  CQVEOTask(IFInstance* type, CWnd* owner, int readOnly, int taskOwner, IFInstance* ownerInstance);

  static constexpr const char* kCompiledTaskFolder = "CompiledTaskTypeFolder";

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  void GetStatus() override;
  // Aspect 0: the task's name ("Task" when empty); aspect 1: "Task"; aspect 2: the status text.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int GetOverlay(int& state) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  void SetCommandState(CCmdUI* ui) override;
  DWORD DoDragDrop() override;
  int SelfDestruct(int confirm) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;

  int TaskOwner() const { return m_nTaskOwner; }
  // The task's run state; null for owner 0 or when the host has none.
  CComPtr<IQVTask> GetTaskInterface();
  bool IsActive();
  bool IsActivatable();
  // Activates an inactive task and deactivates an active one.
  void Activate();
  void Edit();

 private:
  std::string TaskName();
  CComPtr<IFType> TaskType();
  // The task collection of the task's owner: the block for owner 2, else the palette's owner.
  CComPtr<IQVTasks> OwnerTasks();
  void CopyToClipboard();
  void PasteFromClipboard();
  bool CanEditTask();

  int m_nTaskOwner;
  // Held: a block deleted while its task is shown must not leave this dangling.
  CComPtr<IFInstance> m_pOwnerInstance;
};
