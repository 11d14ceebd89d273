// Keeps the platform's focus where Qt's is: when a peer's widget takes the
// keyboard focus, its window gets the platform focus (with the focus
// messages the window's code expects).
#pragma once

#include "platform/Types.h"

class QWidget;

// Installs the follower on widget (it goes with the widget).
void FollowFocus(QWidget* widget, HWND window);
