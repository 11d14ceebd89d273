// How streams can be drawn: the eight line styles (numbered 1 to 8) and the
// seventeen palette colours (indexes 0 to 16) that the stream-type page offers.
#pragma once

#include "platform/Draw.h"

inline constexpr int kStreamLineStyleCount = 8;
inline constexpr int kStreamColourCount = 17;
inline constexpr int kPaletteBlack = 0;
inline constexpr int kPaletteSilver = 7;
inline constexpr int kPaletteWhite = 15;

struct StreamLineStyle {
  int penStyle = PS_SOLID;
  int width = 1;
};

// Style number 1 to 8; any other number draws as style 1 (solid, 1 wide).
StreamLineStyle StreamLineStyleOf(int styleNumber);
// Palette colour 0 to 16 as a palette-relative colour; any other index gives black.
COLORREF StreamPaletteColour(int index);
