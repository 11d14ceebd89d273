// The host's child frame, base of every window inside the application's frame
// area (the explorer's among them). The host reaches all open frames through
// it: a paused run and a restored window layout are passed to each.
#pragma once

#include <vector>

#include "platform/Frame.h"

// View types of frames.
constexpr int QV_VIEWTYPE_EXPLORER = 7;

class CRQVMDIChildFrame : public CMDIChildWnd {
 public:
  CRQVMDIChildFrame();
  ~CRQVMDIChildFrame() override;

  // The kind of view the frame shows (QV_VIEWTYPE_*); set by the derived frame's constructor.
  int m_nViewType = 0;

  // Called on every open frame when a run pauses.
  virtual void RunPaused() {}
  // Called on every open frame when the host restores its window layout;
  // withScrollBar is nonzero when the frame area shows a vertical scroll bar.
  virtual void RevertToOriginalWindowLayout(long withScrollBar) { (void)withScrollBar; }

  // The frames whose windows exist, oldest first.
  static std::vector<CRQVMDIChildFrame*> OpenFrames();
  static void NotifyRunPaused();
  static void RevertAllToOriginalWindowLayout(long withScrollBar);

 protected:
  // Joins the open frames once the window exists.
  int OnCreate() override;
  // Leaves the open frames. A derived frame that handles destruction calls this first.
  void OnDestroy() override;

 private:
  void Leave();
};
