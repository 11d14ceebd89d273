#include "explorer/nodes/diagnostics/QVEOGroupOverflowHolder.h"

#include <cstdio>

#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/diagnostics/IZNDecompStatistics.h"

CQVEOGroupOverflowHolder::CQVEOGroupOverflowHolder(const CGroupSource& source, int first, int last,
                                                   CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVEOGroupLike(IDI_GROUP, IDS_GROUP_OVERFLOW, exclusionList, owner), m_source(source), m_first(first),
      m_last(last) {
  if (m_nStatus == EO_STATUS_SYSTEM) return;
  if (IZNDecompGroup* torn = m_source.TornGroup()) {
    bool converged = true;
    if (SUCCEEDED(torn->IsConverged(&converged))) m_nStatus = converged ? EO_STATUS_OK : EO_STATUS_NOT_OK;
  } else if (IZNDecomposition* decomposition = m_source.Decomposition()) {
    CComPtr<IZNDecompStatistics> statistics;
    int position = 0;
    if (SUCCEEDED(decomposition->GetStatistics(&statistics)) && statistics)
      statistics->GetFirstUnconvergedPosition(&position);
    m_nStatus = position >= 1 && position <= m_last ? EO_STATUS_NOT_OK : EO_STATUS_OK;
  }
}

const GUID& CQVEOGroupOverflowHolder::ClassID() { return CLSID_QVEOGroupOverflowHolder; }

CExplorerObject* CQVEOGroupOverflowHolder::Clone() {
  return new CQVEOGroupOverflowHolder(m_source, m_first, m_last, m_pExclusionList, GetOwner());
}

int CQVEOGroupOverflowHolder::operator==(CExplorerObject& other) {
  auto* page = dynamic_cast<CQVEOGroupOverflowHolder*>(&other);
  return page && page->GetClassID() == GetClassID() && page->m_source.Decomposition() == m_source.Decomposition() &&
         page->m_source.TornGroup() == m_source.TornGroup() && page->m_first == m_first && page->m_last == m_last;
}

int CQVEOGroupOverflowHolder::GetDisplayText(EOAspect aspect, std::string& text) {
  text.clear();
  if (aspect == EOAspectStatus) {
    text = StatusText();
    return 1;
  }
  if (aspect != EOAspectName) return 0;
  if (m_source.IsEmpty()) return 1;
  char label[48];
  std::snprintf(label, sizeof label, "%d to %d", m_first, m_last);
  text = label;
  return 1;
}

int CQVEOGroupOverflowHolder::AddItem(CListCtrl& list, int row) {
  const int added = InsertListItem(list, row, this);
  if (added >= 0) list.SetItemText(added, 1, StatusText());
  return added;
}

int CQVEOGroupOverflowHolder::GetSortVal(int /*column*/, std::string& value) {
  value = StatusText();
  return 1;
}

int CQVEOGroupOverflowHolder::GetSortVal(int column, int& value) {
  if (column != 0) return 0;
  value = m_first;
  return 1;
}

HTREEITEM CQVEOGroupOverflowHolder::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  if (!InsertOwnItem(tree, parent, text)) return nullptr;
  AddPlaceholder(tree, new CQVEOGroup(nullptr, m_pExclusionList, GetOwner()));
  return m_hItem;
}

void CQVEOGroupOverflowHolder::FillChildren(CTreeCtrl& tree, HTREEITEM item) {
  DeleteChildItems(tree, item);
  InsertPageItems(tree, item, m_source, m_first, m_last, m_pExclusionList, GetOwner());
  m_bFilled = 1;
}

int CQVEOGroupOverflowHolder::ShowContents(CListCtrl& list) {
  ListPageRows(*this, list, m_source, m_first, m_last, m_pExclusionList);
  return 0;
}

int CQVEOGroupOverflowHolder::GetSortType(LISTSORTINFO& info) {
  info.type = info.column == 1 || info.column == 5 ? LSI_TEXT : LSI_INTEGER;
  return 1;
}
