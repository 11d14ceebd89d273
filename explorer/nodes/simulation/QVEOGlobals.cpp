#include "explorer/nodes/simulation/QVEOGlobals.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/StringIds.h"

CQVEOGlobals::CQVEOGlobals(IFInstance* simulationType, CWnd* owner, CExplorerExclusionList* exclusionList)
    : CQVEOTopLevelFolder(simulationType, exclusionList, owner, IDS_GLOBALS) {}

const GUID& CQVEOGlobals::ClassID() { return CLSID_QVEOGlobals; }

CExplorerObject* CQVEOGlobals::Clone() { return new CQVEOGlobals(m_pType, GetOwner(), m_pExclusionList); }

void CQVEOGlobals::AddRows(CListCtrl& /*list*/) {}
