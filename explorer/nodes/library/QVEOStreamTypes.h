// The "Stream Types" folder of a library or of the simulation's types. Its
// stream types show in the tree as well as in the contents pane. It takes
// stream types (never models) by paste and drop.
#pragma once

#include "explorer/nodes/library/QVEOTypeKindFolder.h"

class CQVEOStreamTypes : public CQVEOTypeKindFolder {
 public:
  CQVEOStreamTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow, int readOnly);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;

  int PasteData(COleDataObject& data, DWORD dropEffect) override;

 protected:
  bool AcceptsData(const COleDataObject& data) override;
  bool ListsType(IFTypeDesc* desc) override;
};
