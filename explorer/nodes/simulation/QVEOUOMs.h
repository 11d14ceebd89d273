// The folder "UOM Sets": one row per unit-of-measurement set of the simulation.
#pragma once

#include "explorer/nodes/simulation/QVEOTopLevelFolder.h"

class CQVEOUOMs : public CQVEOTopLevelFolder {
 public:
  explicit CQVEOUOMs(CWnd* owner, CExplorerExclusionList* exclusionList = nullptr);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;

 protected:
  void AddRows(CListCtrl& list) override;
};
