// The Add entries that make no type: user folders, component lists, and
// "Open Library", which brings a library file into the document.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/ExplorerComponentListName.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/packaging/ExplorerFileDialog.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "host/services/IQVPhysicalProperties.h"
#include "host/store/IFRoot.h"
#include "host/store/IFTypePalette.h"
#include "host/store/TypeFlags.h"
#include "platform/FileDialog.h"
#include "platform/TextCompare.h"

namespace {

constexpr DWORD kShowHelp = 0x00000010;  // the file dialog shows its Help button

// The sub-folder folderName of the root folder of the instance's palette.
CComPtr<IFFolder> PaletteFolder(IFInstance* instance, const std::string& folderName) {
  if (!instance || folderName.empty()) return nullptr;
  CComPtr<IFType> type;
  if (FAILED(instance->GetType(&type)) || !type) return nullptr;
  CComPtr<IFFolder> root = ComQuery<IFFolder>(type_access::PaletteOf(type));
  CComPtr<IFFolder> folder;
  if (!root || FAILED(root->FindFolder(folderName, &folder))) return nullptr;
  return folder;
}

CComPtr<IFRoot> DocumentLibraryRoot() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IUnknown> root;
  if (!document || FAILED(document->GetRootModel(&root))) return nullptr;
  return ComQuery<IFRoot>(root);
}

// The library among the root's libraries read from path (case ignored).
CComPtr<IFType> LibraryReadFrom(IFRoot* root, const std::string& path) {
  CComPtr<IEnum<IFInstance>> libraries;
  if (FAILED(root->EnumLibraries(&libraries)) || !libraries) return nullptr;
  for (CComPtr<IFInstance> library; libraries->Next(&library) == S_OK; library.Release()) {
    CComPtr<IFType> type = type_access::TypeOf(library);
    CComPtr<IFRoot> file = ComQuery<IFRoot>(type);
    std::string fileName;
    if (file && SUCCEEDED(file->GetFileName(fileName)) && CompareNoCase(fileName, path) == 0) return type;
  }
  return nullptr;
}

}  // namespace

// ---- user folders

CQVEOAddUserFolder::CQVEOAddUserFolder(IFInstance* instance, CWnd* owner, IFFolder* parentFolder)
    : CQVEOAddEntry(instance, IDS_ADD_FOLDER, IDI_ADD_FOLDER, owner), m_pParentFolder(parentFolder) {}

CQVEOAddUserFolder::CQVEOAddUserFolder(IFInstance* instance, CWnd* owner, const std::string& folderName)
    : CQVEOAddEntry(instance, IDS_ADD_FOLDER, IDI_ADD_FOLDER, owner),
      m_pParentFolder(PaletteFolder(instance, folderName)) {}

const GUID& CQVEOAddUserFolder::ClassID() { return CLSID_QVEOAddUserFolder; }
CExplorerObject* CQVEOAddUserFolder::Clone() {
  return new CQVEOAddUserFolder(GetInstance(), GetOwner(), m_pParentFolder.Get());
}

void CQVEOAddUserFolder::Create() { CreateUserFolder(); }

void CQVEOAddUserFolder::CreateUserFolder() {
  if (!m_pParentFolder) return;
  CComPtr<IFFolder> folder;
  bool made =
      AskUntilAccepted<CQVExplorerObjectNameDialog>(IDS_CREATE_FOLDER, [&](CQVExplorerObjectNameDialog& dialog) {
        CQVExplorer::SetName(dialog.m_strName);
        folder = nullptr;
        if (SUCCEEDED(m_pParentFolder->CreateFolder(dialog.m_strName, FF_USER_FOLDER, &folder)) && folder) {
          CQVExplorer::SetName("");
          return true;
        }
        CQVExplorer::DisplayMessage(IDS_FOLDER_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
        return false;
      });
  if (!made) return;
  for (const char* kindFolder : {"BlockTypeFolder", "StructureTypeFolder"}) {
    CComPtr<IFFolder> sub;
    folder->CreateFolder(kindFolder, FF_USER_FOLDER, &sub);
  }
  const std::string classId = CLSID_QVEOUserFolder.ToString();
  SendToOwner(EXPLORER_OBJECT_ADDED, reinterpret_cast<WPARAM>(classId.c_str()), reinterpret_cast<LPARAM>(folder.Get()));
}

// ---- component lists

CQVEOAddComponentList::CQVEOAddComponentList(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_ADD_COMPONENT_LIST, IDI_ADD_COMPONENT_LIST, owner) {}
const GUID& CQVEOAddComponentList::ClassID() { return CLSID_QVEOAddComponentList; }
CExplorerObject* CQVEOAddComponentList::Clone() { return new CQVEOAddComponentList(GetInstance(), GetOwner()); }

void CQVEOAddComponentList::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IQVPhysicalProperties> properties;
  if (!document || FAILED(document->GetProperties(&properties)) || !properties) return;
  bool made = AskUntilAccepted<CQVExplorerComponentListName>(
      IDS_CREATE_COMPONENT_LIST, [&](CQVExplorerComponentListName& dialog) {
        CQVExplorer::SetName(dialog.m_strName);
        if (SUCCEEDED(properties->CreateComponentList(dialog.m_strName, dialog.m_nChoice == 1))) {
          CQVExplorer::SetName("");
          return true;
        }
        CQVExplorer::DisplayMessage(IDS_COMPONENT_LIST_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
        return false;
      });
  if (made) notify.Post(EXPLORER_OBJECT_ADDED);
}

// ---- "Open Library"

CQVEOAddLibrary::CQVEOAddLibrary(IFInstance* instance, CWnd* owner)
    : CQVEOAddEntry(instance, IDS_OPEN_LIBRARY, IDI_OPEN_LIBRARY_FILE, owner) {}
const GUID& CQVEOAddLibrary::ClassID() { return CLSID_QVEOAddLibrary; }
CExplorerObject* CQVEOAddLibrary::Clone() { return new CQVEOAddLibrary(GetInstance(), GetOwner()); }

void CQVEOAddLibrary::Create() {
  const COwnerNotifier notify(*this);  // the host may rebuild the panes and delete this entry
  CRBaseApp* app = CRBaseApp::GetApp();
  CComPtr<IFRoot> root = DocumentLibraryRoot();
  if (!app || !root) return;
  CExplorerFileDialog dialog(true, app->GetDefaultExtension(), "",
                             OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | kShowHelp | OFN_OVERWRITEPROMPT,
                             app->GetLibraryFilter() + "|");
  if (dialog.DoModal() != IDOK) return;
  const std::string path = dialog.GetPathName();
  CComPtr<IFInstance> opened;
  if (FAILED(root->OpenLibrary(path, &opened))) {
    CQVExplorer::DisplayMessage(IDS_LIBRARY_NOT_OPENED, 0, MB_ICONEXCLAMATION, nullptr);
    return;
  }
  CComPtr<IFType> library = LibraryReadFrom(root, path);
  if (!library) return;
  app->UpdateLibraryToolbar(QV_LIBTOOLBAR_LIBRARY_CHANGE_STARTS);
  notify.NewObject(library, CLSID_QVEOLibrary);
  app->UpdateLibraryToolbar(QV_LIBTOOLBAR_LIBRARY_CHANGE_ENDS);
}
