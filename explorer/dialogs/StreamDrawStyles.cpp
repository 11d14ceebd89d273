#include "explorer/dialogs/StreamDrawStyles.h"

#include <array>

namespace {

constexpr std::array<StreamLineStyle, kStreamLineStyleCount> kLineStyles = {{
    {PS_SOLID, 1},
    {PS_DOT, 1},
    {PS_DASH, 1},
    {PS_DASHDOT, 1},
    {PS_SOLID, 2},
    {PS_SOLID, 3},
    {PS_SOLID, 4},
    {PS_SOLID, 7},
}};

constexpr std::array<COLORREF, kStreamColourCount> kPalette = {
    PALETTERGB(0, 0, 0),       PALETTERGB(0, 0, 128),     PALETTERGB(0, 128, 0),     PALETTERGB(0, 128, 128),
    PALETTERGB(128, 0, 0),     PALETTERGB(128, 0, 128),   PALETTERGB(128, 128, 0),   PALETTERGB(192, 192, 192),
    PALETTERGB(128, 128, 128), PALETTERGB(0, 0, 255),     PALETTERGB(0, 255, 0),     PALETTERGB(0, 255, 255),
    PALETTERGB(255, 0, 0),     PALETTERGB(255, 0, 255),   PALETTERGB(255, 255, 0),   PALETTERGB(255, 255, 255),
    PALETTERGB(235, 235, 235),
};

}  // namespace

StreamLineStyle StreamLineStyleOf(int styleNumber) {
  if (styleNumber < 1 || styleNumber > kStreamLineStyleCount) return kLineStyles[0];
  return kLineStyles[styleNumber - 1];
}

COLORREF StreamPaletteColour(int index) {
  if (index < 0 || index >= kStreamColourCount) return kPalette[kPaletteBlack];
  return kPalette[index];
}
