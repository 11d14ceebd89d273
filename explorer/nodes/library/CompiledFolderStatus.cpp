#include "explorer/nodes/library/CompiledFolderStatus.h"

#include "explorer/core/ExplorerObject.h"
#include "host/com/ComPtr.h"
#include "host/store/IFFolder.h"
#include "host/store/IFFolderCollection.h"
#include "host/store/IFTypeDesc.h"
#include "host/store/IFTypePalette.h"
#include "host/store/IFTypeTable.h"
#include "host/store/TypeFlags.h"

bool IsListedInCompiledFolder(IFTypeDesc* desc, const std::string& folderName, const std::string& name) {
  if (!desc || name.empty()) return false;
  CComPtr<IFTypePalette> palette;
  CComPtr<IFTypeTable> table;
  CComPtr<IFFolderCollection> folders;
  CComPtr<IFFolder> folder;
  if (FAILED(desc->GetPalette(&palette)) || !palette || FAILED(palette->GetTypeTable(&table)) || !table ||
      FAILED(table->GetFolderCollection(&folders)) || !folders || FAILED(folders->GetFolder(folderName, false, &folder)) ||
      !folder)
    return false;
  CComPtr<IFDesc> item;
  return SUCCEEDED(folder->FindItem(name, &item)) && item;
}

void ComputeCompiledFolderStatus(IFTypeDesc* desc, const std::string& folderName, int& status, UINT& textId) {
  DWORD flags = 0;
  if (desc && SUCCEEDED(desc->GetFlags(&flags)) && (flags & (FT_SYSTEM | FT_BUILTIN))) {
    status = EO_STATUS_SYSTEM;
    textId = kStatusSystemTextId;
    return;
  }
  std::string name;
  const bool listed = desc && SUCCEEDED(desc->GetName(name)) && IsListedInCompiledFolder(desc, folderName, name);
  textId = listed ? kStatusNotOkTextId : kStatusOkTextId;
  if (status != EO_STATUS_SYSTEM) status = listed ? EO_STATUS_NOT_OK : EO_STATUS_OK;
}
