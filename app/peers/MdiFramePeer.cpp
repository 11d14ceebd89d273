#include "app/peers/MdiFramePeer.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "platform/Frame.h"

namespace {

// Reports the sub-window's moves, resizes and close requests to the peer.
class SubWindowFilter : public QObject {
 public:
  SubWindowFilter(MdiFramePeer& peer, QObject* parent) : QObject(parent), m_peer(peer) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
        m_peer.SubWindowMoved();
        break;
      case QEvent::Close:
        event->ignore();
        m_peer.CloseRequested();
        return true;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  MdiFramePeer& m_peer;
};

class ClientFilter : public QObject {
 public:
  ClientFilter(MdiFramePeer& peer, QObject* parent) : QObject(parent), m_peer(peer) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) m_peer.ClientResized();
    return QObject::eventFilter(watched, event);
  }

 private:
  MdiFramePeer& m_peer;
};

}  // namespace

MdiFramePeer::MdiFramePeer(WindowPeerFactory& factory, CMDIChildWnd& frame, QMdiArea& area)
    : WindowPeer(factory, frame, PeerUnits::Pixels), m_area(&area) {
  m_client = new QWidget;
  QMdiSubWindow* sub = area.addSubWindow(m_client);
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  SetWidget(sub);
  SetPlacedByQt(true);
  m_client->installEventFilter(new ClientFilter(*this, m_client));
  sub->installEventFilter(new SubWindowFilter(*this, sub));
}

CMDIChildWnd* MdiFramePeer::Frame() const { return dynamic_cast<CMDIChildWnd*>(Window()); }

QMdiSubWindow* MdiFramePeer::SubWindow() const { return qobject_cast<QMdiSubWindow*>(Widget()); }

void MdiFramePeer::Sync() {
  CMDIChildWnd* frame = Frame();
  QMdiSubWindow* sub = SubWindow();
  if (!frame || !sub || !m_area) return;
  const WindowRecord* record = frame->Record();
  m_applying = true;
  QString title = QString::fromStdString(record->text);
  if (sub->windowTitle() != title) sub->setWindowTitle(title);
  QRect rect = ToQRect(record->rect);
  if (rect.width() > 0 && rect.height() > 0 && sub->geometry() != rect) sub->setGeometry(rect);
  if (sub->isVisibleTo(m_area) != record->visible) sub->setVisible(record->visible);
  sub->setEnabled(record->enabled);
  CMDIFrameWnd* main = frame->GetMDIFrame();
  if (record->visible && main && main->MDIGetActive() == frame && m_area->activeSubWindow() != sub)
    m_area->setActiveSubWindow(sub);
  m_applying = false;
  ClientResized();
}

void MdiFramePeer::ChildChanged(WindowPeer&) { ClientResized(); }

void MdiFramePeer::Activated() {
  if (m_applying) return;
  CMDIChildWnd* frame = Frame();
  if (!frame) return;
  CMDIFrameWnd* main = frame->GetMDIFrame();
  if (main && main->MDIGetActive() != frame) frame->MDIActivate();
}

void MdiFramePeer::SubWindowMoved() {
  QMdiSubWindow* sub = SubWindow();
  CMDIChildWnd* frame = Frame();
  if (m_applying || !sub || !frame) return;
  CRect rect = ToCRect(sub->geometry());
  if (frame->Record()->rect != rect) frame->MoveWindow(rect);
}

void MdiFramePeer::ClientResized() {
  CMDIChildWnd* frame = Frame();
  if (!frame || !m_client) return;
  CWnd* view = frame->GetDlgItem(static_cast<int>(AFX_IDW_PANE_FIRST));
  if (!view) return;
  CRect wanted(0, 0, m_client->width(), m_client->height());
  if (view->Record()->rect != wanted) view->MoveWindow(wanted);
}

void MdiFramePeer::CloseRequested() {
  // Later: closing destroys the frame, and with it this peer and the sub-window whose event is being handled.
  HWND handle = m_hwnd;
  QTimer::singleShot(0, [handle] { ::SendMessage(handle, WM_SYSCOMMAND, SC_CLOSE, 0); });
}
