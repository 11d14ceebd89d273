// What a model library and the simulation's own types folder share: the
// palette of type definitions they show, their children (the Add Folder
// entry, the type-kind folders, the task and script folders, the user folders
// and, for a library, the libraries it uses), the types they take by paste and
// drop, their export as one library text, and Rebuild.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "host/store/IFRoot.h"
#include "host/store/IFType.h"
#include "host/store/IFTypePalette.h"

class COwnerNotifier;

class CQVEOTypeContainer : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD dropEffect) override;

  // True while the palette holds no type of its own.
  int IsEmpty() override;
  int CanExport() override { return !IsEmpty(); }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;

  // Copies or moves the type the data object carries into the palette. True when one was.
  int PasteData(COleDataObject& data, DWORD dropEffect);
  // Has the document rebuild the palette.
  void ReBuild();

  IFTypePalette* GetPalette() const { return m_pPalette; }
  IFRoot* GetRoot() const { return m_pRoot; }

 protected:
  // instance: the library's instance, or the simulation's for its own types.
  CQVEOTypeContainer(IFInstance* instance, CExplorerExclusionList* exclusionList, UINT openIconId, UINT iconId,
                     CWnd* owner, int readOnly);

  // Whether the clipboard holds a type the node can paste.
  static bool ClipboardHoldsPastableType();
  // Pastes from the clipboard with effect copy.
  void PasteFromClipboard();
  // Writes the palette as one library text to path; false when nothing was written.
  bool ExportLibraryTo(const std::string& path);

  // The libraries this one uses come after the folders (libraries only).
  virtual void InsertUsedLibraries(CTreeCtrl&, HTREEITEM) {}
  virtual void AddUsedLibraries(CListCtrl&) {}
  // A pasted model or stream type is announced as a new node (the types folder only).
  virtual bool AnnouncesPastedModels() const { return false; }
  // Structure types are taken by paste (the types folder only).
  virtual bool PastesStructureTypes() const { return false; }

  CComPtr<IFTypePalette> m_pPalette;
  CComPtr<IFRoot> m_pRoot;

 private:
  // The child folders in their order, each unless hidden; user folders where the pane lists them.
  template <class Place>
  void MakeChildFolders(bool contentsPane, Place place);
  // announce: where a pasted model is announced as a new node (null: not announced).
  int PasteModelType(COleDataObject& data, DWORD dropEffect, const COwnerNotifier* announce);
  int PasteKindType(COleDataObject& data, CLIPFORMAT format, DWORD dropEffect);
  int PasteStructureType(COleDataObject& data, DWORD dropEffect);
};
