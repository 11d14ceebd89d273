// A structures container among the simulation's globals: it holds global
// structure instances, can be renamed, copied, cut and, when empty, deleted.
#pragma once

#include <functional>
#include <string>

#include "explorer/core/ExplorerContainerObject.h"

class CQVEOGlobalStructure;

class CQVEOStructureContainer : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  CQVEOStructureContainer(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  int operator==(CExplorerObject& other) override;
  // Aspect 0: the container's name; aspect 1: "Structures".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  DWORD OnDragOver(COleDataObject*, DWORD) override { return DROPEFFECT_NONE; }
  int SelfDestruct(int confirm) override;
  int EditLabel(std::string newName) override;

  int IsEmpty() override;
  int CanExport() override { return !IsEmpty(); }
  // Accepted, but a container has nothing of its own to write.
  void Export() override {}
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;

 private:
  // Hands a new node for each structure of the container to take (which owns it).
  void ForEachStructure(const std::function<void(CQVEOGlobalStructure*)>& take);
};
