#include "explorer/nodes/simulation/QVEOSimulation.h"

#include <memory>

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

// The host's run commands, in the order of the "&Run" popup.
constexpr UINT kRunCommands[] = {ID_HOST_RUN,     ID_HOST_STEP,  ID_HOST_PAUSE,     ID_HOST_PAUSE_AT,
                                 ID_HOST_RESTART, ID_HOST_REWIND, ID_HOST_RESET,    ID_HOST_RESET_ALL,
                                 ID_HOST_ADVANCED_RESET};

bool IsRunCommand(UINT id) {
  for (UINT command : kRunCommands)
    if (command == id) return true;
  return false;
}

}  // namespace

CQVEOSimulation::CQVEOSimulation(IFInstance* simulation, CExplorerExclusionList* exclusionList, CWnd* owner)
    : CExplorerContainerObject(ForType{}, simulation, exclusionList, IDI_OPEN_SIMULATION, IDI_SIMULATION, owner, 0),
      m_pSimulationType(type_access::TypeOf(simulation)) {}

const GUID& CQVEOSimulation::ClassID() { return CLSID_QVEOSimulation; }

int CQVEOSimulation::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_SIMULATION);
  return !name.empty();
}

CExplorerObject* CQVEOSimulation::Clone() { return new CQVEOSimulation(m_pType, m_pExclusionList, GetOwner()); }

int CQVEOSimulation::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectName) return 0;
  return GetClassName(text);
}

int CQVEOSimulation::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.AddSeparator();
  build.Add(ID_EXPLORER_INSERT, IDS_MENU_INSERT);
  build.AddSeparator();
  auto run = std::make_shared<CMenu>();
  CContextMenuBuilder runBuild(*this, *run);
  for (UINT command : kRunCommands) runBuild.Add(command);
  build.AddPopup(IDS_MENU_RUN, run);
  build.AddSeparator();
  build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
  return 1;
}

int CQVEOSimulation::CanDoCommand(UINT id) {
  if (IsRunCommand(id)) return 1;
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_EXPLORE:
    case ID_EXPLORER_INSERT:
      return 1;
    case ID_EXPLORER_EXPORT:
      return CanExport();
    default:
      return 0;
  }
}

void CQVEOSimulation::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
      ShowProperties();
      break;
    case ID_EXPLORER_EXPLORE:
      Explore();
      break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_PASTE:
      MessageBeep(0);
      break;
    case ID_EXPLORER_INSERT:
      if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->Insert();
      break;
    case ID_EXPLORER_EXPORT:
      Export();
      break;
    default:
      break;  // the run commands are the host's to perform
  }
}
