#include "app/ui/QtUserInterface.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>

#include "app/peers/PointerContext.h"
#include "app/peers/WindowPeer.h"
#include "app/peers/WindowPeerFactory.h"
#include "app/ui/DragLoop.h"
#include "app/ui/FileDialogRunner.h"
#include "app/ui/MessageBoxes.h"
#include "app/ui/ModalWindowHost.h"
#include "app/ui/PopupMenu.h"
#include "platform/Dialog.h"
#include "platform/PropertySheet.h"

QtUserInterface::QtUserInterface(WindowPeerFactory& peers) : m_peers(peers) {
  m_peers.onTopLevelWindow = [this](HWND window) {
    // A modal run adopts its window before the event loop turns again; whatever is left is modeless.
    QTimer::singleShot(0, [this, window] { ShowIfModeless(window); });
  };
}

QtUserInterface::~QtUserInterface() {
  m_peers.onTopLevelWindow = nullptr;
  for (auto& [window, host] : m_modeless) delete host.data();
}

void QtUserInterface::SetMainWindow(QWidget* window) {
  m_mainWindow = window;
  m_progress.SetParent(window);
}

QWidget* QtUserInterface::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (m_mainWindow) return m_mainWindow;
  return QApplication::activeWindow();
}

int QtUserInterface::MessageBox(const MessageBoxRequest& request) { return RunMessageBox(request, DialogParent()); }

QPoint QtUserInterface::MenuPosition(CPoint screenPoint, CWnd* owner) const {
  if (PointerActionJustHappened()) return QCursor::pos();
  // A key asked for the menu: the platform names a point in some window's screen rectangle.
  for (CWnd* window : {CWnd::GetFocus(), owner}) {
    WindowPeer* peer = window ? m_peers.PeerOf(window->m_hWnd) : nullptr;
    QWidget* widget = peer ? peer->Widget() : nullptr;
    if (!widget || !widget->isVisible()) continue;
    CRect area;
    window->GetWindowRect(&area);
    if (!area.PtInRect(screenPoint)) continue;
    return widget->mapToGlobal(QPoint(screenPoint.x - area.left, screenPoint.y - area.top));
  }
  return QCursor::pos();
}

UINT QtUserInterface::ChooseFromMenu(const CMenu& menu, CPoint screenPoint, CWnd* owner) {
  m_peers.FlushAll();
  return RunPopupMenu(menu, MenuPosition(screenPoint, owner), DialogParent());
}

void QtUserInterface::RunModalDialog(CDialog& dialog) {
  HWND window = dialog.m_hWnd;
  if (auto it = m_modeless.find(window); it != m_modeless.end()) {
    delete it->second.data();
    m_modeless.erase(it);
  }
  ModalWindowHost host(dialog, m_peers, DialogParent());
  host.RunUntil([&dialog, window] { return dialog.IsEnded() || !IsWindow(window); });
}

void QtUserInterface::RunModalSheet(CPropertySheet& sheet) {
  HWND window = sheet.m_hWnd;
  ModalWindowHost host(sheet, m_peers, DialogParent());
  host.RunUntil([&sheet, window] { return sheet.IsEnded() || !IsWindow(window); });
}

void QtUserInterface::RunFileDialog(CFileDialog& dialog) { ::RunFileDialog(dialog, DialogParent()); }

DROPEFFECT QtUserInterface::DoDragDrop(COleDataSource& data, DROPEFFECT allowed) {
  QWidget* source = DragLoop::PendingSource();
  if (!source) source = QApplication::widgetAt(QCursor::pos());
  DragLoop loop(data, allowed, DragLoop::PendingRightButton());
  // Without a button held no drag can be carried (a drag begun by the program, not the mouse).
  if (QApplication::mouseButtons() == Qt::NoButton) return loop.Finish();
  return loop.Run(source);
}

void QtUserInterface::LabelEditStarted(ILabelEdit& edit) { m_peers.OpenLabelEditor(edit); }

void QtUserInterface::Beep(UINT) { QApplication::beep(); }

void QtUserInterface::SetBusy(bool busy) { m_progress.SetBusy(busy); }

void QtUserInterface::Progress(const std::string& what, int percent) { m_progress.Progress(what, percent); }

void QtUserInterface::Announce(const std::string& line) {
  if (onAnnounce) onAnnounce(line);
}

void QtUserInterface::ShowIfModeless(HWND window) {
  CWnd* wnd = CWnd::FromHandle(window);
  if (!wnd || !wnd->IsVisibleFlag() || m_peers.PeerOf(window) || m_modeless.count(window)) return;
  auto* host = new QDialog(m_mainWindow);
  host->setAttribute(Qt::WA_DeleteOnClose);
  host->setWindowTitle(QString::fromStdString(wnd->GetWindowText()));
  WindowPeer* peer = m_peers.AdoptTopLevel(*wnd, *host);
  if (!peer || !peer->Widget()) {
    delete host;
    return;
  }
  host->setFixedSize(peer->Widget()->size());
  // The window goes when the program destroys it.
  QObject::connect(peer->Widget(), &QObject::destroyed, host, [host] { host->close(); });
  QObject::connect(host, &QDialog::rejected, host, [window] {
    if (IsWindow(window)) ::SendMessage(window, WM_CLOSE, 0, 0);
  });
  m_modeless[window] = host;
  host->show();
}
