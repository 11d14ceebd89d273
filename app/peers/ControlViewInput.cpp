#include "app/peers/ControlViewInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/peers/KeyTranslation.h"
#include "app/peers/PointerContext.h"
#include "app/peers/ViewActivation.h"
#include "app/ui/DragLoop.h"
#include "platform/Window.h"

ControlViewInput::ControlViewInput(QAbstractItemView& view, HWND control)
    : QObject(&view), m_view(view), m_control(control), m_viewport(view.viewport()), m_viewObject(&view) {
  view.installEventFilter(this);
  view.viewport()->installEventFilter(this);
  view.viewport()->setAcceptDrops(true);
}

bool ControlViewInput::eventFilter(QObject* watched, QEvent* event) {
  if (!IsWindow(m_control)) return false;
  if (event->type() == QEvent::Destroy || event->type() == QEvent::ChildRemoved) return false;
  if (watched == m_viewport) return ViewportEvent(event);
  if (watched == m_viewObject) return KeyEvent(event);
  return false;
}

bool ControlViewInput::ViewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      return MouseEvent(event->type(), static_cast<QMouseEvent&>(*event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
      return DragEvent(event);
    case QEvent::ContextMenu:
      return true;  // the right-click already went to the control
    default:
      return false;
  }
}

bool ControlViewInput::MouseEvent(QEvent::Type type, QMouseEvent& event) {
  const QPoint position = event.position().toPoint();
  SetPlatformModifiers(event.modifiers());
  if (type != QEvent::MouseMove) NotePointerAction();
  switch (type) {
    case QEvent::MouseButtonPress:
      if (event.button() != Qt::LeftButton && event.button() != Qt::RightButton) return true;
      m_view.setFocus(Qt::MouseFocusReason);
      ActivateViewForClick(m_control);
      Flush();
      m_pressedAt = position;
      m_pressedButton = event.button();
      m_dragStarted = false;
      if (event.button() == Qt::LeftButton && IsWindow(m_control)) Press(position);
      return true;
    case QEvent::MouseButtonDblClick:
      if (event.button() == Qt::LeftButton) {
        Flush();
        DoubleClick(position);
      }
      return true;
    case QEvent::MouseButtonRelease: {
      bool rightClick = event.button() == Qt::RightButton && m_pressedButton == Qt::RightButton && !m_dragStarted;
      m_pressedAt.reset();
      m_pressedButton = Qt::NoButton;
      if (rightClick) {
        Flush();
        RightClick(position);
      }
      return true;
    }
    case QEvent::MouseMove:
      if (m_pressedAt && !m_dragStarted &&
          (position - *m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragStarted = true;
        bool right = m_pressedButton == Qt::RightButton;
        QPoint start = *m_pressedAt;
        Flush();
        DragLoop::SetPendingSource(&m_view, right);
        BeginDrag(start, right);
        DragLoop::SetPendingSource(nullptr, false);
        m_pressedAt.reset();
      }
      return true;
    default:
      return false;
  }
}

bool ControlViewInput::DragEvent(QEvent* event) {
  DragLoop* loop = DragLoop::Active();
  if (!loop) return false;  // not the program's drag: nothing here accepts it
  if (event->type() == QEvent::DragLeave) {
    loop->Leave();
    return true;
  }
  auto& drop = static_cast<QDropEvent&>(*event);
  Flush();
  QPoint position = drop.position().toPoint();
  SetPlatformModifiers(drop.modifiers());
  DWORD keys = KeyStateOf(drop.buttons(), drop.modifiers(), loop->RightButton());
  if (event->type() == QEvent::Drop) {
    loop->Over(m_control, DropPoint(position), keys);
    loop->Dropped();
    drop.acceptProposedAction();
    return true;
  }
  DROPEFFECT effect = loop->Over(m_control, DropPoint(position), keys) & ~DROPEFFECT_SCROLL;
  Qt::DropAction action = (effect & DROPEFFECT_MOVE)   ? Qt::MoveAction
                          : (effect & DROPEFFECT_COPY) ? Qt::CopyAction
                          : (effect & DROPEFFECT_LINK) ? Qt::LinkAction
                                                       : Qt::IgnoreAction;
  if (action == Qt::IgnoreAction) {
    drop.ignore();
  } else {
    drop.setDropAction(action);
    drop.accept();
  }
  return true;
}

bool ControlViewInput::KeyEvent(QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto& key = static_cast<QKeyEvent&>(*event);
  UINT virtualKey = VirtualKeyOf(key);
  if (!virtualKey) return false;
  SetPlatformModifiers(key.modifiers());
  Flush();
  DispatchKeyDown(m_control, virtualKey);
  return true;
}
