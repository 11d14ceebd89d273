// The container behind a node pointer: the node when it says it is a
// container (IsContainer), otherwise none.
#pragma once

#include "explorer/core/ExplorerContainerObject.h"

inline CExplorerContainerObject* AsContainer(CExplorerObject* node) {
  return node && node->IsContainer() ? dynamic_cast<CExplorerContainerObject*>(node) : nullptr;
}
