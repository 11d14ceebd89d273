// What a person does on the item view of a tree or list control, turned
// into the control's own actions: presses, double-clicks, right-clicks and
// drag gestures become the control's User... calls (the control notifies
// its owner exactly as in tests), keys go through the platform's key
// dispatch (so the panes and the frame's accelerators see them first), and
// a platform drag in progress is told where the pointer is over this control.
// Qt's own selection, expansion, editing and dragging never run.
#pragma once

#include <optional>

#include <QEvent>
#include <QObject>
#include <QPoint>

#include "platform/Types.h"

class QAbstractItemView;
class QDropEvent;
class QMouseEvent;

class ControlViewInput : public QObject {
 public:
  // Watches view and its viewport; control is the platform control it draws.
  ControlViewInput(QAbstractItemView& view, HWND control);

  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  // Positions are in the viewport's coordinates; the model is up to date.
  virtual void Press(QPoint position) = 0;
  virtual void DoubleClick(QPoint position) = 0;
  virtual void RightClick(QPoint position) = 0;
  // Begins a drag of the item pressed at position; false when none is there.
  virtual bool BeginDrag(QPoint position, bool rightButton) = 0;
  // The control's client point for a drag over position.
  virtual CPoint DropPoint(QPoint position) = 0;
  // Pending model resets done now.
  virtual void Flush() = 0;

  QAbstractItemView& m_view;
  HWND m_control;
  // Kept from the start: events still arrive while the view is being destroyed,
  // when asking it for its viewport is no longer allowed.
  QWidget* m_viewport = nullptr;
  QObject* m_viewObject = nullptr;

 private:
  bool ViewportEvent(QEvent* event);
  bool MouseEvent(QEvent::Type type, QMouseEvent& event);
  bool DragEvent(QEvent* event);
  bool KeyEvent(QEvent* event);

  std::optional<QPoint> m_pressedAt;
  Qt::MouseButton m_pressedButton = Qt::NoButton;
  bool m_dragStarted = false;
};
