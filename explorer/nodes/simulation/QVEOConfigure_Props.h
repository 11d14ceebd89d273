// The " Configure Properties" entry of the component lists: opens the host's
// configuration of the simulation's physical properties.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"

class CQVEOConfigure_Props : public CExplorerObject {
 public:
  explicit CQVEOConfigure_Props(CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;

  // Aspect 0: " Configure Properties"; aspect 1: empty.
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
};
