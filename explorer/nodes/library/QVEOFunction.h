// A function: a procedure with its own name and icon.
#pragma once

#include "explorer/nodes/library/QVEOProcedure.h"

class CQVEOFunction : public CQVEOProcedure {
 public:
  CQVEOFunction(IFInstance* instance, CWnd* owner, int readOnly);
  CQVEOFunction(IFTypeDesc* desc, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
};
