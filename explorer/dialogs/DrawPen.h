// The pens of the stream-style combos: a cosmetic pen of one of the eight
// stream line styles, or a geometric pen from explicit parameters.
#pragma once

#include "platform/Draw.h"

class CDrawPen : public CPen {
 public:
  // styleNumber 1 to 8 (StreamDrawStyles.h).
  CDrawPen(int styleNumber, COLORREF colour);
  // A geometric pen: penStyle is one of the PS_ styles, width in pixels.
  CDrawPen(int penStyle, int width, COLORREF colour);
};
