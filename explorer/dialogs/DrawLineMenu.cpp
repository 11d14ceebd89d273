#include "explorer/dialogs/DrawLineMenu.h"

#include "explorer/dialogs/DrawBrush.h"
#include "explorer/dialogs/DrawPen.h"
#include "explorer/dialogs/StreamDrawStyles.h"

namespace {
constexpr int kLineMargin = 2;
}  // namespace

void CDrawLineMenu::DrawItem(DRAWITEMSTRUCT* item) {
  if (!item || !item->pDC || item->itemID < 0 || item->itemID >= kStreamLineStyleCount) return;
  CDC& dc = *item->pDC;
  const CRect& rect = item->rcItem;
  CDrawBrush field(0, StreamPaletteColour(item->selected ? kPaletteSilver : kPaletteWhite));
  CDrawPen outline(1, StreamPaletteColour(kPaletteWhite));
  dc.SelectObject(field);
  dc.SelectObject(outline);
  dc.Rectangle(rect);

  CDrawPen line(item->itemID + 1, StreamPaletteColour(kPaletteBlack));
  dc.SelectObject(line);
  int middle = (rect.top + rect.bottom) / 2;
  dc.MoveTo(rect.left + kLineMargin, middle);
  dc.LineTo(rect.right - kLineMargin, middle);
}
