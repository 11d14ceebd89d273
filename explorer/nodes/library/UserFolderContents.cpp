#include "explorer/nodes/library/UserFolderContents.h"

#include <string>
#include <vector>

#include "explorer/core/TypeAccess.h"
#include "host/store/IFTypeDesc.h"
#include "platform/TextCompare.h"

namespace {

std::string NameOf(IFFolder* folder) {
  std::string name;
  if (folder) folder->GetName(name);
  return name;
}

CComPtr<IFFolder> SubFolder(IFFolder* folder, const char* name) {
  CComPtr<IFFolder> sub;
  if (FAILED(folder->FindFolder(name, &sub))) sub.Release();
  return sub;
}

bool HoldsType(IFFolder* folder) {
  CComPtr<IEnum<IFTypeDesc>> types;
  CComPtr<IFTypeDesc> first;
  return folder && SUCCEEDED(folder->EnumTypes(&types)) && types && types->Next(&first) == S_OK && first;
}

std::vector<CComPtr<IFFolder>> SubFolders(IFFolder* folder) {
  std::vector<CComPtr<IFFolder>> folders;
  CComPtr<IEnum<IFFolder>> walk;
  if (!folder || FAILED(folder->EnumFolders(&walk)) || !walk) return folders;
  CComPtr<IFFolder> sub;
  while (walk->Next(&sub) == S_OK && sub) folders.push_back(std::move(sub));
  return folders;
}

std::vector<CComPtr<IFTypeDesc>> TypesIn(IFFolder* folder) {
  std::vector<CComPtr<IFTypeDesc>> found;
  CComPtr<IEnum<IFTypeDesc>> walk;
  if (!folder || FAILED(folder->EnumTypes(&walk)) || !walk) return found;
  CComPtr<IFTypeDesc> desc;
  while (walk->Next(&desc) == S_OK && desc) found.push_back(std::move(desc));
  return found;
}

// Deletes one type from the palette that holds it; the folder forgets it with it.
bool DeleteType(IFFolder* folder, IFTypeDesc* desc) {
  std::string name;
  CComPtr<IFTypePalette> palette;
  if (FAILED(desc->GetName(name)) || FAILED(desc->GetPalette(&palette)) || !palette) return false;
  CComPtr<IFTypeTable> table = type_access::TableOf(palette);
  if (!table || FAILED(table->DeleteType(name))) return false;
  CComPtr<IFDesc> left;
  if (SUCCEEDED(folder->FindItem(name, &left)) && left) folder->RemoveItem(name);
  return true;
}

}  // namespace

bool IsKindSubFolder(const std::string& name) {
  return EqualNoCase(name, "BlockTypeFolder") || EqualNoCase(name, "StructureTypeFolder");
}

bool FolderHasContents(IFFolder* folder) {
  if (!folder || IsKindSubFolder(NameOf(folder))) return false;
  // Types may sit directly in the folder or in either kind sub-folder; all three are looked at.
  if (HoldsType(folder) || HoldsType(SubFolder(folder, "BlockTypeFolder")) ||
      HoldsType(SubFolder(folder, "StructureTypeFolder")))
    return true;
  for (const CComPtr<IFFolder>& sub : SubFolders(folder))
    if (FolderHasContents(sub)) return true;
  return false;
}

bool DeleteFolderContents(IFFolder* folder) {
  if (!folder) return false;
  bool all = true;
  for (const CComPtr<IFTypeDesc>& desc : TypesIn(folder))
    if (!DeleteType(folder, desc)) all = false;
  for (const CComPtr<IFFolder>& sub : SubFolders(folder))
    if (!DeleteFolderContents(sub)) all = false;
  return all;
}

bool RemoveFolderTree(IFFolder* folder) {
  if (!folder) return false;
  for (const CComPtr<IFFolder>& sub : SubFolders(folder)) RemoveFolderTree(sub);
  CComPtr<IFFolder> parent;
  if (FAILED(folder->GetParent(&parent)) || !parent) return false;
  return SUCCEEDED(parent->RemoveFolder(NameOf(folder)));
}
