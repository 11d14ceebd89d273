// An equivalence: a set of variables the solver treats as one, named
// "ZN_Equivalence_0007", with its bounds and scale factor; its contents pane
// lists its variables, kept current while shown.
#pragma once

#include "explorer/core/ExplorerContainerObject.h"
#include "host/com/ComPtr.h"
#include "host/diagnostics/IZNDecompEquivalence.h"

class CQVEVariableDisplayHolder;

class CQVEOEquivalence : public CExplorerContainerObject {
 public:
  using CExplorerContainerObject::ShowContents;

  // equivalence may be null: the placeholder ("Not loaded").
  CQVEOEquivalence(IZNDecompEquivalence* equivalence, CExplorerExclusionList* exclusionList, CWnd* owner);
  ~CQVEOEquivalence() override;
  // The root of an Explorer opened at an equivalence.
  static CExplorerObject* MakeRoot(IUnknown* equivalence, CExplorerExclusionList* exclusionList, CWnd* owner);

  static const GUID& ClassID();
  const GUID& GetClassID() override { return ClassID(); }
  int GetClassName(std::string& name) override;
  CExplorerObject* Clone() override;
  int operator==(CExplorerObject& other) override;
  int GetDisplayText(EOAspect aspect, std::string& text) override;
  int GetSortVal(int column, std::string& value) override;
  int GetSortVal(int column, int& value) override;
  int GetSortVal(int column, double& value) override;

  int IsEmpty() override;
  int ShowContents(CListCtrl& list) override;
  HTREEITEM ShowContents(CTreeCtrl& tree, HTREEITEM parent) override;
  int GetSortType(LISTSORTINFO& info) override;
  void SelChanging() override;

  // The row: name, variables, lower bound, upper bound, scale factor.
  int AddItem(CListCtrl& list, int row);
  // "ZN_Equivalence_0007", or "Not loaded" without an equivalence.
  std::string TreeText() const;
  CQVEVariableDisplayHolder& DisplayHolder() { return *m_pDisplayHolder; }

 private:
  int Number() const;

  CComPtr<IZNDecompEquivalence> m_pEquivalence;
  CComPtr<CQVEVariableDisplayHolder> m_pDisplayHolder;
};
