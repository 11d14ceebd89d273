// The entry in a model's contents that opens the model's own text in the
// host's text editor (read-only for models that cannot be changed) and
// compiles it.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"

class CQVEOModelText : public CExplorerObject {
 public:
  // model: the instance that stands for the model type.
  CQVEOModelText(IFInstance* model, CWnd* owner, int readOnly);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  // Aspect 0: the model's name; aspect 1: "Model Text".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;

  int IsReadOnly() const { return m_bReadOnly; }
};
