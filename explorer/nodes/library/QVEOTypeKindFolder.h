// What the type-kind folders of a library or of the simulation's types share
// (models, structure types, stream types, parameter types, variable types,
// port types, procedures, component lists): each lists the types one host
// folder of the owner's palette holds, offers the Add entry of its kind first,
// accepts types of its kind by paste and drop, and exports all of them to a
// text file. A folder keeps nothing but its owner's instance: every listing
// is read afresh from the host.
//
// A member class describes itself with a TypeKindFolderTraits record and
// overrides only what its kind does differently.
#pragma once

#include <string>
#include <vector>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/QVFolderTypeEnum.h"
#include "explorer/nodes/library/CompiledFolderStatus.h"
#include "host/store/IFType.h"
#include "host/store/IFTypePalette.h"

struct TypeKindFolderTraits {
  const GUID* classId;
  UINT labelId;  // the folder's label and class name
  UINT openIconId;
  UINT iconId;
  const char* hostFolder;   // the palette's folder whose types are listed
  const GUID* leafClassId;  // the node class of one listed type
  const GUID* addClassId;   // the Add entry listed first
  const CLIPFORMAT* format; // the clipboard and drop format of the kind
  std::vector<UINT> columnTitles;      // the contents pane's columns
  std::vector<EOAspect> columnAspects; // what columns 1, 2... show
  DWORD exportKind;                    // the kind the host's export selects
  bool typesInTree;                    // the types are also children of the folder's tree item
};

class CQVEOTypeKindFolder : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  const GUID& GetClassID() override { return *m_traits.classId; }
  int GetClassName(std::string& name) override;
  // Aspect 0: the folder's label; aspect 1: "Folder".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD dropEffect) override;

  // True while the host folder holds no type.
  int IsEmpty() override;
  int CanExport() override { return !IsEmpty(); }
  void Export() override;
  // Columns 0 to 2 sort as text.
  int GetSortType(LISTSORTINFO& info) override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;

  // Copies or moves the type the data object carries into this folder's palette. True when one was.
  virtual int PasteData(COleDataObject& data, DWORD dropEffect);

  const TypeKindFolderTraits& Traits() const { return m_traits; }

 protected:
  // owner: the instance of the library or of the simulation's types that holds the folder.
  CQVEOTypeKindFolder(const TypeKindFolderTraits& traits, IFInstance* owner, CExplorerExclusionList* exclusionList,
                      CWnd* ownerWindow, int readOnly);

  // Whether the data object carries a type this folder takes.
  virtual bool AcceptsData(const COleDataObject& data);
  // The Add entries, first in the contents pane (the kind's own while the folder may change).
  virtual void AddEntries(CListCtrl& list);
  // The listed types, after the Add entries, unless their class is hidden.
  virtual void AddTypes(CListCtrl& list);
  // The nodes below the folder's tree item, for the kinds whose types show in the tree.
  virtual void InsertTypes(CTreeCtrl& tree, HTREEITEM item);
  // Whether a type of the host folder is listed.
  virtual bool ListsType(IFTypeDesc* desc);
  // The definitions the export writes.
  virtual HRESULT ExportTypes(std::string& text);
  // Pastes from the clipboard with effect copy.
  void PasteFromClipboard();

  // The type that owns the folder's palette (the library's or the simulation's type).
  CComPtr<IFType> PaletteOwner();
  CComPtr<IFTypePalette> Palette();
  // Calls each(desc) for every type of hostFolder this folder lists, in the
  // host's order, as the host hands them over: no list of them is made first.
  template <typename Each>
  void ForEachListedType(const char* hostFolder, Each each);
  // A node of leafClass for the type desc describes, with this folder's window and read-only flag.
  CExplorerObject* MakeLeaf(const GUID& leafClass, IFTypeDesc* desc);
  // Appends node's row with the folder's columns.
  void AddRowFor(CListCtrl& list, CExplorerObject* node);

 private:
  const TypeKindFolderTraits& m_traits;
};

template <typename Each>
void CQVEOTypeKindFolder::ForEachListedType(const char* hostFolder, Each each) {
  IFInstance* owner = GetType();
  if (!owner) return;
  const CCompiledFolderLookups lookups;  // the nodes made here only read the store
  CQVFolderTypeEnum folder(owner, hostFolder);
  while (CComPtr<IFTypeDesc> desc = folder.Next())
    if (ListsType(desc)) each(desc.Get());
}
