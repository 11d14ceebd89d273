// Pictures of the main window's toolbar buttons: the four view styles of the
// contents pane, Refresh and Options.
#pragma once

#include <QIcon>

#include "platform/Types.h"

// The picture for a toolbar command; a null icon for a command without one.
QIcon ToolbarPicture(UINT command);
