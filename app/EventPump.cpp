#include "app/EventPump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "platform/Window.h"

namespace {

// Idle tasks may post messages; a few rounds let them settle without looping forever.
constexpr int kMaxRounds = 8;

}  // namespace

EventPump::EventPump() {
  if (auto* dispatcher = QAbstractEventDispatcher::instance())
    m_connection = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { Run(); });
}

EventPump::~EventPump() { QObject::disconnect(m_connection); }

void EventPump::AddIdleTask(std::function<void()> task) { m_idleTasks.push_back(std::move(task)); }

void EventPump::Run() {
  for (int round = 0; round < kMaxRounds; ++round) {
    MessageQueue::Pump();
    // By index: a task may open a nested loop, which runs the pump again.
    for (std::size_t i = 0; i < m_idleTasks.size(); ++i) m_idleTasks[i]();
    if (MessageQueue::Size() == 0) break;
  }
}

void EventPump::Settle(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  int quietRounds = 0;
  while (timer.elapsed() < milliseconds && quietRounds < 3) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::sendPostedEvents();
    bool hadMessages = MessageQueue::Size() > 0;
    Run();
    quietRounds = hadMessages ? 0 : quietRounds + 1;
    QThread::msleep(10);
  }
}
