// One page of a long list of equivalences ("1 to 1000").
#pragma once

#include "explorer/nodes/diagnostics/QVEOGroupLike.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDiagnostics.h"

class CQVEOEquivalenceOverflowHolder : public CQVEOGroupLike {
 public:
  using CQVEOGroupLike::ShowContents;

  CQVEOEquivalenceOverflowHolder(IZNDiagnostics* diagnostics, int first, int last,
                                 CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  int operator==(CExplorerObject& other) override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int BuildContextMenu(CMenu& /*menu*/) override { return 0; }
  int CanDoCommand(UINT /*id*/) override { return 0; }
  int GetSortVal(int column, std::string& value) override;
  using CExplorerObject::GetSortVal;

  int IsEmpty() override { return 0; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;
  int AddItem(CListCtrl& list, int row) override;

 protected:
  void FillChildren(CTreeCtrl& tree, HTREEITEM item) override;

 private:
  CComPtr<IZNDiagnostics> m_pDiagnostics;
  int m_first;
  int m_last;
};
