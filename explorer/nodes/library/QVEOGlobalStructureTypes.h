// The "Structure Types" folder of a library or of the simulation's types. Its
// structure types show in the tree as well as in the contents pane; it takes
// structure types by paste and drop, a move inside the palette taking the
// type out of its user folder.
#pragma once

#include "explorer/nodes/library/QVEOTypeKindFolder.h"

class CQVEOGlobalStructureTypes : public CQVEOTypeKindFolder {
 public:
  CQVEOGlobalStructureTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow,
                            int readOnly);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;

  int PasteData(COleDataObject& data, DWORD dropEffect) override;

 protected:
  bool ListsType(IFTypeDesc* desc) override;
};
