// "Diagnostics" below the simulation: present once a run has left a
// decomposition, it lists one decomposition per run mode (and the
// equivalences when the solver compresses equal variables). Its commands
// show the solver's diagnostic settings, restrict group lists to the first
// unconverged group, go to that group, and switch groups between their
// equations and their variables.
#pragma once

#include "explorer/core/ExplorerContainerObject.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDiagnostics.h"

class CQVEODiagnostic : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  CQVEODiagnostic(IFInstance* simulation, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void SetCommandState(CCmdUI* ui) override;
  void DoCommand(UINT id) override;

  int IsEmpty() override { return 1; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;

  // True when the solver options say "Compression" is on.
  static bool IsEquivalencingOn();
  // The document's diagnostics; null before a run.
  static CComPtr<IZNDiagnostics> DocumentDiagnostics();
  void ShowProperties();

 private:
  void ToggleOnlyFirstUnconverged();
};
