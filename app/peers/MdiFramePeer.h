// The peer of a child frame inside the main frame's MDI client window: a
// sub-window of the main window's MDI area. The frame's rectangle is the
// sub-window's (caption and border included, as a frame window's rectangle
// is); the frame's view fills the sub-window's client area, as a frame lays
// out its view. Closing the sub-window is the frame's close command.
#pragma once

#include "app/peers/WindowPeer.h"

class CMDIChildWnd;
class QMdiArea;
class QMdiSubWindow;

class MdiFramePeer : public WindowPeer {
 public:
  MdiFramePeer(WindowPeerFactory& factory, CMDIChildWnd& frame, QMdiArea& area);

  QWidget* ChildArea() const override { return m_client; }
  PeerUnits ChildUnits() const override { return PeerUnits::Pixels; }
  void Sync() override;
  void ChildChanged(WindowPeer& child) override;

  QMdiSubWindow* SubWindow() const;

  // What Qt reports: the sub-window became active, was moved or resized,
  // its client area changed size, the person asked to close it.
  void Activated();
  void SubWindowMoved();
  void ClientResized();
  void CloseRequested();

 private:
  CMDIChildWnd* Frame() const;

  QPointer<QMdiArea> m_area;
  QPointer<QWidget> m_client;
  bool m_applying = false;  // the sub-window is being set from the frame
};
