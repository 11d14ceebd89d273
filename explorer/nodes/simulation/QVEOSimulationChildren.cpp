// The simulation's children in the tree pane and in the contents pane. The
// two panes list them in different orders. Children of classes written in
// other areas (component lists, flowsheet, types folder, diagnostics) are made
// through the node factory, and only when the Explorer does not hide their class.
#include <memory>

#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/simulation/QVEOGlobals.h"
#include "explorer/nodes/simulation/QVEOLaunchFolders.h"
#include "explorer/nodes/simulation/QVEOLibraries.h"
#include "explorer/nodes/simulation/QVEOSimulation.h"
#include "explorer/nodes/simulation/QVEOUOMs.h"
#include "explorer/resources/StringIds.h"
#include "host/diagnostics/IZNDiagnostics.h"
#include "host/framework/CRQVDocument.h"

namespace {

const UINT kSimulationColumnTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};
const EOAspect kRowAspects[] = {EOAspectType, EOAspectStatus};

// Lets child insert itself under item; a child that inserts nothing is deleted at once.
void InsertChild(CTreeCtrl& tree, HTREEITEM item, CExplorerContainerObject* child) {
  if (child && !child->ShowContents(tree, item)) delete child;
}

// Appends child's row; the list owns it from then on. A child no row took is deleted.
void AddChildRow(CListCtrl& list, CExplorerObject* child) {
  if (child && CExplorerObject::AddListItem(list, child, kRowAspects, 2) < 0) delete child;
}

}  // namespace

CComPtr<IFInstance> CQVEOSimulation::SimulationTypeInstance() const {
  return type_access::InstanceOf(m_pSimulationType);
}

CExplorerContainerObject* CQVEOSimulation::MakeExcludableChild(REFGUID classId, IFInstance* instance) {
  if (IsExcluded(classId)) return nullptr;
  std::unique_ptr<CExplorerObject> node(CQVExplorer::Manufacture(classId, instance, m_pExclusionList, GetOwner()));
  auto* container = dynamic_cast<CExplorerContainerObject*>(node.get());
  if (container) node.release();
  return container;
}

CExplorerContainerObject* CQVEOSimulation::MakeTypesFolder() {
  CExplorerContainerObject* folder = MakeExcludableChild(CLSID_QVEOTypesFolder, SimulationTypeInstance());
  // The simulation's own types are read-only while custom modeling is off.
  if (folder) folder->SetReadOnly(CRQVDocument::m_bCustomModeling ? 0 : 1);
  return folder;
}

bool CQVEOSimulation::HasDiagnostics() const {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IZNDiagnostics> diagnostics;
  if (!document || FAILED(document->GetDiagnostics(&diagnostics)) || !diagnostics) return false;
  bool present = false;
  return SUCCEEDED(diagnostics->IsPresent(&present)) && present;
}

HTREEITEM CQVEOSimulation::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->CancelCurrentStream();
  std::string name;
  GetDisplayText(EOAspectName, name);
  HTREEITEM item = InsertTreeItem(tree, name, parent, TVI_LAST, 1);
  IFInstance* simulation = GetType();
  if (!item || !simulation) return item;

  CWnd* owner = GetOwner();
  InsertChild(tree, item, MakeExcludableChild(CLSID_QVEOComponentLists, simulation));
  InsertChild(tree, item, new CQVEOGlobals(SimulationTypeInstance(), owner, m_pExclusionList));
  InsertChild(tree, item, MakeExcludableChild(CLSID_QVEOFlowsheet, simulation));
  InsertChild(tree, item, MakeTypesFolder());
  InsertChild(tree, item, new CQVEOLibraries(owner, m_pExclusionList));
  InsertChild(tree, item, new CQVEOSimulationOptions(owner, m_pExclusionList));
  InsertChild(tree, item, new CQVEOAnalysisTools(owner, m_pExclusionList));
  InsertChild(tree, item, new CQVEOUOMs(owner, m_pExclusionList));
  InsertChild(tree, item, new CQVEOInterfacing(owner, m_pExclusionList));
  InsertChild(tree, item, MakeExcludableChild(CLSID_QVEODiagnostic, simulation));
  return item;
}

int CQVEOSimulation::ShowContents(CListCtrl& list) {
  InsertColumns(list, 3, kSimulationColumnTitles);
  IFInstance* simulation = GetType();
  if (!simulation) return 0;

  CWnd* owner = GetOwner();
  AddChildRow(list, MakeExcludableChild(CLSID_QVEOFlowsheet, simulation));
  AddChildRow(list, MakeTypesFolder());
  AddChildRow(list, new CQVEOLibraries(owner, m_pExclusionList));
  AddChildRow(list, MakeExcludableChild(CLSID_QVEOComponentLists, simulation));
  if (HasDiagnostics()) AddChildRow(list, MakeExcludableChild(CLSID_QVEODiagnostic, simulation));
  AddChildRow(list, new CQVEOInterfacing(owner, m_pExclusionList));
  AddChildRow(list, new CQVEOSimulationOptions(owner, m_pExclusionList));
  AddChildRow(list, new CQVEOGlobals(SimulationTypeInstance(), owner, m_pExclusionList));
  AddChildRow(list, new CQVEOAnalysisTools(owner, m_pExclusionList));
  AddChildRow(list, new CQVEOUOMs(owner, m_pExclusionList));
  return 0;
}
