#include "explorer/nodes/library/QVEOLibrary.h"

#include <memory>

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/QVFileObjectPropertySheet.h"
#include "explorer/nodes/library/ChildNodes.h"
#include "explorer/packaging/ExplorerHelperFileDialog.h"
#include "explorer/packaging/KTRFileDialog.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRBaseApp.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

constexpr const char* kLibraryFilter = "Kestrane Language(*.ktrf)|*.ktrf||";
constexpr const char* kCloseDisabled = "Close library current disabled.";

const UINT kColumnTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};
const EOAspect kRowAspects[] = {EOAspectType, EOAspectStatus};

}  // namespace

CQVEOLibrary::CQVEOLibrary(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner, int)
    : CQVEOTypeContainer(instance, exclusionList, IDI_OPEN_LIBRARY, IDI_LIBRARY, owner, 1) {}

const GUID& CQVEOLibrary::ClassID() { return CLSID_QVEOLibrary; }

int CQVEOLibrary::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_LIBRARY);
  return !name.empty();
}

CExplorerObject* CQVEOLibrary::Clone() { return new CQVEOLibrary(GetType(), m_pExclusionList, GetOwner()); }

std::string CQVEOLibrary::GetFileLeafName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string leaf = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = leaf.rfind('.');
  return dot == std::string::npos ? std::string() : leaf.substr(0, dot);
}

int CQVEOLibrary::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectType) return GetClassName(text);
  if (aspect != EOAspectName) return 0;
  std::string path;
  if (!m_pRoot || FAILED(m_pRoot->GetFileName(path))) return 0;
  text = GetFileLeafName(path);
  return !text.empty();
}

int CQVEOLibrary::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  if (!m_bReadOnly) {
    build.AddSeparator();
    build.Add(ID_EXPLORER_REBUILD, IDS_MENU_REBUILD);
  }
  build.AddSeparator();
  build.Add(ID_EXPLORER_EXPORT, IDS_MENU_EXPORT);
  build.AddSeparator();
  build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
  return 1;
}

int CQVEOLibrary::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_EXPLORE:
    case ID_EXPLORER_INSERT:
    case ID_EXPLORER_CLOSE_LIBRARY: return 1;
    case ID_EXPLORER_PASTE: return !m_bReadOnly && ClipboardHoldsPastableType();
    case ID_EXPLORER_EXPORT: return CanExport();
    case ID_EXPLORER_REBUILD: return !m_bReadOnly;
    default: return 0;
  }
}

void CQVEOLibrary::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES: ShowProperties(); break;
    case ID_EXPLORER_EXPLORE: Explore(); break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT: MessageBeep(0); break;
    case ID_EXPLORER_PASTE: PasteFromClipboard(); break;
    case ID_EXPLORER_EXPORT: Export(); break;
    case ID_EXPLORER_CLOSE_LIBRARY:
      CQVExplorer::ShowMessage(kCloseDisabled, kExplorerCaption, MB_ICONEXCLAMATION);
      break;
    case ID_EXPLORER_REBUILD: ReBuild(); break;
    default: break;
  }
}

void CQVEOLibrary::ShowProperties() {
  std::string path;
  if (m_pRoot) m_pRoot->GetFileName(path);
  CQVFileObjectPropertySheet sheet(LoadStringOrEmpty(IDS_LIBRARY_PROPERTIES), path);
  sheet.DoModal();
}

void CQVEOLibrary::Export() {
  CRBaseApp* app = CRBaseApp::GetApp();
  CKTRFileDialog dialog(false, app ? app->GetDefaultExtension() : std::string(), LoadStringOrEmpty(IDS_LIBRARY),
                        OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kLibraryFilter);
  dialog.m_ofn.lpstrTitle = kExportCaption;
  if (dialog.DoModal() == IDOK) ExportLibraryTo(dialog.GetPathName());
}

template <class Visit>
void CQVEOLibrary::ForEachUsedLibrary(Visit visit) {
  if (IsExcluded(CLSID_QVEOLibrary)) return;
  CComPtr<IEnum<IFInstance>> libraries;
  if (!m_pRoot || FAILED(m_pRoot->EnumLibraries(&libraries)) || !libraries) return;
  CComPtr<IFInstance> element;
  while (libraries->Next(&element) == S_OK && element) {
    CComPtr<IFInstance> library = type_access::InstanceOf(type_access::TypeOf(element));
    if (!library) continue;
    auto node = std::make_unique<CQVEOLibrary>(library, m_pExclusionList, GetOwner());
    std::string name;
    node->GetDisplayText(EOAspectName, name);
    visit(std::move(node), name);
  }
}

void CQVEOLibrary::InsertUsedLibraries(CTreeCtrl& tree, HTREEITEM item) {
  ForEachUsedLibrary([&](std::unique_ptr<CQVEOLibrary> node, const std::string& name) {
    if (name != "syslib.dsl" && name != "SystemLibrary") library_nodes::InsertInTree(tree, item, node.release());
  });
}

void CQVEOLibrary::AddUsedLibraries(CListCtrl& list) {
  ForEachUsedLibrary([&](std::unique_ptr<CQVEOLibrary> node, const std::string& name) {
    if (name != "syslib.dsl") library_nodes::AddRow(list, node.release(), kRowAspects, 2);
  });
}
