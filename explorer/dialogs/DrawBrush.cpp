#include "explorer/dialogs/DrawBrush.h"

#include <array>

namespace {
constexpr std::array<int, 6> kHatches = {HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS, HS_FDIAGONAL, HS_HORIZONTAL,
                                         HS_VERTICAL};
}  // namespace

CDrawBrush::CDrawBrush(int hatch, COLORREF colour) {
  if (hatch >= 1 && hatch <= static_cast<int>(kHatches.size())) {
    CreateHatchBrush(kHatches[hatch - 1], colour);
  } else {
    CreateSolidBrush(colour);
  }
}
