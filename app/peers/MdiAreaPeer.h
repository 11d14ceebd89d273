// The peer of the main frame's MDI client window: the main window's MDI
// area. Its size is the client window's size; the child frames inside it
// become its sub-windows, and activating a sub-window activates its frame.
#pragma once

#include "app/peers/WindowPeer.h"

class QMdiArea;

class MdiAreaPeer : public WindowPeer {
 public:
  MdiAreaPeer(WindowPeerFactory& factory, CWnd& client, QMdiArea& area);
  ~MdiAreaPeer() override;

  QMdiArea* Area() const;
  void Sync() override;
  // Makes the platform client window as large as the area.
  void AreaResized();

 private:
  QPointer<QObject> m_resizeFilter;
  QMetaObject::Connection m_activation;
};
