#include "explorer/window/ExplorerSplitterWnd.h"

#include "explorer/window/ExplorerFrame.h"

void CExplorerSplitterWnd::StopTracking(bool accept) {
  if (accept && m_frame) {
    const int edge = m_trackingColumns ? m_rectTracker.left : m_rectTracker.top;
    m_frame->SaveTreePaneWidth(static_cast<unsigned>(edge < 0 ? 0 : edge));
  }
  CSplitterWnd::StopTracking(accept);
}

CExplorerSplitterSubWnd::CExplorerSplitterSubWnd() {
  m_cySplitter = 1;
  m_cySplitterGap = 2;
}
