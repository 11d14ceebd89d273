#include "explorer/nodes/simulation/QVEOUOMs.h"

#include <string>
#include <vector>

#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/simulation/QVEOUOM.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"

CQVEOUOMs::CQVEOUOMs(CWnd* owner, CExplorerExclusionList* exclusionList)
    : CQVEOTopLevelFolder(nullptr, exclusionList, owner, IDS_UOM_SETS) {}

const GUID& CQVEOUOMs::ClassID() { return CLSID_QVEOUOMs; }

CExplorerObject* CQVEOUOMs::Clone() { return new CQVEOUOMs(GetOwner(), m_pExclusionList); }

void CQVEOUOMs::AddRows(CListCtrl& list) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  std::vector<std::string> names;
  if (!document || FAILED(document->UOMSets(names))) return;
  for (const std::string& name : names) AddRow(list, new CQVEOUOM(name, GetOwner()));
}
