// Opens a further Explorer rooted at a flowsheet unit or one of its folders:
// the unit travels as the request's instance, since units are not types the
// host could name by library and type.
#pragma once

#include "explorer/core/ExplorerObject.h"

void ExploreInstance(CExplorerObject& node, IFInstance* instance);
