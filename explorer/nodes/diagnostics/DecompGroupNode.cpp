#include "explorer/nodes/diagnostics/DecompGroupNode.h"

#include "explorer/nodes/diagnostics/DiagnosticsNodeSupport.h"

CQVEODecompGroupNode::CQVEODecompGroupNode(IZNDecompGroup* group, UINT iconId, UINT classNameId,
                                           CExplorerExclusionList* exclusionList, CWnd* owner)
    : CQVEOGroupLike(iconId, classNameId, exclusionList, owner), m_pGroup(group) {
  bool converged = true;
  if (m_pGroup && m_nStatus != EO_STATUS_SYSTEM && SUCCEEDED(m_pGroup->IsConverged(&converged)))
    m_nStatus = converged ? EO_STATUS_OK : EO_STATUS_NOT_OK;
}

int CQVEODecompGroupNode::operator==(CExplorerObject& other) {
  auto* group = dynamic_cast<CQVEODecompGroupNode*>(&other);
  return group && group->GetClassID() == GetClassID() && group->m_pGroup.Get() == m_pGroup.Get();
}

int CQVEODecompGroupNode::Count(HRESULT (IZNDecompGroup::*get)(int*)) const {
  int value = 0;
  if (m_pGroup) (m_pGroup.Get()->*get)(&value);
  return value;
}

int CQVEODecompGroupNode::GetSortVal(int column, std::string& value) {
  if (column == 1) value = GroupTypeName(Count(&IZNDecompGroup::GetType));
  else if (column == 5) value = m_nStatus == EO_STATUS_NOT_OK ? "Unconverged" : "Converged";
  else return GetDisplayText(EOAspectName, value);
  return 1;
}

int CQVEODecompGroupNode::GetSortVal(int column, int& value) {
  if (column == 0) value = Count(&IZNDecompGroup::GetNumber);
  else if (column == 2) value = Count(&IZNDecompGroup::GetEquationCount);
  else if (column == 3) value = Count(&IZNDecompGroup::GetVariableCount);
  else if (column == 4) value = Count(&IZNDecompGroup::GetNonZeroCount);
  else return 0;
  return 1;
}

int CQVEODecompGroupNode::IsEmpty() { return Count(&IZNDecompGroup::GetMemberCount) < 1; }
