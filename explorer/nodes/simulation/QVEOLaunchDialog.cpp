#include "explorer/nodes/simulation/QVEOLaunchDialog.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/services/IQVEstimation.h"
#include "host/services/IQVExternalInterface.h"
#include "host/services/IQVHomotopy.h"
#include "host/services/IQVOnLineLinks.h"
#include "host/services/IQVOptimisation.h"
#include "platform/ImageList.h"
#include "platform/Resources.h"

namespace {

constexpr int kOverlayAvailable = 4;
constexpr int kOverlayActive = 7;

struct LaunchKind {
  const char* name;
  UINT icon;
};

// By dialog type.
constexpr LaunchKind kKinds[] = {
    {"Run Options", IDI_RUN_OPTIONS},  {"Solver Options", IDI_SOLVER_OPTIONS},
    {"Homotopy", IDI_HOMOTOPY},     {"Snapshots", IDI_SNAPSHOTS},
    {"Simulation Access Extensions", IDI_SIMULATION_ACCESS_EXTENSIONS}, {"On Line Links", IDI_ON_LINE_LINKS},
    {"Estimation", IDI_ESTIMATION},   {"Optimization", IDI_OPTIMIZATION},
};
constexpr int kKindCount = static_cast<int>(sizeof kKinds / sizeof kKinds[0]);

template <class T>
CComPtr<T> Tool(HRESULT (CRQVDocument::*get)(T**)) {
  CComPtr<T> tool;
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) (document->*get)(&tool);
  return tool;
}

CComPtr<IQVHomotopy> Homotopy() { return Tool(&CRQVDocument::GetHomotopy); }
CComPtr<IQVExternalInterface> ExternalInterface() { return Tool(&CRQVDocument::GetExternalAPI); }
CComPtr<IQVOnLineLinks> OnLineLinks() { return Tool(&CRQVDocument::GetOnLineLinks); }

// A yes/no question of a host object; no when it cannot answer.
template <class T>
bool Ask(T* object, HRESULT (T::*question)(bool*)) {
  bool answer = false;
  return object && SUCCEEDED((object->*question)(&answer)) && answer;
}

bool HasConfiguration(IQVOnLineLinks* links) {
  bool inputs = false, outputs = false;
  return links && SUCCEEDED(links->GetConfigurations(&inputs, &outputs)) && (inputs || outputs);
}

// The overlay the entry of dialogType carries now; 0 for none.
int CurrentOverlay(int dialogType) {
  switch (dialogType) {
    case EODialogHomotopy: {
      CComPtr<IQVHomotopy> homotopy = Homotopy();
      if (Ask(homotopy.Get(), &IQVHomotopy::IsActive)) return kOverlayActive;
      return Ask(homotopy.Get(), &IQVHomotopy::IsAvailable) ? kOverlayAvailable : 0;
    }
    case EODialogExternalInterfacing:
      return Ask(ExternalInterface().Get(), &IQVExternalInterface::IsEnabled) ? kOverlayActive : 0;
    case EODialogOnLineLinks: {
      CComPtr<IQVOnLineLinks> links = OnLineLinks();
      if (!HasConfiguration(links)) return 0;
      return Ask(links.Get(), &IQVOnLineLinks::IsActive) ? kOverlayActive : kOverlayAvailable;
    }
    case EODialogEstimation: {
      CComPtr<IQVEstimation> estimation = Tool(&CRQVDocument::GetEstimation);
      return Ask(estimation.Get(), &IQVEstimation::HasDefinition) &&
                     Ask(estimation.Get(), &IQVEstimation::IsResultPresent)
                 ? kOverlayActive
                 : 0;
    }
    case EODialogOptimization: {
      CComPtr<IQVOptimisation> optimisation = Tool(&CRQVDocument::GetOptimisation);
      std::string description;
      return optimisation && SUCCEEDED(optimisation->GetDescription(description)) ? kOverlayActive : 0;
    }
    default:
      return 0;
  }
}

}  // namespace

CQVEOLaunchDialog::CQVEOLaunchDialog(int dialogType, CWnd* owner)
    : CExplorerObject(ForType{}, nullptr, owner, 0), m_nDialogType(dialogType) {
  if (IsKnownType()) LoadIcons(kKinds[m_nDialogType].icon, kKinds[m_nDialogType].icon);
}

const GUID& CQVEOLaunchDialog::ClassID() { return CLSID_QVEOLaunchDialog; }

int CQVEOLaunchDialog::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_LAUNCH_DIALOG);
  return !name.empty();
}

CExplorerObject* CQVEOLaunchDialog::Clone() { return new CQVEOLaunchDialog(m_nDialogType, GetOwner()); }

bool CQVEOLaunchDialog::IsKnownType() const { return m_nDialogType >= 0 && m_nDialogType < kKindCount; }

bool CQVEOLaunchDialog::CanBeActivated() const {
  return m_nDialogType == EODialogHomotopy || m_nDialogType == EODialogExternalInterfacing ||
         m_nDialogType == EODialogOnLineLinks;
}

int CQVEOLaunchDialog::GetDisplayText(EOAspect aspect, std::string& text) {
  if (!IsKnownType()) return 0;
  if (aspect == EOAspectName) {
    text = kKinds[m_nDialogType].name;
    return 1;
  }
  if (aspect == EOAspectType) {
    text.clear();
    return 1;
  }
  return 0;
}

int CQVEOLaunchDialog::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_OPEN, IDS_MENU_OPEN);
  build.Add(ID_EXPLORER_ACTIVATE, IDS_MENU_ACTIVATE);
  return 1;
}

int CQVEOLaunchDialog::CanDoCommand(UINT id) {
  if (id == ID_EXPLORER_OPEN) return 1;
  if (id == ID_EXPLORER_ACTIVATE) return CanBeActivated();
  return 0;
}

void CQVEOLaunchDialog::DoCommand(UINT id) {
  if (id == ID_EXPLORER_DEFAULT_ACTION || id == ID_EXPLORER_OPEN) {
    OpenDialog();
  } else if (id == ID_EXPLORER_ACTIVATE) {
    ToggleActive();
  }
}

void CQVEOLaunchDialog::OpenDialog() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document) return;
  switch (m_nDialogType) {
    case EODialogRunOptions: document->OnTimeSettings(); break;
    case EODialogSolverOptions: document->ShowSolverOptions(-1); break;
    case EODialogHomotopy: document->ShowHomotopy(); break;
    case EODialogSnapshots: document->SnapshotManagement(); break;
    case EODialogExternalInterfacing: document->ShowExternalInterfacing(); break;
    case EODialogOnLineLinks: document->ShowOnLineLinks(); break;
    case EODialogEstimation: document->ShowEstimation(); break;
    case EODialogOptimization: document->ShowOptimisation(); break;
    default: break;
  }
}

void CQVEOLaunchDialog::ToggleActive() {
  switch (m_nDialogType) {
    case EODialogHomotopy:
      if (CComPtr<IQVHomotopy> homotopy = Homotopy()) homotopy->SetActive(!Ask(homotopy.Get(), &IQVHomotopy::IsActive));
      break;
    case EODialogExternalInterfacing:
      if (CComPtr<IQVExternalInterface> external = ExternalInterface()) {
        external->SetEnabled(!Ask(external.Get(), &IQVExternalInterface::IsEnabled));
        PostToOwner(EXPLORER_DETAILS_CHANGED, 0, 0);
      }
      break;
    case EODialogOnLineLinks:
      if (CComPtr<IQVOnLineLinks> links = OnLineLinks())
        links->SetMode(Ask(links.Get(), &IQVOnLineLinks::IsActive) ? QV_LINKS_OFF : QV_LINKS_ON);
      break;
    default:
      break;
  }
}

void CQVEOLaunchDialog::SetCommandState(CCmdUI* ui) {
  if (!ui) return;
  if (ui->m_nID != ID_EXPLORER_ACTIVATE) {
    ui->Enable(CanDoCommand(ui->m_nID) != 0);
    return;
  }
  switch (m_nDialogType) {
    case EODialogHomotopy: {
      CComPtr<IQVHomotopy> homotopy = Homotopy();
      if (!Ask(homotopy.Get(), &IQVHomotopy::IsAvailable)) {
        ui->Enable(false);
        return;
      }
      ui->Enable(true);
      ui->SetCheck(Ask(homotopy.Get(), &IQVHomotopy::IsActive));
      return;
    }
    case EODialogExternalInterfacing: {
      CComPtr<IQVExternalInterface> external = ExternalInterface();
      if (!external || external->GetStatus() < 0) {
        ui->Enable(false);
        return;
      }
      ui->Enable(true);
      ui->SetCheck(Ask(external.Get(), &IQVExternalInterface::IsEnabled));
      return;
    }
    case EODialogOnLineLinks: {
      CComPtr<IQVOnLineLinks> links = OnLineLinks();
      if (!HasConfiguration(links)) {
        ui->Enable(false);
        return;
      }
      ui->Enable(true);
      ui->SetCheck(Ask(links.Get(), &IQVOnLineLinks::IsActive));
      return;
    }
    default:
      ui->Enable(false);
      return;
  }
}

int CQVEOLaunchDialog::GetOverlay(int& state) {
  const int overlay = CurrentOverlay(m_nDialogType);
  state = overlay ? static_cast<int>(INDEXTOOVERLAYMASK(overlay)) : 0;
  return overlay != 0;
}
