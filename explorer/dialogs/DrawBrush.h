// The brushes of the stream-style combos: hatch 0 is solid; 1 to 6 are the
// hatches backward-diagonal, cross, diagonal-cross, forward-diagonal,
// horizontal and vertical. Any other hatch number gives a solid brush.
#pragma once

#include "platform/Draw.h"

class CDrawBrush : public CBrush {
 public:
  CDrawBrush(int hatch, COLORREF colour);
};
