#include "app/ViewPlacement.h"

#include <algorithm>

#include "platform/Frame.h"

namespace {

// A further window steps this far from the active one: about a title bar.
constexpr int kStep = 26;
// Its share of the area, and the least it gets when the area allows it (pixels).
constexpr int kWidthShare = 3, kWidthParts = 5;   // three fifths of the width
constexpr int kHeightShare = 3, kHeightParts = 4;  // three quarters of the height
constexpr int kLeastWidth = 520, kLeastHeight = 380;

}  // namespace

std::optional<CorvaneWindowPlacement> PlaceNewView(CMDIFrameWnd& main) {
  CRect area;
  main.MDIClient()->GetClientRect(&area);
  if (area.Width() <= 0 || area.Height() <= 0) return std::nullopt;
  std::vector<CMDIChildWnd*> shown = main.ArrangeableFrames();
  if (shown.empty()) return CorvaneWindowPlacement{SW_SHOW, 0, 0, area.Width(), area.Height()};
  const int width = std::min(area.Width(), std::max(area.Width() * kWidthShare / kWidthParts, kLeastWidth));
  const int height = std::min(area.Height(), std::max(area.Height() * kHeightShare / kHeightParts, kLeastHeight));
  CMDIChildWnd* active = main.MDIGetActive();
  CRect from = active && active->IsVisibleFlag() ? active->Record()->rect : shown.back()->Record()->rect;
  int x = from.left + kStep, y = from.top + kStep;
  // Past the lower or right edge the steps start again at the corner.
  if (x + width > area.Width() || y + height > area.Height()) x = y = 0;
  return CorvaneWindowPlacement{SW_SHOW, x, y, width, height};
}
