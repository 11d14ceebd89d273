// A drag of platform data carried with the mouse. The platform's drag
// session is driven over the drop-target windows under the pointer: the
// peers of trees and lists report where the pointer is (Over) and that the
// button was let go (Dropped); the drop itself, with the right-button
// drop-effect menu, runs once the Qt drag has ended.
#pragma once

#include <memory>

#include <QPointer>
#include <QTimer>

#include "platform/Ole.h"

class QWidget;

class DragLoop {
 public:
  DragLoop(const COleDataSource& data, DROPEFFECT allowed, bool rightButton);
  ~DragLoop();
  DragLoop(const DragLoop&) = delete;
  DragLoop& operator=(const DragLoop&) = delete;

  // The drag in progress, if any.
  static DragLoop* Active();

  // Where a drag about to start comes from: the widget pressed and whether
  // the right button is down (set by the peer before it begins a drag).
  static void SetPendingSource(QWidget* source, bool rightButton);
  static QWidget* PendingSource();
  static bool PendingRightButton();

  // The pointer is over target (null: over no drop target) at point in its
  // client coordinates. Returns the effect the target offers.
  DROPEFFECT Over(HWND target, CPoint point, DWORD keyState);
  void Leave();
  void Dropped() { m_dropped = true; }
  bool RightButton() const { return m_rightButton; }

  // Carries the drag with Qt from source until the button is let go, then finishes.
  DROPEFFECT Run(QWidget* source);
  // Drops where the pointer was let go (or leaves the target when it was not) and returns the effect.
  DROPEFFECT Finish();

 private:
  std::shared_ptr<COleDataSource> m_data;
  DragDropSession m_session;
  bool m_rightButton;
  bool m_dropped = false;
  DragLoop* m_previous;
  // Drop targets scroll while the pointer rests near their edge: the position is told again meanwhile.
  QTimer m_repeat;
  HWND m_lastTarget = nullptr;
  CPoint m_lastPoint;
  DWORD m_lastKeys = 0;
};
