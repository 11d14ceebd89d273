// Opening a further Explorer on a group, torn group or equivalence found from
// a variable: placed 30 pixels right of and below the pane that shows the
// variable, rooted at the target, and asked to select the variable there.
#pragma once

#include <string>

#include "platform/Guid.h"

class CExplorerObject;
struct IUnknown;

void OpenDiagnosticsExplorer(CExplorerObject& from, REFGUID rootClass, IUnknown* target,
                             const std::string& selectName, int selectEquivalence);
