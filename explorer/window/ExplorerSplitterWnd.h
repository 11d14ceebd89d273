// The Explorer frame's splitters: the outer one between the tree side and the
// contents side, which lets the frame keep the tree pane's size when the user
// lets go of its bar, and the two inner ones that put a caption strip above
// each pane.
#pragma once

#include "platform/Splitter.h"

class CExplorerFrame;

class CExplorerSplitterWnd : public CSplitterWnd {
 public:
  // The frame told where the bar was let go (the tree pane's new width or height).
  void SetFrame(CExplorerFrame* frame) { m_frame = frame; }
  void StopTracking(bool accept) override;

 private:
  CExplorerFrame* m_frame = nullptr;
};

// Two rows, a caption strip over a pane: the bar between them is one pixel high with a two-pixel gap.
class CExplorerSplitterSubWnd : public CSplitterWnd {
 public:
  CExplorerSplitterSubWnd();
};
