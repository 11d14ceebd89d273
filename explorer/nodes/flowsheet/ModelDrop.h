// A model dropped on the flowsheet (from a Models folder or the Model
// Libraries palette) becomes a block of that model, added through the host
// under a name made from the model's. The new block's label is then opened
// for editing in the Explorer that took the drop, so the user may name it at
// once.
#pragma once

#include "explorer/core/ExplorerObject.h"

namespace model_drop {

// The drop effect over a flowsheet or hierarchy for data carrying a block or
// controller type (never a stream type): copy, else none.
DWORD EffectOver(const COleDataObject* data);
// Adds a block of the model data carries to the flowsheet or hierarchy
// instance. target is the node dropped on (it may be deleted while the panes
// follow the change). True when a block was added.
bool AddBlock(CExplorerObject& target, IFInstance* flowsheet, const COleDataObject& data);

}  // namespace model_drop
