#include "explorer/nodes/diagnostics/QVEODecomposition.h"

#include <cstdio>

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/QVEDecompositionPropertySheet.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/GroupListing.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/diagnostics/IZNDecompStatistics.h"

namespace {

// Pages larger than this are opened only when the user agrees.
constexpr int kLargePageSize = 1000;

// The counts of the Diagnostics list's columns 1-7.
constexpr HRESULT (IZNDecomposition::*kCountColumns[])(int*) = {
    &IZNDecomposition::GetEquationCount,      &IZNDecomposition::GetGroupCount,
    &IZNDecomposition::GetExplicitGroupCount, &IZNDecomposition::GetLinearGroupCount,
    &IZNDecomposition::GetNonlinearGroupCount, &IZNDecomposition::GetTornGroupCount,
    &IZNDecomposition::GetLargestGroupSize};

}  // namespace

CQVEODecomposition::CQVEODecomposition(IZNDecomposition* decomposition, CExplorerExclusionList* exclusionList,
                                       CWnd* owner)
    : CQVEOGroupLike(IDI_DECOMPOSITION, IDS_DECOMPOSITION, exclusionList, owner), m_pDecomposition(decomposition) {
  bool converged = false;
  if (m_nStatus != EO_STATUS_SYSTEM) {
    if (m_pDecomposition) m_pDecomposition->IsConverged(&converged);
    m_nStatus = converged ? EO_STATUS_OK : EO_STATUS_NOT_OK;
  }
}

const GUID& CQVEODecomposition::ClassID() { return CLSID_QVEODecomposition; }

CExplorerObject* CQVEODecomposition::Clone() {
  return new CQVEODecomposition(m_pDecomposition, m_pExclusionList, GetOwner());
}

int CQVEODecomposition::operator==(CExplorerObject& other) {
  auto* decomposition = dynamic_cast<CQVEODecomposition*>(&other);
  return decomposition && decomposition->GetClassID() == GetClassID() &&
         decomposition->m_pDecomposition.Get() == m_pDecomposition.Get();
}

int CQVEODecomposition::Count(HRESULT (IZNDecomposition::*get)(int*)) const {
  int value = 0;
  if (m_pDecomposition) (m_pDecomposition.Get()->*get)(&value);
  return value;
}

int CQVEODecomposition::GetDisplayText(EOAspect aspect, std::string& text) {
  text.clear();
  if (aspect == EOAspectName) text = RunModeName(Count(&IZNDecomposition::GetRunMode)) + " decomposition";
  return 1;
}

int CQVEODecomposition::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
  CQVEOGroupLike::BuildContextMenu(menu);
  return 1;
}

int CQVEODecomposition::CanDoCommand(UINT id) {
  return id == ID_EXPLORER_PROPERTIES || CQVEOGroupLike::CanDoCommand(id);
}

void CQVEODecomposition::DoCommand(UINT id) {
  if (id == ID_EXPLORER_PROPERTIES) {
    ShowProperties();
  } else {
    CQVEOGroupLike::DoCommand(id);
  }
}

void CQVEODecomposition::ShowProperties() {
  CComPtr<IZNDecompStatistics> statistics;
  CComPtr<IZNDecompGroup> first;
  if (m_pDecomposition && SUCCEEDED(m_pDecomposition->GetStatistics(&statistics)) && statistics)
    statistics->GetFirstUnconvergedGroup(&first);
  std::string caption;
  GetDisplayText(EOAspectName, caption);
  CQVEDecompositionPropertySheet sheet(caption);
  sheet.DoModal(first);
}

int CQVEODecomposition::AddItem(CListCtrl& list, int row) {
  const int added = InsertListItem(list, row, this);
  if (added < 0) return added;
  list.SetItemText(added, 0, RunModeName(Count(&IZNDecomposition::GetRunMode)));
  int column = 1;
  for (auto get : kCountColumns) list.SetItemText(added, column++, FormatCount(Count(get)));
  list.SetItemText(added, 8, m_nStatus == EO_STATUS_NOT_OK ? "Unconverged" : "Converged");
  return added;
}

int CQVEODecomposition::GetSortVal(int column, std::string& value) {
  if (column == 0) value = RunModeName(Count(&IZNDecomposition::GetRunMode));
  else if (column == 8) value = m_nStatus == EO_STATUS_NOT_OK ? "Unconverged" : "Converged";
  else return 0;
  return 1;
}

int CQVEODecomposition::GetSortVal(int column, int& value) {
  if (column < 1 || column > 7) return 0;
  value = Count(kCountColumns[column - 1]);
  return 1;
}

int CQVEODecomposition::IsEmpty() { return Count(&IZNDecomposition::GetGroupCount) < 1; }

int CQVEODecomposition::GetSortType(LISTSORTINFO& info) { return GroupListSortType(info); }

HTREEITEM CQVEODecomposition::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  if (IsExcluded(CLSID_QVEODecomposition)) return nullptr;
  std::string text;
  GetDisplayText(EOAspectName, text);
  if (!InsertOwnItem(tree, parent, text)) return nullptr;
  AddPlaceholder(tree, new CQVEOGroup(nullptr, m_pExclusionList, GetOwner()));
  return m_hItem;
}

bool CQVEODecomposition::ConfirmLargePages() {
  if (m_bAsked) return m_bAnsweredYes != 0;
  const int pageSize = GroupsPerPage();
  if (pageSize <= kLargePageSize) return true;
  m_bAsked = 1;
  char question[96];
  std::snprintf(question, sizeof question, "Do you really want to open more than %d groups?", kLargePageSize);
  m_bAnsweredYes = CQVExplorer::ShowMessage(question, "Explorer", MB_YESNO) == IDYES;
  return m_bAnsweredYes != 0;
}

void CQVEODecomposition::ShowChildren(CTreeCtrl& tree, HTREEITEM item) {
  if (ConfirmLargePages()) CQVEOGroupLike::ShowChildren(tree, item);
}

void CQVEODecomposition::ShowMoreContents(CTreeCtrl& tree, HTREEITEM item) {
  if (ConfirmLargePages()) CQVEOGroupLike::ShowMoreContents(tree, item);
}

void CQVEODecomposition::FillChildren(CTreeCtrl& tree, HTREEITEM item) {
  if (IsExcluded(CLSID_QVEOGroup)) return;
  DeleteChildItems(tree, item);
  if (m_pDecomposition) InsertGroupItems(tree, item, CGroupSource(m_pDecomposition.Get()), m_pExclusionList, GetOwner());
  m_bFilled = 1;
}

int CQVEODecomposition::ShowContents(CListCtrl& list) {
  if (!ConfirmLargePages()) return 0;
  EnsureChildren();
  if (IsExcluded(CLSID_QVEOGroup) || !m_pDecomposition) return 0;
  ListGroupRows(*this, list, CGroupSource(m_pDecomposition.Get()), m_pExclusionList, true);
  return 0;
}
