// The "Parameter Types" folder of a library or of the simulation's types.
#pragma once

#include "explorer/nodes/library/QVEOTypeKindFolder.h"

class CQVEOParameterTypes : public CQVEOTypeKindFolder {
 public:
  CQVEOParameterTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow, int readOnly);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;

};
