// A stream of the flowsheet: the connection between two blocks. It is copied
// and cut like a block, shows its model's description, and has no active
// model.
#pragma once

#include "explorer/nodes/flowsheet/QVExplorerModelInstanceObject.h"

class CQVEOStream : public CQVExplorerModelInstanceObject {
 public:
  CQVEOStream(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 9: the stream's description; the others as every model instance.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;
};
