#include "explorer/nodes/diagnostics/QVEOTornGroup.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/dialogs/QVEDecompositionPropertySheet.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/GroupListing.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/diagnostics/IZNDecompStatistics.h"

CQVEOTornGroup::CQVEOTornGroup(IZNDecompGroup* tornGroup, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVEODecompGroupNode(tornGroup, IDI_TORN_GROUP, IDS_TORN_GROUP, exclusionList, owner) {}

CExplorerObject* CQVEOTornGroup::MakeRoot(IUnknown* group, CExplorerExclusionList* exclusionList, CWnd* owner) {
  CComPtr<IZNDecompGroup> found = ComQuery<IZNDecompGroup>(group);
  return found ? new CQVEOTornGroup(found, exclusionList, owner) : nullptr;
}

const GUID& CQVEOTornGroup::ClassID() { return CLSID_QVEOTornGroup; }

CExplorerObject* CQVEOTornGroup::Clone() { return new CQVEOTornGroup(m_pGroup, m_pExclusionList, GetOwner()); }

int CQVEOTornGroup::GetDisplayText(EOAspect aspect, std::string& text) {
  text.clear();
  if (aspect != EOAspectName) return 0;
  if (m_pGroup) text = FormatCount(Count(&IZNDecompGroup::GetNumber));
  return 1;
}

int CQVEOTornGroup::AddItem(CListCtrl& list, int row) {
  const int added = InsertListItem(list, row, this);
  if (added < 0 || !m_pGroup) return added;
  list.SetItemText(added, 1, GroupTypeName(Count(&IZNDecompGroup::GetType)));
  list.SetItemText(added, 2, FormatCount(Count(&IZNDecompGroup::GetEquationCount)));
  list.SetItemText(added, 3, FormatCount(Count(&IZNDecompGroup::GetVariableCount)));
  list.SetItemText(added, 4, FormatCount(Count(&IZNDecompGroup::GetNonZeroCount)));
  list.SetItemText(added, 5, m_nStatus == EO_STATUS_NOT_OK ? "Unconverged" : "Converged");
  return added;
}

HTREEITEM CQVEOTornGroup::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  if (!InsertOwnItem(tree, parent, text)) return nullptr;
  if (m_pGroup) AddPlaceholder(tree, new CQVEOGroup(nullptr, m_pExclusionList, GetOwner()));
  return m_hItem;
}

void CQVEOTornGroup::FillChildren(CTreeCtrl& tree, HTREEITEM item) {
  if (!m_pGroup) return;
  DeleteChildItems(tree, item);
  if (!IsExcluded(CLSID_QVEOGroup)) InsertGroupItems(tree, item, CGroupSource(m_pGroup.Get()), m_pExclusionList, GetOwner());
  m_bFilled = 1;
}

int CQVEOTornGroup::ShowContents(CListCtrl& list) {
  if (!m_pGroup) return 0;
  EnsureChildren();
  if (IsExcluded(CLSID_QVEOGroup)) return 0;
  ListGroupRows(*this, list, CGroupSource(m_pGroup.Get()), m_pExclusionList, false);
  return 0;
}

int CQVEOTornGroup::GetSortType(LISTSORTINFO& info) { return GroupListSortType(info); }

void CQVEOTornGroup::ShowProperties() {
  CComPtr<IZNDecompStatistics> statistics;
  CComPtr<IZNDecompGroup> first;
  if (m_pGroup && SUCCEEDED(m_pGroup->GetStatistics(&statistics)) && statistics)
    statistics->GetFirstUnconvergedGroup(&first);
  std::string text;
  GetDisplayText(EOAspectName, text);
  CQVEDecompositionPropertySheet sheet("Torn Group: " + text);
  sheet.DoModal(first);
}
