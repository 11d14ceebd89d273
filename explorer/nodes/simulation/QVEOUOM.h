// One unit-of-measurement set of the simulation. The set in use carries
// overlay 2; "Make Current" (or a double-click) makes the document use it.
#pragma once

#include <string>

#include "explorer/core/ExplorerObject.h"

class CQVEOUOM : public CExplorerObject {
 public:
  CQVEOUOM(const std::string& setName, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;

  // Aspect 0: the set's name; aspect 1: "UOM".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int GetOverlay(int& state) override;

  const std::string& GetSetName() const { return m_setName; }
  // Makes the current document use this set.
  void SetAsCurrentUOM();

 private:
  std::string m_setName;
};
