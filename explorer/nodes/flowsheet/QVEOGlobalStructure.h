// One global structure instance: a shared data block of the simulation made
// from a structure type. It lists the blocks inside it, is copied, cut and
// deleted through the host, and opens the variable finder on itself.
#pragma once

#include "explorer/nodes/flowsheet/QVExplorerModelInstanceObject.h"

class CQVEOGlobalStructure : public CQVExplorerModelInstanceObject {
 public:
  using CExplorerContainerObject::ShowContents;

  CQVEOGlobalStructure(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int SelfDestruct(int confirm) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;

  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
};
