#include "app/views/HistoryTableModel.h"

#include <set>

HistoryTableModel::HistoryTableModel(CHostViews& views, CFormContents form, QObject* parent)
    : QAbstractTableModel(parent), m_views(views), m_form(std::move(form)) {
  Refresh();
}

void HistoryTableModel::Refresh() {
  beginResetModel();
  m_history = m_views.History(m_form);
  endResetModel();
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_history.times.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_history.columns.size()) + 1;
}

QString HistoryTableModel::Cell(int row, int column) const {
  const auto r = static_cast<std::size_t>(row);
  if (column == 0) return QString::fromStdString(ViewNumber(m_history.times[r]));
  const std::vector<double>& values = m_history.columns[static_cast<std::size_t>(column - 1)].values;
  return r < values.size() ? QString::fromStdString(ViewNumber(values[r])) : QString();
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole || index.row() >= rowCount() || index.column() >= columnCount())
    return {};
  return Cell(index.row(), index.column());
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (section == 0) return QStringLiteral("Time");
  if (section < 1 || section > static_cast<int>(m_history.columns.size())) return {};
  const HistoryColumn& column = m_history.columns[static_cast<std::size_t>(section - 1)];
  return QString::fromStdString(column.unit.empty() ? column.path : column.path + " (" + column.unit + ")");
}

QString HistoryTableModel::CopyText(const QModelIndexList& selection) const {
  std::set<int> rows, columns;
  for (const QModelIndex& index : selection) {
    rows.insert(index.row());
    columns.insert(index.column());
  }
  if (selection.isEmpty()) {
    for (int r = 0; r < rowCount(); ++r) rows.insert(r);
    for (int c = 0; c < columnCount(); ++c) columns.insert(c);
  }
  QString text;
  auto line = [&](auto cell) {
    bool first = true;
    for (int c : columns) {
      if (!first) text += QLatin1Char('\t');
      text += cell(c);
      first = false;
    }
    text += QLatin1Char('\n');
  };
  line([&](int c) { return headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(); });
  for (int r : rows) line([&](int c) { return Cell(r, c); });
  return text;
}
