#include "app/views/FinderWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace {

enum FinderColumn { kFoundVariable, kFoundValue, kFoundUnits, kFoundSpec, kFoundDescription, kFoundColumns };

}  // namespace

void FoundVariablesModel::SetResults(std::vector<FoundVariable> found) {
  beginResetModel();
  m_found = std::move(found);
  endResetModel();
}

int FoundVariablesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_found.size());
}

int FoundVariablesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kFoundColumns; }

QVariant FoundVariablesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole || index.row() >= rowCount()) return {};
  const FoundVariable& found = m_found[static_cast<std::size_t>(index.row())];
  switch (index.column()) {
    case kFoundVariable: return QString::fromStdString(found.path);
    case kFoundValue: return QString::fromStdString(ViewNumber(found.value));
    case kFoundUnits: return QString::fromStdString(found.unit);
    case kFoundSpec: return QString::fromStdString(found.spec);
    case kFoundDescription: return QString::fromStdString(found.description);
  }
  return {};
}

QVariant FoundVariablesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  static const char* const kHeaders[] = {"Variable", "Value", "Units", "Spec", "Description"};
  return section >= 0 && section < kFoundColumns ? QString::fromLatin1(kHeaders[section]) : QVariant();
}

FinderWindow::FinderWindow(CHostViews& views, std::string start, QWidget* parent)
    : QWidget(parent), m_views(views), m_start(std::move(start)) {
  m_pattern = new QLineEdit(QStringLiteral("*"), this);
  m_pattern->setPlaceholderText(QStringLiteral("Variable path, with * and ? wildcards"));
  m_count = new QLabel(this);
  m_model = new FoundVariablesModel(this);
  m_table = new QTableView(this);
  m_table->setModel(m_model);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->verticalHeader()->setVisible(false);
  m_table->horizontalHeader()->setStretchLastSection(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromStdString("Find variables in " + (m_start.empty() ? "Flowsheet" : m_start)), this));
  layout->addWidget(m_pattern);
  layout->addWidget(m_table, 1);
  layout->addWidget(m_count);
  connect(m_pattern, &QLineEdit::textChanged, this, [this] { Refresh(); });
  connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (!index.isValid() || index.row() >= m_model->rowCount() || !onOpenBlock) return;
    onOpenBlock(m_model->Results()[static_cast<std::size_t>(index.row())].unitPath);
  });
  Refresh();
}

void FinderWindow::Refresh() {
  m_model->SetResults(m_views.Find(m_start, m_pattern->text().trimmed().toStdString()));
  const int count = m_model->rowCount();
  m_count->setText(QStringLiteral("%1 %2").arg(count).arg(count == 1 ? QStringLiteral("variable") : QStringLiteral("variables")));
}
