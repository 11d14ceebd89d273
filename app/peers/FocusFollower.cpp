#include "app/peers/FocusFollower.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

#include "platform/Window.h"

namespace {

class FocusFollowerFilter : public QObject {
 public:
  FocusFollowerFilter(QWidget* widget, HWND window) : QObject(widget), m_window(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      CWnd* window = CWnd::FromHandle(m_window);
      if (window && !window->HasFocus()) window->SetFocus();
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  HWND m_window;
};

}  // namespace

void FollowFocus(QWidget* widget, HWND window) {
  if (widget) widget->installEventFilter(new FocusFollowerFilter(widget, window));
}
