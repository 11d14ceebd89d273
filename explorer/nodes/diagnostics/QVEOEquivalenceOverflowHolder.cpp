#include "explorer/nodes/diagnostics/QVEOEquivalenceOverflowHolder.h"

#include <cstdio>

#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/EquivalenceListing.h"
#include "explorer/nodes/diagnostics/QVEOEquivalence.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"

CQVEOEquivalenceOverflowHolder::CQVEOEquivalenceOverflowHolder(IZNDiagnostics* diagnostics, int first, int last,
                                                               CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVEOGroupLike(IDI_EQUIVALENCE, IDS_EQUIVALENCE_OVERFLOW, exclusionList, owner), m_pDiagnostics(diagnostics),
      m_first(first), m_last(last) {}

const GUID& CQVEOEquivalenceOverflowHolder::ClassID() { return CLSID_QVEOEquivalenceOverflowHolder; }

CExplorerObject* CQVEOEquivalenceOverflowHolder::Clone() {
  return new CQVEOEquivalenceOverflowHolder(m_pDiagnostics, m_first, m_last, m_pExclusionList, GetOwner());
}

int CQVEOEquivalenceOverflowHolder::operator==(CExplorerObject& other) {
  auto* page = dynamic_cast<CQVEOEquivalenceOverflowHolder*>(&other);
  return page && page->GetClassID() == GetClassID() && page->m_pDiagnostics.Get() == m_pDiagnostics.Get() &&
         page->m_first == m_first && page->m_last == m_last;
}

int CQVEOEquivalenceOverflowHolder::GetDisplayText(EOAspect aspect, std::string& text) {
  text.clear();
  if (aspect != EOAspectName) return 0;
  char label[48];
  std::snprintf(label, sizeof label, "%d to %d", m_first, m_last);
  text = label;
  return 1;
}

int CQVEOEquivalenceOverflowHolder::GetSortVal(int /*column*/, std::string& value) {
  value = EquivalenceName(m_first);
  return 1;
}

int CQVEOEquivalenceOverflowHolder::AddItem(CListCtrl& list, int row) { return InsertListItem(list, row, this); }

int CQVEOEquivalenceOverflowHolder::GetSortType(LISTSORTINFO& info) { return EquivalenceListSortType(info); }

HTREEITEM CQVEOEquivalenceOverflowHolder::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  if (!InsertOwnItem(tree, parent, text)) return nullptr;
  AddPlaceholder(tree, new CQVEOEquivalence(nullptr, m_pExclusionList, GetOwner()));
  return m_hItem;
}

void CQVEOEquivalenceOverflowHolder::FillChildren(CTreeCtrl& tree, HTREEITEM item) {
  DeleteChildItems(tree, item);
  InsertEquivalenceItems(tree, item, m_pDiagnostics, m_first, m_last, false, m_pExclusionList, GetOwner());
  m_bFilled = 1;
}

int CQVEOEquivalenceOverflowHolder::ShowContents(CListCtrl& list) {
  ListEquivalenceRows(*this, list, m_pDiagnostics, m_first, m_last, false, m_pExclusionList);
  return 0;
}
