// The folder "Globals", made on the simulation's type: the simulation's
// global tables. Its rows are the " Add Global Table" entry and one row per
// form of the simulation type; both classes belong to the forms area and
// join this folder's contents when they are written.
#pragma once

#include "explorer/nodes/simulation/QVEOTopLevelFolder.h"

class CQVEOGlobals : public CQVEOTopLevelFolder {
 public:
  CQVEOGlobals(IFInstance* simulationType, CWnd* owner, CExplorerExclusionList* exclusionList = nullptr);
  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;

 protected:
  void AddRows(CListCtrl& list) override;
};
