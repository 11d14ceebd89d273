// A folder the user made among the models of a library or of the
// simulation's types. It lists its models and structure types (held
// directly or in its "BlockTypeFolder" and "StructureTypeFolder" sub-folders)
// and its own sub-folders, takes models and structure types by paste and
// drop, and can be renamed, exported, explored on its own and deleted with
// its contents.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "host/store/IFFolder.h"

class CQVEOUserFolder : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  // instance: the library's or the simulation's instance whose palette holds folder.
  CQVEOUserFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, IFFolder* folder,
                  int readOnly);
  // The same as a maker function: the frame makes user-folder roots and announced user folders with it.
  static CExplorerObject* Make(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                               IFFolder* folder, int readOnly);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Folders of one library share its type: a folder equals only the nodes of the same host folder.
  int operator==(CExplorerObject& other) override;

  // Aspect 0: the folder's name; aspect 1: "Model Folder".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD dropEffect) override;
  int DontEditLabel() override { return m_bReadOnly || !m_pFolder; }
  int EditLabel(std::string newName) override;

  int IsEmpty() override;
  int CanExport() override { return !IsEmpty(); }
  void Export() override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;

  int PasteData(COleDataObject& data, DWORD dropEffect);
  // Deletes the folder: at once when empty, after asking when it holds types.
  void DeleteFolder();
  // Opens an Explorer rooted at this folder.
  void ExploreFolder();

  IFFolder* GetFolder() const { return m_pFolder; }

 private:
  // The folder's nodes after its Add entries: its types, then its sub-folders.
  template <class Place>
  void MakeChildren(Place place);
  // The sub-folder of that name, made when missing.
  CComPtr<IFFolder> KindSubFolder(const char* name);

  CComPtr<IFFolder> m_pFolder;
};
