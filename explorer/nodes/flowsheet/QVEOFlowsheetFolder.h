// The "Blocks" and "Streams" folders of a flowsheet, hierarchy or block: one
// behaviour, the two differing only in what they list and in the stream
// folder's description column. A folder that lists nothing does not appear.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"

class CQVInstanceEnumerator;

// What tells the two folders apart.
struct FlowsheetFolderTraits {
  const GUID* classId;
  const GUID* childClassId;  // the class of the folder's children (blocks or streams)
  UINT nameId;               // "Blocks" / "Streams"
  UINT openIconId;
  UINT iconId;
  bool streams;
};

class CQVEOFlowsheetFolder : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  const GUID& GetClassID() override { return *m_traits.classId; }
  int GetClassName(std::string& name) override;
  // Same class on the same unit.
  int operator==(CExplorerObject& other) override;
  // Aspect 0: "Blocks" or "Streams"; aspect 1: "Folder".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int IsValid() override;
  // A blocks folder of a flowsheet or hierarchy takes a dropped model as a new block.
  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD dropEffect) override;

  int IsEmpty() override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;

 protected:
  CQVEOFlowsheetFolder(const FlowsheetFolderTraits& traits, IFInstance* instance,
                       CExplorerExclusionList* exclusionList, CWnd* owner);

 private:
  // The node of the folder's next child; null at the end (a hidden class yields nothing at all).
  CExplorerContainerObject* NextChild(CQVInstanceEnumerator& children);
  // The folder lists the blocks a flowsheet or hierarchy declares itself.
  bool ListsDeclaredBlocks();

  const FlowsheetFolderTraits& m_traits;
};

class CQVEOBlockFolder : public CQVEOFlowsheetFolder {
 public:
  CQVEOBlockFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;
};

class CQVEOStreamFolder : public CQVEOFlowsheetFolder {
 public:
  CQVEOStreamFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;
};
