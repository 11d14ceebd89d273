// A block of the flowsheet: a unit made from a model. Its menu offers the
// variable finder, the active model of the block (unless its model is
// excluded from that), copying and cutting through the flowsheet, renaming
// while it belongs to the top-level flowsheet, and its properties.
#pragma once

#include "explorer/nodes/flowsheet/QVExplorerModelInstanceObject.h"

class CQVEOBlock : public CQVExplorerModelInstanceObject {
 public:
  CQVEOBlock(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int DontEditLabel() override;
  int EditLabel(std::string newName) override;

  // The flowsheet can copy and cut this block.
  bool CanGCopyCut();

 protected:
  // The Active Model submenu belongs to blocks whose model may become one.
  bool OffersActiveModel();
  void CreateActiveModel(int mode);
};
