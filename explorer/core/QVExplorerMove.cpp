// Moving types: may a type move into another palette, and moving an item
// between the folders of one palette.
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/resources/StringIds.h"
#include "host/store/IFFolderCollection.h"

namespace {

bool InUse(IFTypeTable* table, const std::string& name) {
  bool inUse = false;
  return table && SUCCEEDED(table->IsTypeInUse(name, &inUse)) && inUse;
}

int Refuse(UINT messageId) {
  CQVExplorer::DisplayMessage(messageId, 0, MB_ICONEXCLAMATION, nullptr);
  return 0;
}

std::string ItemName(IFDesc* item) {
  std::string name;
  if (item) item->GetName(name);
  return name;
}

}  // namespace

int CQVExplorer::CheckTypeMove(IFType* source, IFType* destination) {
  if (!source || !destination) return 0;
  const std::string name = type_access::NameOf(source);
  CComPtr<IFTypeTable> sourceTable = type_access::TableOf(type_access::HoldingPaletteOf(source));
  if (InUse(sourceTable, name)) return Refuse(IDS_MOVE_SOURCE_IN_USE);
  CComPtr<IFTypePalette> palette = type_access::PaletteOf(destination);
  CComPtr<IFTypeDesc> found = type_access::Find(palette, name);
  if (!found) return 1;
  if (!type_access::HeldBy(found, palette)) return 1;  // seen through a used library: nothing is replaced
  if (IsSameObject(found, type_access::DescriptorOf(source))) return Refuse(IDS_MOVE_ONTO_ITSELF);
  if (InUse(type_access::TableOf(palette), name)) return Refuse(IDS_MOVE_DESTINATION_IN_USE);
  // The definition of the same name is replaced by the moving copy, once that copy exists.
  return 1;
}

int CQVExplorer::RemoveItemFromFolder(IFFolder* folder, IFDesc* item) {
  if (!folder || !item) return 0;
  const std::string name = ItemName(item);
  CComPtr<IFDesc> held;
  if (SUCCEEDED(folder->FindItem(name, &held)) && held) return SUCCEEDED(folder->RemoveItem(name)) ? 1 : 0;
  CComPtr<IEnum<IFFolder>> folders;
  if (FAILED(folder->EnumFolders(&folders)) || !folders) return 0;
  CComPtr<IFFolder> child;
  while (folders->Next(&child) == S_OK && child) {
    if (RemoveItemFromFolder(child, item)) return 1;
  }
  return 0;
}

int CQVExplorer::MovetoFolder(IFType* paletteOwner, const std::string& kindFolderName, IFFolder* target,
                              IFDesc* item) {
  if (!item) return 0;
  CComPtr<IFTypeTable> table = type_access::TableOf(type_access::PaletteOf(paletteOwner));
  CComPtr<IFFolderCollection> folders;
  CComPtr<IFFolder> kindFolder;
  if (!table || FAILED(table->GetFolderCollection(&folders)) || !folders ||
      FAILED(folders->GetFolder(kindFolderName, false, &kindFolder)) || !kindFolder)
    return 0;
  CComPtr<IFFolder> destination(target ? target : kindFolder.Get());
  CComPtr<IFDesc> already;
  if (SUCCEEDED(destination->FindItem(ItemName(item), &already)) && already) return 0;
  if (!RemoveItemFromFolder(kindFolder, item)) return 0;
  if (SUCCEEDED(destination->AddItem(item))) return 1;
  // Never leave the item in no folder at all: it goes back to the kind folder.
  if (destination.Get() != kindFolder.Get()) kindFolder->AddItem(item);
  return 0;
}
