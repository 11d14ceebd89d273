// One page of a long list of groups ("1001 to 2000"): the groups of a
// decomposition or the sub-groups of a torn group numbered first to last.
#pragma once

#include "explorer/nodes/diagnostics/GroupListing.h"
#include "explorer/nodes/diagnostics/QVEOGroupLike.h"

class CQVEOGroupOverflowHolder : public CQVEOGroupLike {
 public:
  using CQVEOGroupLike::ShowContents;

  CQVEOGroupOverflowHolder(const CGroupSource& source, int first, int last, CExplorerExclusionList* exclusionList,
                           CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  CExplorerObject* Clone() override;
  int operator==(CExplorerObject& other) override;
  // Aspect 0 "first to last"; aspect 2 "Unconverged" or "Converged".
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int GetSortVal(int column, std::string& value) override;
  int GetSortVal(int column, int& value) override;
  using CExplorerObject::GetSortVal;

  int IsEmpty() override { return 0; }
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;
  int AddItem(CListCtrl& list, int row) override;

  int First() const { return m_first; }
  int Last() const { return m_last; }

 protected:
  void FillChildren(CTreeCtrl& tree, HTREEITEM item) override;

 private:
  std::string StatusText() const { return m_nStatus == EO_STATUS_NOT_OK ? "Unconverged" : "Converged"; }

  CGroupSource m_source;
  int m_first;
  int m_last;
};
