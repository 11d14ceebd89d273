// Drives the simulation's runs from Qt's event loop: while a dynamic run is
// active and not paused, a zero-interval timer advances it one slice at a
// time between the person's events, so the window stays responsive; the
// status bar shows where the run stands ("simulated time of end time").
#pragma once

#include <QObject>

class CWorkbenchDocument;
class QLabel;
class QStatusBar;
class QTimer;

class RunDriver : public QObject {
 public:
  RunDriver(CWorkbenchDocument& document, QStatusBar& statusBar, QObject* parent);
  ~RunDriver() override;

  // Stops an active run where it stands (before the program ends or the simulation is replaced).
  void StopRun();

 private:
  void StateChanged();
  void Slice();

  CWorkbenchDocument& m_document;
  QLabel* m_progress;  // owned by the status bar
  QTimer* m_timer;     // owned by this
};
