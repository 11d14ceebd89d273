// Busy work shows the busy cursor; long work reports how far it has come
// ("Opening Plant.ktrs", 40) in a progress window that closes at 100 or
// when a negative figure says the work stopped.
#pragma once

#include <string>

#include <QPointer>
#include <QProgressDialog>

class QWidget;

class ProgressDisplay {
 public:
  explicit ProgressDisplay(QWidget* parent = nullptr) : m_parent(parent) {}
  ~ProgressDisplay();
  void SetParent(QWidget* parent) { m_parent = parent; }

  void SetBusy(bool busy);
  bool IsBusy() const { return m_busy > 0; }
  void Progress(const std::string& what, int percent);
  // The progress window while one is shown.
  QProgressDialog* Window() const { return m_window; }

 private:
  QPointer<QWidget> m_parent;
  QPointer<QProgressDialog> m_window;
  int m_busy = 0;
};
