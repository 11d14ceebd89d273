#include "explorer/nodes/library/ModelPaste.h"

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "host/store/IFFolderCollection.h"

namespace {

int Clone(IFType* source, IFType* paletteOwner, bool move, bool structure, CComPtr<IFTypeDesc>& copy) {
  if (structure) return CQVExplorer::CloneGlobalStructureType(source, paletteOwner, move, &copy);
  return CQVExplorer::CloneModel(source, paletteOwner, move, &copy, 0);
}

// Moves item into target.folder from whichever home folder holds it.
int MoveIntoFolder(IFType* paletteOwner, IFDesc* item, const ModelPasteTarget& target) {
  for (const char* home : ModelHomeFolders(target.structure))
    if (CQVExplorer::MovetoFolder(paletteOwner, home, target.folder, item)) return 1;
  return 0;
}

int CopyInto(const COwnerNotifier& notify, IFType* source, IFType* paletteOwner, bool move,
             const ModelPasteTarget& target) {
  CComPtr<IFTypeDesc> copy;
  if (!Clone(source, paletteOwner, move, target.structure, copy) || !copy) return 0;
  // The copy stays in the kind's folder when it cannot go into the target folder.
  if (target.folder) MoveIntoFolder(paletteOwner, copy, target);
  notify.NewObject(type_access::TypeOf(copy), *target.announceAs);
  return 1;
}

}  // namespace

CComPtr<IFFolder> PaletteKindFolder(IFType* paletteOwner, const char* name) {
  CComPtr<IFTypeTable> table = type_access::TableOf(type_access::PaletteOf(paletteOwner));
  CComPtr<IFFolderCollection> folders;
  CComPtr<IFFolder> folder;
  if (table && SUCCEEDED(table->GetFolderCollection(&folders)) && folders) folders->GetFolder(name, false, &folder);
  return folder;
}

std::vector<const char*> ModelHomeFolders(bool structure) {
  // Structure types placed in a user folder sit below "BlockTypeFolder".
  if (structure) return {"StructureTypeFolder", "BlockTypeFolder"};
  return {"BlockTypeFolder"};
}

int PasteModel(CExplorerObject& node, IFType* source, IFType* paletteOwner, DWORD dropEffect,
               const ModelPasteTarget& target) {
  if (!source || !paletteOwner || !(dropEffect & (DROPEFFECT_COPY | DROPEFFECT_MOVE))) return 0;
  const bool move = (dropEffect & DROPEFFECT_MOVE) != 0;
  // The node is not touched once the host has changed: its Explorer may have rebuilt it.
  const COwnerNotifier notify(node);
  if (dropEffect & DROPEFFECT_COPY) return CopyInto(notify, source, paletteOwner, move, target);

  CComPtr<IFTypeDesc> desc = type_access::DescriptorOf(source);
  if (type_access::HeldBy(desc, type_access::PaletteOf(paletteOwner))) {
    if (!MoveIntoFolder(paletteOwner, desc, target)) return 0;
    notify.MovedObject(type_access::NameOf(source), *target.announceAs);
    return 1;
  }
  // From another library: the type is copied here and deleted there.
  if (!CQVExplorer::CheckTypeMove(source, paletteOwner)) return 0;
  return CopyInto(notify, source, paletteOwner, true, target);
}
