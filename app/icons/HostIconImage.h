// Pictures the host supplies as pixels (RGBA words, 0xAARRGGBB, row by row).
#pragma once

#include <QImage>

#include "platform/Resources.h"

// The image, or a null image when the pixels do not fill width x height.
QImage ImageFromHostPixels(const IconImage& image);
