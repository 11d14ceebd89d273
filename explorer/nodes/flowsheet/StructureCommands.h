// The commands a global structure and a structures container share: explore,
// copy and cut through the host's structure interface, delete and rename.
#pragma once

#include "explorer/core/ExplorerObject.h"

// Carries out id for node, standing for instance; false for any other id.
bool DoStructureCommand(CExplorerObject& node, IFInstance* instance, UINT id);
