// Shared pieces of the desktop tests: one QApplication per test program on
// Qt's offscreen platform, a way to let Qt and the platform's queue settle,
// and a platform window drawn inside a Qt widget to put controls on.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

#include "app/peers/WindowPeerFactory.h"
#include "platform/Window.h"

class CExplorerFrame;
class QApplication;
class QMdiArea;
class QMdiSubWindow;

QApplication& TestApplication();

// The Explorer windows a person sees, newest first (the toolbar provider's own is never shown).
std::vector<CExplorerFrame*> ShownExplorers();
// The sub-windows of area a person sees, in the area's order.
QList<QMdiSubWindow*> ShownSubWindows(QMdiArea& area);

// Handles Qt events (zero-timers, posted events) and the platform's posted messages until both are quiet.
void ProcessAll();

// Sends a mouse press and release at position in widget.
void ClickAt(QWidget* widget, QPoint position, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {});
void TypeText(QWidget* widget, const QString& text);

// The number of distinct colours in an image (a drawing that shows something has many).
int ColourCount(const QImage& image);

// A top-level platform window drawn in a Qt widget, measured in pixels. Its
// notifications from child controls are recorded; an answer for each can be given.
class PeerTestHost {
 public:
  explicit PeerTestHost(int width = 480, int height = 360);
  ~PeerTestHost();

  CWnd& Parent();
  QWidget& Host() { return *m_host; }
  WindowPeerFactory& Peers() { return m_peers; }

  struct Notification {
    int code = 0;
    int item = -1;     // row (lists) for row and column notifications
    int subItem = -1;  // column of a column click
    std::string text;  // label edits: the text given (empty when cancelled)
  };
  const std::vector<Notification>& Notifications() const;
  std::vector<int> Codes() const;
  void ClearNotifications();
  // The answer for a notification code (default 0); answering a label edit's end with 1 accepts it.
  void Answer(int code, LRESULT result);
  // Custom-draw answers per cell (row, column) -> fills the draw record and returns CDRF_ flags.
  std::function<LRESULT(NMHDR* header)> customDraw;

 private:
  class ParentWindow;
  WindowPeerFactory m_peers;
  std::unique_ptr<QWidget> m_host;
  std::unique_ptr<ParentWindow> m_parent;
};
