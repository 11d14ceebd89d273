#include "app/views/ChartWindow.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include "app/Screenshot.h"
#include "platform/FileDialog.h"
#include "platform/SafeFile.h"
#include "platform/UserInterface.h"

namespace {

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void Take(double value) {
    if (std::isnan(value)) return;
    low = std::min(low, value);
    high = std::max(high, value);
  }
  bool Empty() const { return !(low <= high); }
  // A range with room: a flat line gets a band around it.
  std::pair<double, double> Padded() const {
    if (Empty()) return {0.0, 1.0};
    if (low == high) return {low - std::max(1.0, std::abs(low)) * 0.05, high + std::max(1.0, std::abs(high)) * 0.05};
    const double margin = (high - low) * 0.05;
    return {low - margin, high + margin};
  }
};

QString SeriesName(const std::string& path, const std::string& unit) {
  return QString::fromStdString(unit.empty() ? path : path + " (" + unit + ")");
}

}  // namespace

ChartWindow::ChartWindow(CHostViews& views, const HostViewRequest& request, QWidget* parent)
    : QWidget(parent), m_views(views), m_request(request) {
  auto* chart = new QChart;
  chart->legend()->setVisible(true);
  chart->legend()->setAlignment(Qt::AlignBottom);
  m_x = new QValueAxis;
  m_y = new QValueAxis;
  m_x->setTitleText(QString::fromStdString(request.kind == HostViewKind::Plot ? "Time" : request.form.axisLabel));
  chart->addAxis(m_x, Qt::AlignBottom);
  chart->addAxis(m_y, Qt::AlignLeft);
  chart->setTitle(QString::fromStdString(request.title));
  m_view = new QChartView(chart, this);
  m_view->setRenderHint(QPainter::Antialiasing);
  m_view->setRubberBand(QChartView::RectangleRubberBand);

  auto* buttons = new QHBoxLayout;
  auto* reset = new QPushButton(QStringLiteral("Reset Zoom"), this);
  auto* png = new QPushButton(QStringLiteral("Export PNG..."), this);
  auto* csv = new QPushButton(QStringLiteral("Export CSV..."), this);
  connect(reset, &QPushButton::clicked, this, [this] { ResetZoom(); });
  connect(png, &QPushButton::clicked, this, [this] { ChooseFileAndExport(true); });
  connect(csv, &QPushButton::clicked, this, [this] { ChooseFileAndExport(false); });
  buttons->addWidget(reset);
  buttons->addStretch();
  buttons->addWidget(png);
  buttons->addWidget(csv);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_view, 1);
  layout->addLayout(buttons);
  Refresh();
}

QChart* ChartWindow::Chart() const { return m_view->chart(); }

void ChartWindow::Refresh() {
  if (m_request.kind == HostViewKind::Plot) {
    RefreshTrends();
  } else {
    RefreshProfile();
  }
}

bool ChartWindow::IsZoomed() const {
  return m_scaled && (m_x->min() != m_scaledRange[0] || m_x->max() != m_scaledRange[1] ||
                      m_y->min() != m_scaledRange[2] || m_y->max() != m_scaledRange[3]);
}

// A range the user picked (a rubber band) holds until Reset Zoom; a refresh leaves it.
void ChartWindow::Scale(double xLow, double xHigh, double yLow, double yHigh) {
  if (IsZoomed()) return;
  m_x->setRange(xLow, xHigh);
  m_y->setRange(yLow, yHigh);
  m_scaledRange[0] = m_x->min();
  m_scaledRange[1] = m_x->max();
  m_scaledRange[2] = m_y->min();
  m_scaledRange[3] = m_y->max();
  m_scaled = true;
}

void ChartWindow::ResetZoom() {
  m_scaled = false;
  Refresh();
}

// One series a variable, its points replaced whole: a long history draws in one go.
void ChartWindow::RefreshTrends() {
  const HistoryTable history = m_views.History(m_request.form);
  QChart* chart = Chart();
  QList<QAbstractSeries*> series = chart->series();
  Range x, y, fixed;
  bool allFixed = !history.columns.empty();
  for (std::size_t c = 0; c < history.columns.size(); ++c) {
    const HistoryColumn& column = history.columns[c];
    QLineSeries* line = nullptr;
    if (c < static_cast<std::size_t>(series.size())) {
      line = static_cast<QLineSeries*>(series[static_cast<qsizetype>(c)]);
    } else {
      line = new QLineSeries;
      chart->addSeries(line);
      line->attachAxis(m_x);
      line->attachAxis(m_y);
    }
    line->setName(SeriesName(column.path, column.unit));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(history.times.size()));
    for (std::size_t i = 0; i < history.times.size() && i < column.values.size(); ++i) {
      if (std::isnan(column.values[i])) continue;
      points.append(QPointF(history.times[i], column.values[i]));
      x.Take(history.times[i]);
      y.Take(column.values[i]);
    }
    line->replace(points);
    if (column.low && column.high) {
      fixed.Take(*column.low);
      fixed.Take(*column.high);
    } else {
      allFixed = false;
    }
  }
  const auto [xLow, xHigh] = x.Empty() ? std::pair<double, double>{0.0, 1.0}
                                       : std::pair<double, double>{x.low, x.high > x.low ? x.high : x.low + 1.0};
  const auto [yLow, yHigh] = allFixed ? std::pair<double, double>{fixed.low, fixed.high} : y.Padded();
  Scale(xLow, xHigh, yLow, yHigh);
}

// The profile's points at the current values, numbered along the axis.
void ChartWindow::RefreshProfile() {
  const std::vector<TableRowValues> rows = m_views.TableRows(m_request.form);
  QChart* chart = Chart();
  QLineSeries* line = chart->series().isEmpty() ? nullptr : static_cast<QLineSeries*>(chart->series().front());
  if (!line) {
    line = new QLineSeries;
    line->setPointsVisible(true);
    chart->addSeries(line);
    line->attachAxis(m_x);
    line->attachAxis(m_y);
  }
  std::string unit;
  QList<QPointF> points;
  Range y;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].problem.empty()) continue;
    points.append(QPointF(static_cast<double>(i + 1), rows[i].value));
    y.Take(rows[i].value);
    if (unit.empty()) unit = rows[i].unit;
  }
  line->replace(points);
  line->setName(SeriesName(m_request.form.name, unit));
  m_x->setTickCount(std::clamp(static_cast<int>(rows.size()), 2, 12));
  const auto [yLow, yHigh] = y.Padded();
  Scale(1.0, std::max(2.0, static_cast<double>(rows.size())), yLow, yHigh);
}

std::string ChartWindow::CsvText() const {
  if (m_request.kind == HostViewKind::Plot) return HistoryCsv(m_views.History(m_request.form));
  std::string text = "Point,Variable,Value,Units\n";
  int point = 0;
  for (const TableRowValues& row : m_views.TableRows(m_request.form))
    text += std::to_string(++point) + "," + row.path + "," + (row.problem.empty() ? ViewNumber(row.value) : "") + "," +
            row.unit + "\n";
  return text;
}

bool ChartWindow::ExportPicture(const std::string& path, std::string& problem) {
  return SaveScreenshot(*m_view, path, problem);
}

bool ChartWindow::ExportCsv(const std::string& path, std::string& problem) {
  if (ReplaceFileContents(path, CsvText()) != 0) {
    problem = "Cannot write " + path + ".";
    return false;
  }
  return true;
}

void ChartWindow::ChooseFileAndExport(bool picture) {
  CFileDialog dialog(false, picture ? "png" : "csv", {}, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                     picture ? "PNG Picture (*.png)|*.png||" : "Comma-Separated Values (*.csv)|*.csv||");
  if (dialog.DoModal() != IDOK) return;
  std::string problem;
  if (!(picture ? ExportPicture(dialog.GetPathName(), problem) : ExportCsv(dialog.GetPathName(), problem)))
    UI().MessageBox({nullptr, problem, "Export", MB_OK | MB_ICONEXCLAMATION});
}
