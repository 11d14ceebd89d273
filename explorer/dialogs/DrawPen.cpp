#include "explorer/dialogs/DrawPen.h"

#include "explorer/dialogs/StreamDrawStyles.h"

CDrawPen::CDrawPen(int styleNumber, COLORREF colour) {
  StreamLineStyle style = StreamLineStyleOf(styleNumber);
  CreatePen(PS_COSMETIC | style.penStyle, style.width, colour);
}

CDrawPen::CDrawPen(int penStyle, int width, COLORREF colour) {
  CreatePen(PS_GEOMETRIC | penStyle, width < 1 ? 1 : width, colour);
}
