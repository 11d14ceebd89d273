// The "Models" folder of a library or of the simulation's types. Its models
// show in the tree as well as in the contents pane, followed by the
// simulation's hierarchy model; host-internal types stay hidden. It takes
// models (never stream types) by paste and drop: a copy is announced as a new
// model, a move inside the palette takes the model out of its user folder.
#pragma once

#include "explorer/nodes/library/QVEOTypeKindFolder.h"

class CQVEOBlockTypes : public CQVEOTypeKindFolder {
 public:
  CQVEOBlockTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow, int readOnly);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;

  int PasteData(COleDataObject& data, DWORD dropEffect) override;

 protected:
  bool AcceptsData(const COleDataObject& data) override;
  bool ListsType(IFTypeDesc* desc) override;
  void AddTypes(CListCtrl& list) override;
  void InsertTypes(CTreeCtrl& tree, HTREEITEM item) override;

 private:
  CExplorerObject* MakeHierarchyModelNode();
};
