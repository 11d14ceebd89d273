// A main window drawn by the desktop program with child frames laid out as
// an Explorer window is: a splitter with a tree on the left and a list on the
// right, filled with a few items. Only the tests build it; the program itself
// shows the host's real windows.
#pragma once

#include <memory>
#include <string>

#include "app/MainWindow.h"
#include "app/peers/WindowPeerFactory.h"
#include "platform/Frame.h"
#include "platform/ImageList.h"
#include "platform/ListCtrl.h"
#include "platform/Splitter.h"
#include "platform/TreeCtrl.h"

class DemoChildFrame : public CMDIChildWnd {
 public:
  CTreeCtrl* Tree() const;
  CListCtrl* List() const;
  CSplitterWnd& Splitter() { return m_splitter; }
  HTREEITEM Root() const { return m_root; }

 protected:
  bool OnCreateClient(CREATESTRUCT* cs, CCreateContext* context) override;
  // The four view styles of the list, as the Explorer frame offers them.
  bool OnFrameCommand(UINT id, int code, CCmdUI* ui) override;

 private:
  void Fill();

  CSplitterWnd m_splitter;
  HTREEITEM m_root = nullptr;
};

class DemoDesktop {
 public:
  DemoDesktop();
  ~DemoDesktop();

  DemoChildFrame* OpenChild(const std::string& title, const CRect& rect);
  CMDIFrameWnd& Frame() { return *m_frame; }
  MainWindow& Window() { return *m_window; }
  WindowPeerFactory& Peers() { return m_peers; }

 private:
  WindowPeerFactory m_peers;
  CMDIFrameWnd* m_frame = nullptr;  // deletes itself with its window
  std::unique_ptr<MainWindow> m_window;
};

// The shared image lists of the demo windows (made once).
CImageList& DemoSmallImages();
CImageList& DemoLargeImages();
