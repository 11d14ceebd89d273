#include "host/framework/CRQVMDIChildFrame.h"

#include <algorithm>

namespace {
std::vector<CRQVMDIChildFrame*>& Frames() {
  static std::vector<CRQVMDIChildFrame*> frames;
  return frames;
}
}  // namespace

CRQVMDIChildFrame::CRQVMDIChildFrame() = default;

CRQVMDIChildFrame::~CRQVMDIChildFrame() { Leave(); }

int CRQVMDIChildFrame::OnCreate() {
  const int result = CMDIChildWnd::OnCreate();
  if (result != -1 && std::find(Frames().begin(), Frames().end(), this) == Frames().end()) {
    Frames().push_back(this);
  }
  return result;
}

void CRQVMDIChildFrame::OnDestroy() {
  Leave();
  CMDIChildWnd::OnDestroy();
}

void CRQVMDIChildFrame::Leave() {
  auto& frames = Frames();
  frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
}

std::vector<CRQVMDIChildFrame*> CRQVMDIChildFrame::OpenFrames() { return Frames(); }

void CRQVMDIChildFrame::NotifyRunPaused() {
  // A frame may close others (or itself) while it handles the pause: walk a copy
  // and skip frames that left meanwhile.
  const std::vector<CRQVMDIChildFrame*> snapshot = Frames();
  for (CRQVMDIChildFrame* frame : snapshot) {
    if (std::find(Frames().begin(), Frames().end(), frame) != Frames().end()) frame->RunPaused();
  }
}

void CRQVMDIChildFrame::RevertAllToOriginalWindowLayout(long withScrollBar) {
  const std::vector<CRQVMDIChildFrame*> snapshot = Frames();
  for (CRQVMDIChildFrame* frame : snapshot) {
    if (std::find(Frames().begin(), Frames().end(), frame) != Frames().end()) {
      frame->RevertToOriginalWindowLayout(withScrollBar);
    }
  }
}
