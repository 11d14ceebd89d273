// A picture for every icon the program shows: resource icons are drawn from
// the name of what they stand for ("Model", "Open library", "Add task",
// "Error mark overlay"), host icons from the pixels the host gave.
#pragma once

#include <string>

#include <QPixmap>

#include "platform/Types.h"

// True when name has a drawing of its own (otherwise a lettered page stands in).
bool IconNameHasPicture(const std::string& name);

// The picture for name at size x size pixels.
QPixmap IconPictureForName(const std::string& name, int size);

// The picture of icon at size x size pixels: the host's pixels for that size
// when it gave them (scaled from the other size otherwise), else the drawing
// for its name. A null pixmap for a null or unknown handle.
QPixmap IconPicture(HICON icon, int size);
