#include "explorer/nodes/library/CompiledFolderStatus.h"

#include <vector>

#include "explorer/core/ExplorerObject.h"
#include "explorer/resources/StringIds.h"
#include "host/com/ComPtr.h"
#include "host/store/IFFolder.h"
#include "host/store/IFFolderCollection.h"
#include "host/store/IFTypeDesc.h"
#include "host/store/IFTypePalette.h"
#include "host/store/IFTypeTable.h"
#include "host/store/TypeFlags.h"

namespace {

CComPtr<IFFolder> CompiledFolderOf(IFTypePalette* palette, const std::string& folderName) {
  CComPtr<IFTypeTable> table;
  CComPtr<IFFolderCollection> folders;
  CComPtr<IFFolder> folder;
  if (FAILED(palette->GetTypeTable(&table)) || !table || FAILED(table->GetFolderCollection(&folders)) || !folders ||
      FAILED(folders->GetFolder(folderName, false, &folder)))
    folder.Release();
  return folder;
}

// The folders found while a CCompiledFolderLookups is in scope (a missing
// folder is remembered as null).
struct RememberedFolder {
  CComPtr<IFTypePalette> palette;
  std::string folderName;
  CComPtr<IFFolder> folder;
};
bool g_remembering = false;
std::vector<RememberedFolder>& RememberedFolders() {
  static std::vector<RememberedFolder> folders;
  return folders;
}

CComPtr<IFFolder> LookUpCompiledFolder(IFTypePalette* palette, const std::string& folderName) {
  if (!g_remembering) return CompiledFolderOf(palette, folderName);
  for (const RememberedFolder& known : RememberedFolders())
    if (known.palette.Get() == palette && known.folderName == folderName) return known.folder;
  CComPtr<IFFolder> folder = CompiledFolderOf(palette, folderName);
  RememberedFolders().push_back({palette, folderName, folder});
  return folder;
}

}  // namespace

CCompiledFolderLookups::CCompiledFolderLookups() : m_outermost(!g_remembering) { g_remembering = true; }

CCompiledFolderLookups::~CCompiledFolderLookups() {
  if (!m_outermost) return;
  g_remembering = false;
  RememberedFolders().clear();
}

bool IsListedInCompiledFolder(IFTypeDesc* desc, const std::string& folderName, const std::string& name) {
  if (!desc || name.empty()) return false;
  CComPtr<IFTypePalette> palette;
  if (FAILED(desc->GetPalette(&palette)) || !palette) return false;
  CComPtr<IFFolder> folder = LookUpCompiledFolder(palette, folderName);
  CComPtr<IFDesc> item;
  return folder && SUCCEEDED(folder->FindItem(name, &item)) && item;
}

void ComputeCompiledFolderStatus(IFTypeDesc* desc, const std::string& folderName, int& status, UINT& textId) {
  DWORD flags = 0;
  if (desc && SUCCEEDED(desc->GetFlags(&flags)) && (flags & (FT_SYSTEM | FT_BUILTIN))) {
    status = EO_STATUS_SYSTEM;
    textId = IDS_SYSTEM;
    return;
  }
  std::string name;
  const bool listed = desc && SUCCEEDED(desc->GetName(name)) && IsListedInCompiledFolder(desc, folderName, name);
  textId = listed ? IDS_NOT_OK : IDS_OK;
  if (status != EO_STATUS_SYSTEM) status = listed ? EO_STATUS_NOT_OK : EO_STATUS_OK;
}
