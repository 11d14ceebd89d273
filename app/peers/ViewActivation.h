// A click in a pane makes it the active pane of its splitters and the active
// view of its frame, as a mouse activation does, before the click itself.
#pragma once

#include "platform/Types.h"

void ActivateViewForClick(HWND view);
