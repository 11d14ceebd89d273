#include "explorer/nodes/ExplorerNodeClasses.h"

#include "explorer/nodes/diagnostics/DiagnosticsOpenAt.h"
#include "explorer/nodes/diagnostics/QVEOEquivalence.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "explorer/nodes/diagnostics/QVEOTornGroup.h"
#include "explorer/nodes/library/QVEOUserFolder.h"
#include "explorer/packaging/InitializationScriptCommand.h"
#include "explorer/window/ExplorerNodeExtensions.h"

void RegisterExplorerNodeClasses() {
  CExplorerDirectMakers::userFolder = &CQVEOUserFolder::Make;
  CExplorerDirectMakers::group = &CQVEOGroup::MakeRoot;
  CExplorerDirectMakers::tornGroup = &CQVEOTornGroup::MakeRoot;
  CExplorerDirectMakers::equivalence = &CQVEOEquivalence::MakeRoot;
  CExplorerDirectMakers::openAt = &OpenDiagnosticsExplorerAt;
  CExplorerDirectMakers::frameTools = &CInitializationScriptCommand::Instance();
}
