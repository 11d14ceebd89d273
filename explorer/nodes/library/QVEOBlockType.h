// A block model. A model that is a flowsheet of its own (a hierarchy) offers
// only its properties.
#pragma once

#include "explorer/nodes/library/QVExplorerModelTypeObject.h"

class CQVEOBlockType : public CQVExplorerModelTypeObject {
 public:
  CQVEOBlockType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);
  CQVEOBlockType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 1: "Model"; the others as every model.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  // The model's type answers the hierarchy-type interface.
  int IsHierarchyType() override;
};
