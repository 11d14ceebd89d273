// A parameter type (integer, logical, real or string parameter).
#pragma once

#include "explorer/nodes/library/TypeLeaf.h"

class CQVEOParameterType : public CQVEOTypeLeaf {
 public:
  CQVEOParameterType(IFInstance* instance, CWnd* owner, int readOnly);
  CQVEOParameterType(IFTypeDesc* desc, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
};
