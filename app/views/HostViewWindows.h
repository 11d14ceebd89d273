// Shows each host view (a form as a table, history, plot or profile; the
// variable finder) as a child window of the main window's MDI area. Each
// window keeps itself up to date while it is open: it hears every value
// change of the host's views and redraws once the event loop is free, so a
// run's reports never stack up redraws; a window closed meanwhile simply
// stops hearing them.
#pragma once

#include <string>

#include <QPointer>

#include "workbench/views/HostViews.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

class HostViewWindows {
 public:
  HostViewWindows(CHostViews& views, QMdiArea& area);
  ~HostViewWindows();
  HostViewWindows(const HostViewWindows&) = delete;
  HostViewWindows& operator=(const HostViewWindows&) = delete;

  // Opens a window for request and brings it forward.
  QMdiSubWindow* Open(const HostViewRequest& request);
  // The most recently opened view window that is still open.
  QMdiSubWindow* Latest() const { return m_latest; }

  // Asks the host for an Explorer rooted at the block at unitPath ("" for the top flowsheet).
  static bool OpenBlockExplorer(CHostViews& views, const std::string& unitPath);

 private:
  QWidget* MakeView(const HostViewRequest& request);

  CHostViews& m_views;
  QPointer<QMdiArea> m_area;
  QPointer<QMdiSubWindow> m_latest;
};
