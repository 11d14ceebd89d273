// The decomposition of one run mode ("Steady state decomposition"): its row of
// counts in the Diagnostics list, its groups and torn groups below it (pages
// of N when there are more), a property sheet with its first unconverged
// group, and one question before it opens more than 1000 groups at once.
#pragma once

#include "explorer/nodes/diagnostics/QVEOGroupLike.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDecomposition.h"

class CQVEODecomposition : public CQVEOGroupLike {
 public:
  using CQVEOGroupLike::ShowContents;

  CQVEODecomposition(IZNDecomposition* decomposition, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  int operator==(CExplorerObject& other) override;
  // Aspect 0: the run mode's name followed by " decomposition".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& menu) override;
  int CanDoCommand(UINT id) override;
  void DoCommand(UINT id) override;
  int GetSortVal(int column, std::string& value) override;
  int GetSortVal(int column, int& value) override;
  using CExplorerObject::GetSortVal;

  int IsEmpty() override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  void ShowChildren(CTreeCtrl& tree, HTREEITEM item) override;
  void ShowMoreContents(CTreeCtrl& tree, HTREEITEM item) override;
  int GetSortType(LISTSORTINFO& info) override;
  // The row in the Diagnostics list: run mode, seven counts, status.
  int AddItem(CListCtrl& list, int row) override;

  // The sheet with the first unconverged group.
  void ShowProperties();
  IZNDecomposition* GetDecomposition() const { return m_pDecomposition; }

 protected:
  void FillChildren(CTreeCtrl& tree, HTREEITEM item) override;

 private:
  // False when the user declined (now or before) to open more than 1000 groups.
  bool ConfirmLargePages();
  int Count(HRESULT (IZNDecomposition::*get)(int*)) const;

  CComPtr<IZNDecomposition> m_pDecomposition;
  int m_bAsked = 0;
  int m_bAnsweredYes = 0;
};
