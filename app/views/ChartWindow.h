// A plot form drawn with Qt Charts: each variable's trend over the run's
// time (plot), or a profile form's points along its axis at the current
// values (profile). The axes follow the values unless the form fixes a
// trend's range or the user has zoomed in (drag a rectangle; "Reset Zoom"
// returns). The legend names each variable with its unit. The picture
// exports as PNG, the data as CSV.
#pragma once

#include <QWidget>

#include "workbench/views/HostViews.h"

class QChart;
class QChartView;
class QValueAxis;

class ChartWindow : public QWidget {
 public:
  ChartWindow(CHostViews& views, const HostViewRequest& request, QWidget* parent = nullptr);

  void Refresh();
  QChart* Chart() const;
  QChartView* ChartViewWidget() const { return m_view; }
  // What Export CSV writes: the history of a plot, the points of a profile.
  std::string CsvText() const;
  // Writes the picture (PNG) or the data (CSV) to path; false with problem set.
  bool ExportPicture(const std::string& path, std::string& problem);
  bool ExportCsv(const std::string& path, std::string& problem);
  void ResetZoom();
  // Whether the user has changed the axes since the last automatic scaling.
  bool IsZoomed() const;

 private:
  void RefreshTrends();
  void RefreshProfile();
  void ChooseFileAndExport(bool picture);
  void Scale(double xLow, double xHigh, double yLow, double yHigh);

  CHostViews& m_views;
  HostViewRequest m_request;
  QChartView* m_view = nullptr;
  QValueAxis* m_x = nullptr;
  QValueAxis* m_y = nullptr;
  // The ranges the last automatic scaling set; axes that differ were zoomed by the user.
  bool m_scaled = false;
  double m_scaledRange[4] = {0.0, 0.0, 0.0, 0.0};
};
