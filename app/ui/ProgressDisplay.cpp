#include "app/ui/ProgressDisplay.h"

#include <QApplication>
#include <QProgressDialog>

ProgressDisplay::~ProgressDisplay() {
  delete m_window.data();
  while (m_busy > 0) SetBusy(false);
}

void ProgressDisplay::SetBusy(bool busy) {
  if (busy) {
    ++m_busy;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (m_busy > 0) {
    --m_busy;
    QApplication::restoreOverrideCursor();
  }
}

void ProgressDisplay::Progress(const std::string& what, int percent) {
  if (percent < 0 || percent >= 100) {
    delete m_window.data();
    return;
  }
  if (!m_window) {
    m_window = new QProgressDialog(m_parent);
    m_window->setWindowModality(Qt::ApplicationModal);
    m_window->setCancelButton(nullptr);
    m_window->setMinimumDuration(0);
    m_window->setRange(0, 100);
    m_window->setAutoClose(false);
    m_window->setAutoReset(false);
  }
  m_window->setLabelText(QString::fromStdString(what));
  m_window->setValue(percent);
  m_window->show();
  // Let the window paint while the work goes on; nothing a person does is handled meanwhile.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
