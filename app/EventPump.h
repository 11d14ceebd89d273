// Joins the platform's message queue to Qt's event loop: whenever the loop
// (or a nested one: a modal dialog, a menu, a drag) is about to wait, the
// posted platform messages are dispatched until none is left, and then the
// idle tasks run (models catch up, the focus follows, command states are
// brought up to date).
#pragma once

#include <functional>
#include <vector>

#include <QMetaObject>

class EventPump {
 public:
  EventPump();
  ~EventPump();
  EventPump(const EventPump&) = delete;
  EventPump& operator=(const EventPump&) = delete;

  void AddIdleTask(std::function<void()> task);
  // Dispatches the queued platform messages and runs the idle tasks once.
  void Run();
  // Processes Qt events and platform messages until both are quiet, for at
  // most milliseconds (a screenshot waits for the window to settle).
  void Settle(int milliseconds);

 private:
  QMetaObject::Connection m_connection;
  std::vector<std::function<void()>> m_idleTasks;
};
