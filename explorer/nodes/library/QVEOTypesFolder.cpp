#include "explorer/nodes/library/QVEOTypesFolder.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerWindow.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/dialogs/CustomModelingProperties.h"
#include "explorer/packaging/ExportToFile.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/Exporter.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"
#include "platform/TreeCtrl.h"
#include "platform/UserInterface.h"

namespace {

constexpr const char* kExportFileName = "CustomModeling.ktrf";

std::string Trimmed(const std::string& text) {
  const char* blanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

CQVEOTypesFolder::CQVEOTypesFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                                   int readOnly)
    : CQVEOTypeContainer(instance, exclusionList, IDI_OPEN_CUSTOM_MODELING_FOLDER, IDI_CUSTOM_MODELING_FOLDER, owner,
                         readOnly) {}

const GUID& CQVEOTypesFolder::ClassID() { return CLSID_QVEOTypesFolder; }

int CQVEOTypesFolder::GetClassName(std::string& name) { return GetDisplayText(EOAspectName, name); }

CExplorerObject* CQVEOTypesFolder::Clone() {
  return new CQVEOTypesFolder(GetType(), m_pExclusionList, GetOwner(), m_bReadOnly);
}

int CQVEOTypesFolder::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectName && aspect != EOAspectType) return 0;
  text = LoadStringOrEmpty(CRQVDocument::m_bCustomModeling ? IDS_CUSTOM_MODELING : IDS_LOCAL_LIBRARY);
  return !text.empty();
}

int CQVEOTypesFolder::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  build.AddSeparator();
  if (!m_bReadOnly) {
    build.Add(ID_EXPLORER_REBUILD, IDS_MENU_REBUILD);
    build.AddSeparator();
  }
  build.Add(ID_EXPLORER_EXPORT, IDS_MENU_EXPORT);
  if (!m_bReadOnly) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
  }
  return 1;
}

int CQVEOTypesFolder::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_REBUILD:
    case ID_EXPLORER_PASTE: return !m_bReadOnly && (id != ID_EXPLORER_PASTE || ClipboardHoldsPastableType());
    case ID_EXPLORER_EXPLORE:
    case ID_EXPLORER_INSERT: return 1;
    case ID_EXPLORER_EXPORT: return CanExport();
    default: return 0;
  }
}

void CQVEOTypesFolder::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES: ShowFolderProperties(); break;
    case ID_EXPLORER_EXPLORE: Explore(); break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT: MessageBeep(0); break;
    case ID_EXPLORER_PASTE: PasteFromClipboard(); break;
    case ID_EXPLORER_EXPORT: Export(); break;
    case ID_EXPLORER_REBUILD: ReBuild(); break;
    default: break;
  }
}

void CQVEOTypesFolder::ShowFolderProperties() {
  IExplorerWindow* window = GetOwnerWindow();
  CTreeCtrl* tree = window ? window->GetTreePaneControl() : nullptr;
  if (!tree || !tree->IsWindowVisible()) return;
  HTREEITEM root = tree->GetRootItem();
  const std::string rootText = root ? tree->GetItemText(root) : std::string();
  if (!EqualNoCase(rootText, "Simulation") && !EqualNoCase(rootText, "Custom Modeling")) return;
  CCustomModelingProperties sheet("Custom Modeling Properties", GetOwner());
  const INT_PTR result = sheet.DoModal();
  if (result == -1) {
    AfxMessageBox("Dialog box could not be created!");
    return;
  }
  CRBaseApp* app = CRBaseApp::GetApp();
  if (result == IDOK && app && app->IsLibraryToolbarPresent()) app->UpdateLibraryToolbar(QV_LIBTOOLBAR_REFRESH);
}

void CQVEOTypesFolder::Export() {
  std::string path;
  if (ChooseExportFile(LoadStringOrEmpty(IDS_CUSTOM_MODELING), path)) ExportLibraryTo(path);
}

int CQVEOTypesFolder::ExportForRmplzCustMod(const std::string& path, std::string& written) {
  std::string directory = Trimmed(path);
  const std::size_t slash = directory.find_last_of("/\\");
  directory = slash == std::string::npos ? std::string() : directory.substr(0, slash + 1);
  written = directory + kExportFileName;
  return ExportLibraryTo(written);
}
