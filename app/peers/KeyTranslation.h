// Keys and buttons as the platform names them: Qt key events become virtual
// keys, modifiers become the keyboard state GetKeyState reports, buttons and
// modifiers become the key state of a drag.
#pragma once

#include <Qt>

#include "platform/Types.h"

class QKeyEvent;

// The virtual key of a key event; 0 for a key the platform has no name for.
UINT VirtualKeyOf(const QKeyEvent& event);

// Makes the platform's keyboard state say which modifiers are held.
void SetPlatformModifiers(Qt::KeyboardModifiers modifiers);

// MK_ bits for buttons and modifiers; rightDrag adds MK_RBUTTON (a drag that
// started with the right button keeps it although Qt may not report it).
DWORD KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, bool rightDrag = false);
