#include "explorer/nodes/diagnostics/QVEOEquivalence.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"
#include "explorer/nodes/diagnostics/EquivalenceListing.h"
#include "explorer/nodes/diagnostics/QVEVariableDisplayHolder.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/store/MwString.h"
#include "platform/Resources.h"

namespace {

double EquivalenceReal(IZNDecompEquivalence* equivalence, HRESULT (IZNDecompEquivalence::*get)(double*)) {
  double value = 0;
  if (equivalence) (equivalence->*get)(&value);
  return value;
}

}  // namespace

CQVEOEquivalence::CQVEOEquivalence(IZNDecompEquivalence* equivalence, CExplorerExclusionList* exclusionList,
                                   CWnd* owner)
    : CExplorerContainerObject(ForType{}, nullptr, exclusionList, IDI_EQUIVALENCE, IDI_EQUIVALENCE, owner, 0),
      m_pEquivalence(equivalence), m_pDisplayHolder(MakeComObject<CQVEVariableDisplayHolder>()) {}

CQVEOEquivalence::~CQVEOEquivalence() { m_pDisplayHolder->Unadvise(); }

CExplorerObject* CQVEOEquivalence::MakeRoot(IUnknown* equivalence, CExplorerExclusionList* exclusionList,
                                            CWnd* owner) {
  CComPtr<IZNDecompEquivalence> found = ComQuery<IZNDecompEquivalence>(equivalence);
  return found ? new CQVEOEquivalence(found, exclusionList, owner) : nullptr;
}

const GUID& CQVEOEquivalence::ClassID() { return CLSID_QVEOEquivalence; }

int CQVEOEquivalence::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_EQUIVALENCE);
  return !name.empty();
}

CExplorerObject* CQVEOEquivalence::Clone() { return new CQVEOEquivalence(m_pEquivalence, m_pExclusionList, GetOwner()); }

int CQVEOEquivalence::operator==(CExplorerObject& other) {
  auto* equivalence = dynamic_cast<CQVEOEquivalence*>(&other);
  return equivalence && equivalence->GetClassID() == GetClassID() &&
         equivalence->m_pEquivalence.Get() == m_pEquivalence.Get();
}

int CQVEOEquivalence::Number() const {
  int number = 0;
  if (m_pEquivalence) m_pEquivalence->GetNumber(&number);
  return number;
}

int CQVEOEquivalence::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectName) return 0;
  return GetClassName(text);
}

std::string CQVEOEquivalence::TreeText() const { return m_pEquivalence ? EquivalenceName(Number()) : "Not loaded"; }

int CQVEOEquivalence::IsEmpty() {
  int count = 0;
  if (m_pEquivalence) m_pEquivalence->GetVariableCount(&count);
  return count < 1;
}

int CQVEOEquivalence::AddItem(CListCtrl& list, int row) {
  const int added = InsertListItem(list, row, this);
  if (added < 0 || !m_pEquivalence) return added;
  int count = 0;
  m_pEquivalence->GetVariableCount(&count);
  list.SetItemText(added, 0, TreeText());
  list.SetItemText(added, 1, FormatCount(count));
  list.SetItemText(added, 2, MwString::FormatReal_S(EquivalenceReal(m_pEquivalence, &IZNDecompEquivalence::GetLowerBound), 0, true));
  list.SetItemText(added, 3, MwString::FormatReal_S(EquivalenceReal(m_pEquivalence, &IZNDecompEquivalence::GetUpperBound), 0, true));
  list.SetItemText(added, 4, MwString::FormatReal_S(EquivalenceReal(m_pEquivalence, &IZNDecompEquivalence::GetScaleFactor), 0, true));
  return added;
}

int CQVEOEquivalence::GetSortVal(int column, std::string& value) {
  if (column != 0) return 0;
  value = TreeText();
  return 1;
}

int CQVEOEquivalence::GetSortVal(int column, int& value) {
  if (column != 1 || !m_pEquivalence) return 0;
  return SUCCEEDED(m_pEquivalence->GetVariableCount(&value));
}

int CQVEOEquivalence::GetSortVal(int column, double& value) {
  if (column == 2) value = EquivalenceReal(m_pEquivalence, &IZNDecompEquivalence::GetLowerBound);
  else if (column == 3) value = EquivalenceReal(m_pEquivalence, &IZNDecompEquivalence::GetUpperBound);
  else if (column == 4) value = EquivalenceReal(m_pEquivalence, &IZNDecompEquivalence::GetScaleFactor);
  else return 0;
  return 1;
}

HTREEITEM CQVEOEquivalence::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  return InsertTreeItem(tree, TreeText(), parent, TVI_LAST, 1);
}

int CQVEOEquivalence::ShowContents(CListCtrl& list) {
  if (m_pEquivalence) m_pDisplayHolder->ShowEquivalenceVariables(*this, list, m_pEquivalence);
  return 0;
}

int CQVEOEquivalence::GetSortType(LISTSORTINFO& info) { return CQVEVariableDisplayHolder::GetSortType(info); }

void CQVEOEquivalence::SelChanging() { m_pDisplayHolder->Unadvise(); }
