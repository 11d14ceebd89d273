#include "explorer/nodes/simulation/QVEOGlobals.h"

#include "explorer/core/NodeClassIds.h"

namespace {

constexpr UINT kClassNameId = 13749;  // "Globals"

}  // namespace

CQVEOGlobals::CQVEOGlobals(IFInstance* simulationType, CWnd* owner, CExplorerExclusionList* exclusionList)
    : CQVEOTopLevelFolder(simulationType, exclusionList, owner, kClassNameId) {}

const GUID& CQVEOGlobals::ClassID() { return CLSID_QVEOGlobals; }

CExplorerObject* CQVEOGlobals::Clone() { return new CQVEOGlobals(m_pType, GetOwner(), m_pExclusionList); }

void CQVEOGlobals::AddRows(CListCtrl& /*list*/) {}
