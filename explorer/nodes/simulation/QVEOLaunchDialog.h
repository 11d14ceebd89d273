// An entry that opens one of the host's dialogs: run options, solver options,
// homotopy, snapshots, simulation access extensions, on-line links,
// estimation, optimization. The three tools that can be switched on and off
// (homotopy, simulation access extensions, on-line links) also offer
// "&Activate" with a check mark, and several entries mark their state with an
// overlay.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"

enum EODialogType {
  EODialogRunOptions = 0,
  EODialogSolverOptions = 1,
  EODialogHomotopy = 2,
  EODialogSnapshots = 3,
  EODialogExternalInterfacing = 4,
  EODialogOnLineLinks = 5,
  EODialogEstimation = 6,
  EODialogOptimization = 7,
};

class CQVEOLaunchDialog : public CExplorerObject {
 public:
  // dialogType outside the eight kinds gives an entry without name or icon that does nothing.
  CQVEOLaunchDialog(int dialogType, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;

  // Aspect 0: the entry's name; aspect 1: empty.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  // "&Activate": the tool's active or enabled state as a check mark, disabled while it cannot be switched.
  void SetCommandState(CCmdUI* ui) override;
  int GetOverlay(int& state) override;

  int GetDialogType() const { return m_nDialogType; }

 private:
  bool IsKnownType() const;
  bool CanBeActivated() const;
  void OpenDialog();
  void ToggleActive();

  int m_nDialogType;
};
