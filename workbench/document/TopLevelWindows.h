// Every top-level window of the program, known from window creation, so that
// a registered message can be sent to all of them and their frames.
#pragma once

#include <vector>

#include "platform/Window.h"

// Starts watching window creation (once per process; later calls do nothing).
void WatchTopLevelWindows();
// The live windows without a parent, the main window first.
std::vector<CWnd*> TopLevelWindows();
// Sends message to every top-level window and to every frame inside them;
// returns how many windows received it.
int BroadcastToWindows(UINT message, WPARAM wParam, LPARAM lParam);
