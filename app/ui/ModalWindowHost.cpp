#include "app/ui/ModalWindowHost.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include "app/peers/WindowPeer.h"
#include "app/peers/WindowPeerFactory.h"
#include "platform/Dialog.h"

namespace {

// How often the run looks again whether the window has ended, besides whenever the loop goes idle.
constexpr int kPollMilliseconds = 100;

}  // namespace

ModalWindowHost::ModalWindowHost(CWnd& window, WindowPeerFactory& peers, QWidget* parent)
    : QDialog(parent), m_window(window.m_hWnd), m_peers(peers) {
  setWindowTitle(QString::fromStdString(window.GetWindowText()));
  setSizeGripEnabled(false);
  if (WindowPeer* peer = peers.AdoptTopLevel(window, *this); peer && peer->Widget())
    setFixedSize(peer->Widget()->size());
}

ModalWindowHost::~ModalWindowHost() { m_peers.Release(m_window); }

void ModalWindowHost::RunUntil(const std::function<bool()>& ended) {
  if (ended()) return;
  m_running = true;
  setWindowModality(Qt::ApplicationModal);
  qApp->installEventFilter(this);
  show();
  raise();
  activateWindow();
  QEventLoop loop;
  auto check = [&] {
    if (ended()) loop.quit();
  };
  QTimer poll;
  poll.setInterval(kPollMilliseconds);
  QObject::connect(&poll, &QTimer::timeout, &loop, check);
  poll.start();
  if (auto* dispatcher = QAbstractEventDispatcher::instance())
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, check);
  loop.exec();
  qApp->removeEventFilter(this);
  hide();
  m_running = false;
}

bool ModalWindowHost::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || (widget != this && !isAncestorOf(widget))) return false;
  auto& key = static_cast<QKeyEvent&>(*event);
  UINT virtualKey = 0;
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) virtualKey = VK_RETURN;
  if (key.key() == Qt::Key_Escape) virtualKey = VK_ESCAPE;
  if (!virtualKey || !IsWindow(m_window)) return false;
  // The key goes to the control whose widget has it, else to the one the platform has focused.
  CWnd* window = CWnd::FromHandle(m_window);
  WindowPeer* peer = m_peers.PeerOfWidget(widget);
  CWnd* focus = peer ? peer->Window() : CWnd::GetFocus();
  HWND target = focus && window && window->IsChild(focus) ? focus->m_hWnd : m_window;
  auto* item = dynamic_cast<CDialogItem*>(CWnd::FromHandle(target));
  if (virtualKey == VK_RETURN && item && item->WantsReturn()) return false;  // a line break in a multi-line edit
  DispatchKeyDown(target, virtualKey);
  return true;
}

void ModalWindowHost::AskWindowToClose() {
  if (IsWindow(m_window)) ::SendMessage(m_window, WM_CLOSE, 0, 0);
}

void ModalWindowHost::reject() { AskWindowToClose(); }

void ModalWindowHost::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (m_running) AskWindowToClose();
}
