// The "Variable Types" folder: the variable types of a library or of the
// simulation's types, listed in the contents pane with their physical quantity
// and current units.
#pragma once

#include "explorer/nodes/library/QVEOTypeKindFolder.h"

class CQVEOVariableTypes : public CQVEOTypeKindFolder {
 public:
  CQVEOVariableTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow, int readOnly);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;

};
