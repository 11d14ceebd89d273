#include "explorer/dialogs/DrawColorMenu.h"

namespace {
constexpr int kSelectedInset = 2;
}  // namespace

CDrawColorMenu::CDrawColorMenu() = default;

CDrawColorMenu::~CDrawColorMenu() = default;

const CDrawBrush& CDrawColorMenu::BrushFor(int index) {
  std::unique_ptr<CDrawBrush>& brush = m_brushes[index];
  if (!brush) brush = std::make_unique<CDrawBrush>(0, StreamPaletteColour(index));
  return *brush;
}

void CDrawColorMenu::DrawItem(DRAWITEMSTRUCT* item) {
  if (!item || !item->pDC || item->itemID < 0 || item->itemID >= kStreamColourCount) return;
  CRect rect = item->rcItem;
  if (item->selected) rect.DeflateRect(kSelectedInset, kSelectedInset);
  item->pDC->FillRect(rect, BrushFor(item->itemID));
}
