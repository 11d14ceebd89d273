// The MDI frame's Window menu arrangements: cascade and tile.
#include <algorithm>
#include <cmath>

#include "platform/Frame.h"

namespace {

// How far each cascaded frame lies below and right of the one before: about a title bar.
constexpr int kCascadeStep = 26;

}  // namespace

std::vector<CMDIChildWnd*> CMDIFrameWnd::ArrangeableFrames() const {
  std::vector<CMDIChildWnd*> frames = ChildFrames();
  std::erase_if(frames, [](CMDIChildWnd* frame) { return !frame->IsVisibleFlag() || frame->IsIconic(); });
  return frames;
}

void CMDIFrameWnd::MDICascade() {
  std::vector<CMDIChildWnd*> frames = ArrangeableFrames();
  if (frames.empty()) return;
  CMDIChildWnd* active = MDIGetActive();
  // The active frame goes last, in front of the others.
  if (auto it = std::find(frames.begin(), frames.end(), active); it != frames.end()) std::rotate(it, it + 1, frames.end());
  CRect client;
  m_client.GetClientRect(&client);
  // Each frame keeps two thirds of the area at least; beyond that the steps start again at the corner.
  const int width = client.Width(), height = client.Height();
  const int fit = std::max(1, std::min((width / 3) / kCascadeStep, (height / 3) / kCascadeStep) + 1);
  const int steps = std::min(static_cast<int>(frames.size()), fit) - 1;
  const int frameWidth = std::max(1, width - steps * kCascadeStep);
  const int frameHeight = std::max(1, height - steps * kCascadeStep);
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const int offset = static_cast<int>(i % static_cast<std::size_t>(fit)) * kCascadeStep;
    frames[i]->MoveWindow(CRect(offset, offset, offset + frameWidth, offset + frameHeight));
  }
  if (active && std::find(frames.begin(), frames.end(), active) != frames.end()) MDIActivate(active);
}

void CMDIFrameWnd::MDITile(bool horizontally) {
  std::vector<CMDIChildWnd*> frames = ArrangeableFrames();
  if (frames.empty()) return;
  const int count = static_cast<int>(frames.size());
  // Up to three frames make one row each (horizontally) or one column each; more make a grid.
  const int wanted = count <= 3 ? count : static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
  const int across = (count + wanted - 1) / wanted;
  const int lines = (count + across - 1) / across;
  CRect client;
  m_client.GetClientRect(&client);
  for (int i = 0; i < count; ++i) {
    // Filled line by line; the last line may hold fewer frames, which then share its width.
    const int line = i / across;
    const int inLine = std::min(across, count - line * across);
    const int place = i % across;
    int left, top, right, bottom;
    if (horizontally) {
      top = client.Height() * line / lines;
      bottom = client.Height() * (line + 1) / lines;
      left = client.Width() * place / inLine;
      right = client.Width() * (place + 1) / inLine;
    } else {
      left = client.Width() * line / lines;
      right = client.Width() * (line + 1) / lines;
      top = client.Height() * place / inLine;
      bottom = client.Height() * (place + 1) / inLine;
    }
    frames[i]->MoveWindow(CRect(left, top, right, bottom));
  }
  if (CMDIChildWnd* active = MDIGetActive()) MDIActivate(active);
}
