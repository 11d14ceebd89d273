#include "app/models/ListCtrlModel.h"

#include <QColor>
#include <QFont>
#include <QTimer>

#include "app/models/ImageListPictures.h"
#include "app/models/ItemRoles.h"
#include "app/models/NestedAnswer.h"
#include "platform/Draw.h"

namespace {

Qt::Alignment AlignmentOf(int format) {
  switch (format & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

bool HasState(CListCtrl& list, int row, UINT bit) { return (list.GetItemState(row, bit) & bit) != 0; }

}  // namespace

ListCtrlModel::ListCtrlModel(CListCtrl& list, QObject* parent)
    : QAbstractTableModel(parent), m_hwnd(list.m_hWnd), m_list(&list) {
  list.AddObserver(this);
  m_columns = ReadColumns();
}

ListCtrlModel::~ListCtrlModel() { Detach(); }

void ListCtrlModel::Detach() {
  if (CListCtrl* list = List()) list->RemoveObserver(this);
  Forget();
}

void ListCtrlModel::Forget() {
  if (!m_list) return;
  beginResetModel();
  m_list = nullptr;
  m_hwnd = nullptr;
  m_columns.clear();
  m_resetPending = false;
  endResetModel();
}

CListCtrl* ListCtrlModel::List() const { return m_list && CWnd::FromHandle(m_hwnd) == m_list ? m_list : nullptr; }

void ListCtrlModel::SetLargePictures(bool large) {
  if (m_large == large) return;
  m_large = large;
  int rows = rowCount();
  if (rows > 0) Q_EMIT dataChanged(index(0, 0), index(rows - 1, 0), {Qt::DecorationRole});
}

std::vector<ListCtrlModel::Column> ListCtrlModel::ReadColumns() const {
  std::vector<Column> columns;
  CListCtrl* list = List();
  if (!list) return columns;
  for (int col = 0; col < list->GetColumnCount(); ++col) {
    char heading[260] = {};
    LVCOLUMN column;
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    if (list->GetColumn(col, &column)) columns.push_back(Column{heading, column.fmt});
  }
  return columns;
}

int ListCtrlModel::rowCount(const QModelIndex& parent) const {
  CListCtrl* list = List();
  return list && !parent.isValid() ? list->GetItemCount() : 0;
}

int ListCtrlModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !List()) return 0;
  // Row labels are column 0 even before the owner adds any column.
  return std::max<int>(1, static_cast<int>(m_columns.size()));
}

const ListCellAttributes& ListCtrlModel::Attributes(CListCtrl& list, int row, int column) const {
  if (row != m_cachedRow || column != m_cachedColumn) {
    m_cachedAttributes = list.CellAttributes(row, column);
    m_cachedRow = row;
    m_cachedColumn = column;
  }
  return m_cachedAttributes;
}

QVariant ListCtrlModel::Picture(CListCtrl& list, int row) const {
  int image = list.GetDisplayImage(row);
  if (row >= list.GetItemCount()) return {};
  CImageList* images = list.GetImageList(m_large ? LVSIL_NORMAL : LVSIL_SMALL);
  int overlay = static_cast<int>((list.GetItemState(row, LVIS_OVERLAYMASK) & LVIS_OVERLAYMASK) >> 8);
  QPixmap picture = ImageListPicture(images, image, overlay, m_large ? 32 : 16);
  return picture.isNull() ? QVariant() : QVariant(picture);
}

QVariant ListCtrlModel::data(const QModelIndex& index, int role) const {
  CListCtrl* list = List();
  if (!list || !index.isValid() || index.row() >= list->GetItemCount()) return {};
  const int row = index.row();
  const int column = index.column();
  NestedAnswer answering(m_answering);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(list->GetItemText(row, column));
    case Qt::DecorationRole:
      return column == 0 ? Picture(*list, row) : QVariant();
    case Qt::ForegroundRole: {
      const ListCellAttributes& cell = Attributes(*list, row, column);
      if (cell.textColour == GetSysColor(COLOR_WINDOWTEXT)) return {};
      COLORREF c = cell.textColour;
      return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
    }
    case Qt::FontRole: {
      if (!Attributes(*list, row, column).underline) return {};
      QFont font;
      font.setUnderline(true);
      return font;
    }
    case Qt::TextAlignmentRole:
      if (column < static_cast<int>(m_columns.size())) return static_cast<int>(AlignmentOf(m_columns[column].format));
      return {};
    case kSelectedRole:
      return HasState(*list, row, LVIS_SELECTED);
    case kFocusedRole:
      return HasState(*list, row, LVIS_FOCUSED);
    case kDropHighlightRole:
      return HasState(*list, row, LVIS_DROPHILITED);
    case kCutRole:
      return HasState(*list, row, LVIS_CUT);
    default:
      return {};
  }
}

QVariant ListCtrlModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(m_columns.size())) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(m_columns[section].heading);
  if (role == Qt::TextAlignmentRole) return static_cast<int>(AlignmentOf(m_columns[section].format));
  return {};
}

Qt::ItemFlags ListCtrlModel::flags(const QModelIndex& index) const {
  return index.isValid() && List() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ListCtrlModel::Flush() {
  if (!m_resetPending) return;
  m_resetPending = false;
  beginResetModel();
  m_columns = ReadColumns();
  m_cachedRow = m_cachedColumn = -1;
  endResetModel();
  if (onReset) onReset();
}

void ListCtrlModel::ScheduleReset() {
  m_cachedRow = m_cachedColumn = -1;
  if (m_resetPending) return;
  m_resetPending = true;
  QTimer::singleShot(0, this, [this] { Flush(); });
}

void ListCtrlModel::ListRowsReset(CListCtrl&) { ScheduleReset(); }
void ListCtrlModel::ListRowsInserted(CListCtrl&, int, int) { ScheduleReset(); }
void ListCtrlModel::ListRowsRemoved(CListCtrl&, int, int) { ScheduleReset(); }

void ListCtrlModel::ListRowsChanged(CListCtrl&, int first, int last) {
  m_cachedRow = m_cachedColumn = -1;
  if (m_resetPending || m_answering) return;
  int rows = rowCount();
  first = std::max(first, 0);
  last = std::min(last, rows - 1);
  if (first > last) return;
  Q_EMIT dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void ListCtrlModel::ListColumnsChanged(CListCtrl&) {
  if (m_resetPending) return;
  if (ReadColumns() != m_columns) {
    ScheduleReset();
  } else if (onColumnWidthsChanged) {
    onColumnWidthsChanged();
  }
}

void ListCtrlModel::ListDestroyed(CListCtrl&) { Forget(); }
