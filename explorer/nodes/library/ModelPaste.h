// Pasting or dropping a model or a structure type onto a node that keeps
// models in a folder of its palette (the models folder, the structure types
// folder, a user folder). A copy is made in the palette and moved into the
// target folder; a move of a type the palette already holds only changes its
// folder; a move from another palette is a checked copy that deletes the source.
// A copy is announced as a new object, a move inside the palette as a moved one.
#pragma once

#include <vector>

#include "host/com/ComPtr.h"
#include "host/store/IFFolder.h"
#include "host/store/IFType.h"
#include "platform/Guid.h"

class CExplorerObject;

struct ModelPasteTarget {
  bool structure;          // a global structure type rather than a model
  IFFolder* folder;        // the folder the type goes into; null: the kind's own folder
  const GUID* announceAs;  // the node class of the new or moved type
};

// The palette's folder called name ("StructureTypeFolder"...), or null.
CComPtr<IFFolder> PaletteKindFolder(IFType* paletteOwner, const char* name);
// The palette folders a type of that sort may sit in before it moves, in the order they are tried.
std::vector<const char*> ModelHomeFolders(bool structure);

// True when a type was copied or moved.
int PasteModel(CExplorerObject& node, IFType* source, IFType* paletteOwner, DWORD dropEffect,
               const ModelPasteTarget& target);
