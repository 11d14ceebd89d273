#include "explorer/nodes/simulation/QVEOLaunchFolders.h"

#include "explorer/core/NodeClassIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

CQVEOLaunchFolder::CQVEOLaunchFolder(CExplorerExclusionList* exclusionList, CWnd* owner, UINT classNameId,
                                     std::vector<EODialogType> entries)
    : CQVEOTopLevelFolder(nullptr, exclusionList, owner, classNameId), m_entries(std::move(entries)) {}

void CQVEOLaunchFolder::AddRows(CListCtrl& list) {
  for (EODialogType entry : m_entries) AddRow(list, new CQVEOLaunchDialog(entry, GetOwner()));
}

// ---- Simulation Options

CQVEOSimulationOptions::CQVEOSimulationOptions(CWnd* owner, CExplorerExclusionList* exclusionList)
    : CQVEOLaunchFolder(exclusionList, owner, IDS_SIMULATION_OPTIONS,
                        {EODialogRunOptions, EODialogSolverOptions, EODialogHomotopy, EODialogSnapshots}) {}

const GUID& CQVEOSimulationOptions::ClassID() { return CLSID_QVEOSimulationOptions; }

CExplorerObject* CQVEOSimulationOptions::Clone() { return new CQVEOSimulationOptions(GetOwner(), m_pExclusionList); }

int CQVEOSimulationOptions::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectType) return CQVEOLaunchFolder::GetDisplayText(aspect, text);
  text = LoadStringOrEmpty(IDS_OPTIONS_TYPE);
  return !text.empty();
}

// ---- Interfacing

CQVEOInterfacing::CQVEOInterfacing(CWnd* owner, CExplorerExclusionList* exclusionList)
    : CQVEOLaunchFolder(exclusionList, owner, IDS_INTERFACING, {EODialogOnLineLinks, EODialogExternalInterfacing}) {}

const GUID& CQVEOInterfacing::ClassID() { return CLSID_QVEOInterfacing; }

CExplorerObject* CQVEOInterfacing::Clone() { return new CQVEOInterfacing(GetOwner(), m_pExclusionList); }

// ---- Analysis Tools

CQVEOAnalysisTools::CQVEOAnalysisTools(CWnd* owner, CExplorerExclusionList* exclusionList)
    : CQVEOLaunchFolder(exclusionList, owner, IDS_ANALYSIS_TOOLS, {EODialogEstimation, EODialogOptimization}) {}

const GUID& CQVEOAnalysisTools::ClassID() { return CLSID_QVEOAnalysisTools; }

CExplorerObject* CQVEOAnalysisTools::Clone() { return new CQVEOAnalysisTools(GetOwner(), m_pExclusionList); }
