// The "Procedures" folder of a library or of the simulation's types: its
// procedures, then its functions (except those the host keeps to itself), and
// the "&Generate Code" command that has the host generate the code of all of them.
#pragma once

#include "explorer/nodes/library/QVEOTypeKindFolder.h"

class CQVEOProcedures : public CQVEOTypeKindFolder {
 public:
  CQVEOProcedures(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow, int readOnly);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;

  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;

 protected:
  void AddTypes(CListCtrl& list) override;
};
