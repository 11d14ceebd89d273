// A procedure: the shared leaf behaviour with its own menu order and
// "&Generate Code", which has the document generate the procedure's code.
#pragma once

#include "explorer/nodes/library/TypeLeaf.h"

class CQVEOProcedure : public CQVEOTypeLeaf {
 public:
  CQVEOProcedure(IFInstance* instance, CWnd* owner, int readOnly);
  CQVEOProcedure(IFTypeDesc* desc, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;

  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;

 protected:
  CQVEOProcedure(IFInstance* instance, CWnd* owner, int readOnly, const TypeLeafTraits& traits);
  CQVEOProcedure(IFTypeDesc* desc, CWnd* owner, int readOnly, const TypeLeafTraits& traits);

 private:
  void GenerateCode();
};
