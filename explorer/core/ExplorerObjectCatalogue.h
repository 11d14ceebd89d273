// The catalogue of node classes an Explorer may hide, as the program ships it:
// registry-export text for the local machine's "Explorer Objects" key, one
// string value per class (named after the class, holding its identifier).
#pragma once

#include <string>
#include <vector>

#include "platform/Guid.h"

struct ExcludableClass {
  const char* name;  // the value name
  const GUID* classId;
};

// The classes offered in the view options, in catalogue order.
const std::vector<ExcludableClass>& ExcludableNodeClasses();
// The catalogue in registry-export form under the local-machine root.
std::string ExplorerObjectCatalogueText();
