#include "app/peers/ContainerPeer.h"

#include "platform/Dialog.h"

ContainerPeer::ContainerPeer(WindowPeerFactory& factory, CWnd& window, QWidget* parentArea, PeerUnits units,
                             PeerUnits childUnits)
    : WindowPeer(factory, window, units), m_childUnits(childUnits) {
  auto* widget = new QWidget(parentArea);
  // Dialogs, forms and pages paint their background as a dialog does.
  if (dynamic_cast<CDialog*>(&window)) widget->setAutoFillBackground(true);
  SetWidget(widget);
}
