// The "Component Lists" folder: the component lists of the simulation's
// physical-properties configuration. It is never read-only; its status tells
// whether physical properties are configured; its Properties command shows
// their settings. A component list pasted here is copied under a free name.
#pragma once

#include "explorer/nodes/library/QVEOTypeKindFolder.h"

class CQVEOComponentLists : public CQVEOTypeKindFolder {
 public:
  CQVEOComponentLists(IFInstance* owner, CExplorerExclusionList* exclusionList, CWnd* ownerWindow);
  static const GUID& ClassID();
  CExplorerObject* Clone() override;

  // "OK" while physical properties are configured, "Not OK" otherwise.
  void GetStatus() override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;

  int IsEmpty() override;
  // The host exports types only, and component lists are not types: nothing to export.
  int CanExport() override { return 0; }
  int PasteData(COleDataObject& data, DWORD dropEffect) override;

 protected:
  void AddEntries(CListCtrl& list) override;
  void AddTypes(CListCtrl& list) override;
};
