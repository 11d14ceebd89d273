#include "explorer/nodes/diagnostics/QVEOEquivalenceHolder.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/diagnostics/EquivalenceListing.h"
#include "explorer/nodes/diagnostics/QVEOEquivalence.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

CQVEOEquivalenceHolder::CQVEOEquivalenceHolder(IZNDiagnostics* diagnostics, CExplorerExclusionList* exclusionList,
                                               CWnd* owner)
    : CQVEOGroupLike(IDI_EQUIVALENCES, IDS_EQUIVALENCES, exclusionList, owner), m_pDiagnostics(diagnostics) {
  LoadIcons(IDI_OPEN_EQUIVALENCES, IDI_EQUIVALENCES);
}

const GUID& CQVEOEquivalenceHolder::ClassID() { return CLSID_QVEOEquivalenceHolder; }

CExplorerObject* CQVEOEquivalenceHolder::Clone() {
  return new CQVEOEquivalenceHolder(m_pDiagnostics, m_pExclusionList, GetOwner());
}

int CQVEOEquivalenceHolder::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectName) return 0;
  return GetClassName(text);
}

int CQVEOEquivalenceHolder::IsEmpty() {
  int count = 0;
  if (m_pDiagnostics) m_pDiagnostics->GetEquivalenceCount(&count);
  return count < 1;
}

int CQVEOEquivalenceHolder::AddItem(CListCtrl& list, int row) { return InsertListItem(list, row, this); }

int CQVEOEquivalenceHolder::GetSortType(LISTSORTINFO& info) { return EquivalenceListSortType(info); }

HTREEITEM CQVEOEquivalenceHolder::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  if (!InsertOwnItem(tree, parent, text)) return nullptr;
  if (!IsEmpty()) AddPlaceholder(tree, new CQVEOEquivalence(nullptr, m_pExclusionList, GetOwner()));
  return m_hItem;
}

void CQVEOEquivalenceHolder::FillChildren(CTreeCtrl& tree, HTREEITEM item) {
  DeleteChildItems(tree, item);
  InsertEquivalenceItems(tree, item, m_pDiagnostics, 1, 0, true, m_pExclusionList, GetOwner());
  m_bFilled = 1;
}

int CQVEOEquivalenceHolder::ShowContents(CListCtrl& list) {
  ListEquivalenceRows(*this, list, m_pDiagnostics, 1, 0, true, m_pExclusionList);
  return 0;
}
