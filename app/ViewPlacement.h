// Where the desktop program puts a window the host opens without a placement
// of its own (a further Explorer from "Explore" or Tools > Explorer): a
// comfortable size within the area of child windows, a title bar below and
// right of the active window so that both stay in sight; the first window
// fills the area.
#pragma once

#include <optional>

#include "host/framework/CorvaneViewContext.h"

class CMDIFrameWnd;

// Null when the area has no size yet (the window then sizes itself).
std::optional<CorvaneWindowPlacement> PlaceNewView(CMDIFrameWnd& main);
