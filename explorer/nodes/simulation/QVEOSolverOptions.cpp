#include "explorer/nodes/simulation/QVEOSolverOptions.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/packaging/ExportToFile.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Exporter.h"
#include "host/store/MwInstance.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr UINT kSolverOptionsIcon = 13543;
constexpr UINT kClassNameId = 13591;  // "Solver Options"
constexpr UINT kOptionsType = 13682;  // "Options"
constexpr UINT kOpenText = 53518;
constexpr UINT kExportText = 53528;
constexpr const char* kOptionsTypeName = "Options";
constexpr const char* kNoOptionsText = "There is no solver options definition (\"Options\") to export.";

}  // namespace

CQVEOSolverOptions::CQVEOSolverOptions(IFInstance* optionsHost, CWnd* owner)
    : CExplorerObject(ForType{}, optionsHost, kSolverOptionsIcon, kSolverOptionsIcon, owner, 0) {}

const GUID& CQVEOSolverOptions::ClassID() { return CLSID_QVEOSolverOptions; }

int CQVEOSolverOptions::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(kClassNameId);
  return !name.empty();
}

CExplorerObject* CQVEOSolverOptions::Clone() { return new CQVEOSolverOptions(m_pType, GetOwner()); }

int CQVEOSolverOptions::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) return GetClassName(text);
  if (aspect != EOAspectType) return 0;
  text = LoadStringOrEmpty(kOptionsType);
  return !text.empty();
}

int CQVEOSolverOptions::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_OPEN, kOpenText);
  build.Add(ID_EXPLORER_EXPORT, kExportText);
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
