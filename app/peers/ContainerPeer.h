// The peer of a window that only holds other windows: a frame's client, a
// form view, a dialog or a property page. Its widget is a plain surface on
// which the children's widgets are placed where their windows are.
#pragma once

#include "app/peers/WindowPeer.h"

class ContainerPeer : public WindowPeer {
 public:
  ContainerPeer(WindowPeerFactory& factory, CWnd& window, QWidget* parentArea, PeerUnits units,
                PeerUnits childUnits);
  PeerUnits ChildUnits() const override { return m_childUnits; }

 private:
  PeerUnits m_childUnits;
};
