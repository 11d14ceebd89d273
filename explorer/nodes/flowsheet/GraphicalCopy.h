// Copying and cutting a block, stream or hierarchy the way the flowsheet does
// (the host puts the unit on the clipboard). A cut removes the unit only once
// its copy is on the clipboard, so a failed copy loses nothing.
#pragma once

#include "host/store/IFInstance.h"

namespace graphical_copy {

// The host can copy and cut the unit (false when it offers no graphical copy at all).
bool CanCopyCut(IFInstance* unit);
// Copies the unit, and for a cut then removes it. False when nothing was done.
bool CopyOrCut(IFInstance* unit, bool cut);

// Copies or cuts a global structure or a structures container as the host's
// structure interface does it. False when nothing was done.
bool CopyOrCutStructure(IFInstance* structure, bool cut);

}  // namespace graphical_copy
