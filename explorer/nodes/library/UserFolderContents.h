// What a user folder holds and how it is emptied. A user folder keeps its
// models and structure types either directly or in its sub-folders named
// "BlockTypeFolder" and "StructureTypeFolder"; a folder of one of those names
// counts as empty in itself. Types are removed from the palette that holds
// them, so a type still in use stays where it is.
#pragma once

#include "host/store/IFFolder.h"

// True when user folder or any folder below it holds a type.
bool FolderHasContents(IFFolder* folder);
// Removes every type held in folder and below it from its palette. True only
// when nothing is left; whatever could not be removed stays.
bool DeleteFolderContents(IFFolder* folder);
// Removes folder, and the empty folders below it, from its parent. True when it is gone.
bool RemoveFolderTree(IFFolder* folder);
// Whether a sub-folder of a user folder holds its types rather than being a folder of its own.
bool IsKindSubFolder(const std::string& name);
