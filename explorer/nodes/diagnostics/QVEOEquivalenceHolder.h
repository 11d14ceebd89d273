// "Equivalences" below Diagnostics, shown when the solver compresses equal
// variables: the equivalences (pages of N when there are more), each a set of
// variables the solver treats as one.
#pragma once

#include "explorer/nodes/diagnostics/QVEOGroupLike.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDiagnostics.h"

class CQVEOEquivalenceHolder : public CQVEOGroupLike {
 public:
  using CQVEOGroupLike::ShowContents;

  CQVEOEquivalenceHolder(IZNDiagnostics* diagnostics, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& /*menu*/) override { return 0; }
  int CanDoCommand(UINT /*id*/) override { return 0; }

  int IsEmpty() override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;
  int AddItem(CListCtrl& list, int row) override;

 protected:
  void FillChildren(CTreeCtrl& tree, HTREEITEM item) override;

 private:
  CComPtr<IZNDiagnostics> m_pDiagnostics;
};
