// Runs a platform dialog or property sheet as a modal Qt dialog: the window
// and its controls are drawn by their peers inside it, Enter and Escape go
// to the platform window (its default button, its cancel) and the close box
// sends it WM_CLOSE. The run ends when the platform window has ended.
#pragma once

#include <functional>

#include <QDialog>

#include "platform/Types.h"

class CWnd;
class WindowPeerFactory;

class ModalWindowHost : public QDialog {
 public:
  ModalWindowHost(CWnd& window, WindowPeerFactory& peers, QWidget* parent);
  ~ModalWindowHost() override;

  // Shows the dialog and handles events until ended() answers true.
  void RunUntil(const std::function<bool()>& ended);
  // Whether the run is still going on.
  bool IsRunning() const { return m_running; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  void reject() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void AskWindowToClose();

  HWND m_window;
  WindowPeerFactory& m_peers;
  bool m_running = false;
};
