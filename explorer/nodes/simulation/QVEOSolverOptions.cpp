#include "explorer/nodes/simulation/QVEOSolverOptions.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/packaging/ExportToFile.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Exporter.h"
#include "host/store/MwInstance.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr const char* kOptionsTypeName = "Options";
constexpr const char* kNoOptionsText = "There is no solver options definition (\"Options\") to export.";

}  // namespace

CQVEOSolverOptions::CQVEOSolverOptions(IFInstance* optionsHost, CWnd* owner)
    : CExplorerObject(ForType{}, optionsHost, IDI_SOLVER_OPTIONS, IDI_SOLVER_OPTIONS, owner, 0) {}

const GUID& CQVEOSolverOptions::ClassID() { return CLSID_QVEOSolverOptions; }

int CQVEOSolverOptions::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_SOLVER_OPTIONS);
  return !name.empty();
}

CExplorerObject* CQVEOSolverOptions::Clone() { return new CQVEOSolverOptions(m_pType, GetOwner()); }

int CQVEOSolverOptions::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) return GetClassName(text);
  if (aspect != EOAspectType) return 0;
  text = LoadStringOrEmpty(IDS_OPTIONS_TYPE);
  return !text.empty();
}

int CQVEOSolverOptions::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_OPEN, IDS_MENU_OPEN);
  build.Add(ID_EXPLORER_EXPORT, IDS_MENU_EXPORT);
  return 1;
}

int CQVEOSolverOptions::CanDoCommand(UINT id) { return id == ID_EXPLORER_OPEN || id == ID_EXPLORER_EXPORT; }

void CQVEOSolverOptions::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_OPEN:
      if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->ShowSolverOptions(-1);
      break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_PASTE:
      MessageBeep(0);
      break;
    case ID_EXPLORER_EXPORT:
      ExportOptions();
      break;
    default:
      break;
  }
}

CComPtr<IFType> CQVEOSolverOptions::OptionsDefinition() {
  CComPtr<IFTypeDesc> desc = type_access::DescriptorOf(type_access::TypeOf(GetType()));
  if (!desc) return nullptr;
  CComPtr<IFTypePalette> palette;
  if (FAILED(MwInstance(static_cast<IUnknown*>(desc.Get())).CurrentTypePalette(&palette)) || !palette) return nullptr;
  CComPtr<IFTypeDesc> options = type_access::Find(palette, kOptionsTypeName);
  CComPtr<IFType> optionsType;
  if (!options || FAILED(options->GetType(&optionsType))) return nullptr;
  return optionsType;
}

void CQVEOSolverOptions::ExportOptions() {
  CComPtr<IFType> optionsType = OptionsDefinition();
  if (!optionsType) {
    ReportExportFailure(kNoOptionsText);
    return;
  }
  ExportTextToChosenFile(type_access::NameOf(optionsType),
                         [&](std::string& text) { return QVExportType(optionsType, text); });
}
