// The "Port Types" folder of a library or of the simulation's types. Its export
// selects the port types by their interface rather than by a kind.
#pragma once

#include "explorer/nodes/library/QVEOTypeKindFolder.h"

class CQVEOPortTypes : public CQVEOTypeKindFolder {
 public:
  CQVEOPortTypes(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow, int readOnly);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;
 protected:
  HRESULT ExportTypes(std::string& text) override;
};
