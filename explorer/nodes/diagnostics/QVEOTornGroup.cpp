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
    : CQVEOGroupLike(IDI_TORN_GROUP, IDS_TORN_GROUP, exclusionList, owner), m_pTornGroup(tornGroup) {
  bool converged = true;
  if (m_pTornGroup && m_nStatus != EO_STATUS_SYSTEM && SUCCEEDED(m_pTornGroup->IsConverged(&converged)))
    m_nStatus = converged ? EO_STATUS_OK : EO_STATUS_NOT_OK;
}

CExplorerObject* CQVEOTornGroup::MakeRoot(IUnknown* group, CExplorerExclusionList* exclusionList, CWnd* owner) {
  CComPtr<IZNDecompGroup> found = ComQuery<IZNDecompGroup>(group);
  return found ? new CQVEOTornGroup(found, exclusionList, owner) : nullptr;
}

const GUID& CQVEOTornGroup::ClassID() { return CLSID_QVEOTornGroup; }

CExplorerObject* CQVEOTornGroup::Clone() { return new CQVEOTornGroup(m_pTornGroup, m_pExclusionList, GetOwner()); }

int CQVEOTornGroup::operator==(CExplorerObject& other) {
  auto* torn = dynamic_cast<CQVEOTornGroup*>(&other);
  return torn && torn->GetClassID() == GetClassID() && torn->m_pTornGroup.Get() == m_pTornGroup.Get();
}

int CQVEOTornGroup::Count(HRESULT (IZNDecompGroup::*get)(int*)) const {
  int value = 0;
  if (m_pTornGroup) (m_pTornGroup.Get()->*get)(&value);
  return value;
}

int CQVEOTornGroup::GetDisplayText(EOAspect aspect, std::string& text) {
  text.clear();
  if (aspect != EOAspectName) return 0;
  if (m_pTornGroup) text = FormatCount(Count(&IZNDecompGroup::GetNumber));
  return 1;
}

int CQVEOTornGroup::AddItem(CListCtrl& list, int row) {
  const int added = InsertListItem(list, row, this);
  if (added < 0 || !m_pTornGroup) return added;
  list.SetItemText(added, 1, GroupTypeName(Count(&IZNDecompGroup::GetType)));
  list.SetItemText(added, 2, FormatCount(Count(&IZNDecompGroup::GetEquationCount)));
  list.SetItemText(added, 3, FormatCount(Count(&IZNDecompGroup::GetVariableCount)));
  list.SetItemText(added, 4, FormatCount(Count(&IZNDecompGroup::GetNonZeroCount)));
  list.SetItemText(added, 5, m_nStatus == EO_STATUS_NOT_OK ? "Unconverged" : "Converged");
  return added;
}

int CQVEOTornGroup::GetSortVal(int column, std::string& value) {
  if (column == 1) value = GroupTypeName(Count(&IZNDecompGroup::GetType));
  else if (column == 5) value = m_nStatus == EO_STATUS_NOT_OK ? "Unconverged" : "Converged";
  else return GetDisplayText(EOAspectName, value);
  return 1;
}

int CQVEOTornGroup::GetSortVal(int column, int& value) {
  if (column == 0) value = Count(&IZNDecompGroup::GetNumber);
  else if (column == 2) value = Count(&IZNDecompGroup::GetEquationCount);
  else if (column == 3) value = Count(&IZNDecompGroup::GetVariableCount);
  else if (column == 4) value = Count(&IZNDecompGroup::GetNonZeroCount);
  else return 0;
  return 1;
}

int CQVEOTornGroup::IsEmpty() { return Count(&IZNDecompGroup::GetMemberCount) < 1; }

HTREEITEM CQVEOTornGroup::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  if (!InsertOwnItem(tree, parent, text)) return nullptr;
  if (m_pTornGroup) AddPlaceholder(tree, new CQVEOGroup(nullptr, m_pExclusionList, GetOwner()));
  return m_hItem;
}

void CQVEOTornGroup::FillChildren(CTreeCtrl& tree, HTREEITEM item) {
  if (!m_pTornGroup) return;
  DeleteChildItems(tree, item);
  if (!IsExcluded(CLSID_QVEOGroup)) InsertGroupItems(tree, item, CGroupSource(m_pTornGroup.Get()), m_pExclusionList, GetOwner());
  m_bFilled = 1;
}

int CQVEOTornGroup::ShowContents(CListCtrl& list) {
  if (!m_pTornGroup) return 0;
  EnsureChildren();
  if (IsExcluded(CLSID_QVEOGroup)) return 0;
  ListGroupRows(*this, list, CGroupSource(m_pTornGroup.Get()), m_pExclusionList, false);
  return 0;
}

int CQVEOTornGroup::GetSortType(LISTSORTINFO& info) { return GroupListSortType(info); }

void CQVEOTornGroup::ShowProperties() {
  CComPtr<IZNDecompStatistics> statistics;
  CComPtr<IZNDecompGroup> first;
  if (m_pTornGroup && SUCCEEDED(m_pTornGroup->GetStatistics(&statistics)) && statistics)
    statistics->GetFirstUnconvergedGroup(&first);
  std::string text;
  GetDisplayText(EOAspectName, text);
  CQVEDecompositionPropertySheet sheet("Torn Group: " + text);
  sheet.DoModal(first);
}
