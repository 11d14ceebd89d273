// What the task and script folders of a library or of the simulation's types
// share: "E&xplore", "Ex&port..." and "&Paste" of their kind's clipboard
// format, drops of that format (move with Shift, else copy), an export of all
// their definitions to one text file, a tree item of their own, and a
// contents pane with the columns "Name" and "Status" whose first row is the
// kind's Add entry where definitions can be added.
#pragma once

#include <string>

#include "explorer/core/ExplorerContainerObject.h"
#include "platform/Ole.h"

class CQVEOTaskScriptFolder : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  // Aspect 0: the folder's label; aspect 1: "Folder".
  int GetClassName(std::string& name) override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  DWORD OnDragOver(COleDataObject* data, DWORD keyState) override;
  int OnDrop(COleDataObject* data, DWORD dropEffect) override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  void Export() override;
  // Export only when there is a definition to write.
  int CanExport() override { return !IsEmpty(); }

  // Copies (or with move in effect and no copy, moves) the definition data carries into the folder's palette.
  int PasteData(COleDataObject& data, DWORD effect);

 protected:
  CQVEOTaskScriptFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly,
                        UINT labelId, UINT openIconId, UINT normalIconId, CLIPFORMAT format);

  // The palette owner whose definitions are listed (the library or the simulation's types).
  CComPtr<IFType> PaletteOwner();
  // The Add entry (made only where definitions can be added and it is not hidden).
  virtual CExplorerObject* MakeAddEntry() = 0;
  // Appends a row per definition.
  virtual void AddDefinitionRows(CListCtrl& list) = 0;
  // Copies or moves definition into the palette owner; nonzero on success.
  virtual int CloneDefinition(IFType* definition, IFType* paletteOwner, int move) = 0;
  // Appends the text of all definitions.
  virtual HRESULT ExportDefinitions(std::string& text) = 0;
  // Appends node's row with its status in column 1; a node no row took is deleted.
  static void AddRow(CListCtrl& list, CExplorerObject* node);

 private:
  UINT m_nLabelId;
  CLIPFORMAT m_format;
};
