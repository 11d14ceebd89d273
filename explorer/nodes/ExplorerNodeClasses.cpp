#include "explorer/nodes/ExplorerNodeClasses.h"

#include "explorer/nodes/library/QVEOUserFolder.h"
#include "explorer/window/ExplorerNodeExtensions.h"

void RegisterExplorerNodeClasses() { CExplorerDirectMakers::userFolder = &CQVEOUserFolder::Make; }
