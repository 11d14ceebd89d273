// A variable type: besides the shared leaf behaviour it shows its physical
// quantity and the units the current unit set gives that quantity, and sorts
// by name, quantity and units.
#pragma once

#include "explorer/nodes/library/TypeLeaf.h"

class CQVEOVariableType : public CQVEOTypeLeaf {
 public:
  CQVEOVariableType(IFInstance* instance, CWnd* owner, int readOnly);
  CQVEOVariableType(IFTypeDesc* desc, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;

  // Also aspect 8 (the quantity, "-" without one) and 10 (its units, " -"
  // without any); neither when the type has no physical quantity.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  // Columns 0, 1 and 2: name, quantity, units.
  int GetSortVal(int column, std::string& value) override;
  using CQVEOTypeLeaf::GetSortVal;
};
