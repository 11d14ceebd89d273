#include "app/RunDriver.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "workbench/document/WorkbenchDocument.h"

RunDriver::RunDriver(CWorkbenchDocument& document, QStatusBar& statusBar, QObject* parent)
    : QObject(parent), m_document(document), m_progress(new QLabel(&statusBar)), m_timer(new QTimer(this)) {
  statusBar.addPermanentWidget(m_progress);
  m_timer->setInterval(0);
  QObject::connect(m_timer, &QTimer::timeout, this, [this] { Slice(); });
  m_document.onRunStateChanged = [this] { StateChanged(); };
}

RunDriver::~RunDriver() { m_document.onRunStateChanged = nullptr; }

void RunDriver::StopRun() { m_document.StopRun(); }

void RunDriver::StateChanged() {
  CSimulationRun& run = m_document.Run();
  m_progress->setText(QString::fromStdString(run.Progress()));
  const bool advancing = run.IsActive() && !run.IsPaused();
  if (advancing && !m_timer->isActive()) m_timer->start();
  if (!advancing && m_timer->isActive()) m_timer->stop();
}

void RunDriver::Slice() {
  // One slice, then back to the event loop; the run tells StateChanged what became of it.
  if (!m_document.Run().Step()) StateChanged();
}
