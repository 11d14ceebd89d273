#include "app/peers/MdiAreaPeer.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/peers/MdiFramePeer.h"
#include "app/peers/WindowPeerFactory.h"
#include "platform/Frame.h"

namespace {

class AreaResizeFilter : public QObject {
 public:
  AreaResizeFilter(MdiAreaPeer& peer, QObject* parent) : QObject(parent), m_peer(peer) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) m_peer.AreaResized();
    return QObject::eventFilter(watched, event);
  }

 private:
  MdiAreaPeer& m_peer;
};

}  // namespace

MdiAreaPeer::MdiAreaPeer(WindowPeerFactory& factory, CWnd& client, QMdiArea& area)
    : WindowPeer(factory, client, PeerUnits::Pixels) {
  SetWidget(&area);
  SetPlacedByQt(true);
  m_resizeFilter = new AreaResizeFilter(*this, &area);
  // The viewport is sized after the area's own resize event: its resize is the one to follow.
  area.viewport()->installEventFilter(m_resizeFilter);
  m_activation = QObject::connect(&area, &QMdiArea::subWindowActivated, &area, [this](QMdiSubWindow* sub) {
    if (!sub) return;
    if (auto* framePeer = dynamic_cast<MdiFramePeer*>(m_factory.PeerOfWidget(sub->widget()))) framePeer->Activated();
  });
  AreaResized();
}

// The area belongs to the main window, not to this peer.
MdiAreaPeer::~MdiAreaPeer() {
  QObject::disconnect(m_activation);
  delete m_resizeFilter.data();
  SetWidget(nullptr);
}

QMdiArea* MdiAreaPeer::Area() const { return qobject_cast<QMdiArea*>(Widget()); }

void MdiAreaPeer::Sync() {}

void MdiAreaPeer::AreaResized() {
  QMdiArea* area = Area();
  CWnd* client = Window();
  if (!area || !client) return;
  // The main frame's client area is the MDI area: the frame lays its client window out to fill it.
  QSize size = area->viewport()->size();
  auto sameSize = [&](CWnd& window) {
    CRect rect;
    window.GetClientRect(&rect);
    return rect.Width() == size.width() && rect.Height() == size.height();
  };
  if (CWnd* frame = client->GetParent(); frame && !sameSize(*frame)) frame->MoveWindow(0, 0, size.width(), size.height());
  if (!sameSize(*client)) client->MoveWindow(0, 0, size.width(), size.height());
}
