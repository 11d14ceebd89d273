// A controller model: a model type of its own kind, with every model command.
#pragma once

#include "explorer/nodes/library/QVExplorerModelTypeObject.h"

class CQVEOControllerType : public CQVExplorerModelTypeObject {
 public:
  CQVEOControllerType(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);
  CQVEOControllerType(IFTypeDesc* typeDesc, CExplorerExclusionList* exclusionList, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 1: "Controller Type"; the others as every model.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
};
