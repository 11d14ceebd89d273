#include "app/views/FormTableModel.h"

#include <QBrush>

#include "platform/UserInterface.h"

namespace {

QString Number(double value) { return QString::fromStdString(ViewNumber(value)); }
QString Bound(const std::optional<double>& value) { return value ? Number(*value) : QString(); }

}  // namespace

FormTableModel::FormTableModel(CHostViews& views, CFormContents form, QObject* parent)
    : QAbstractTableModel(parent), m_views(views), m_form(std::move(form)) {
  Refresh();
}

void FormTableModel::Refresh() {
  std::vector<TableRowValues> rows = m_views.TableRows(m_form);
  if (rows.size() == m_rows.size()) {
    m_rows = std::move(rows);
    if (!m_rows.empty()) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
    return;
  }
  beginResetModel();
  m_rows = std::move(rows);
  endResetModel();
}

int FormTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FormTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant FormTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const TableRowValues& row = m_rows[static_cast<std::size_t>(index.row())];
  if (role == Qt::ForegroundRole && !row.problem.empty()) return QBrush(Qt::darkRed);
  if (role == Qt::ToolTipRole && !row.problem.empty()) return QString::fromStdString(row.problem);
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  if (!row.problem.empty()) {
    if (index.column() == kVariable) return QString::fromStdString(row.path);
    return index.column() == kValue ? QStringLiteral("missing") : QVariant();
  }
  switch (index.column()) {
    case kVariable: return QString::fromStdString(row.path);
    case kValue: return Number(row.value);
    case kUnits: return QString::fromStdString(row.unit);
    case kSpec: return QString::fromStdString(row.spec);
    case kLower: return Bound(row.lower);
    case kUpper: return Bound(row.upper);
    case kDescription: return QString::fromStdString(row.description);
  }
  return {};
}

QVariant FormTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  static const char* const kHeaders[] = {"Variable", "Value", "Units", "Spec", "Lower", "Upper", "Description"};
  return section >= 0 && section < kColumnCount ? QString::fromLatin1(kHeaders[section]) : QVariant();
}

Qt::ItemFlags FormTableModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && index.column() == kValue && index.row() < rowCount() &&
      m_rows[static_cast<std::size_t>(index.row())].editable)
    flags |= Qt::ItemIsEditable;
  return flags;
}

bool FormTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const std::string path = m_rows[static_cast<std::size_t>(index.row())].path;
  std::string problem;
  if (!m_views.SetValue(path, value.toString().trimmed().toStdString(), problem)) {
    UI().MessageBox({nullptr, problem, "Table", MB_OK | MB_ICONEXCLAMATION});
    return false;
  }
  Refresh();
  return true;
}
