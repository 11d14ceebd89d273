#include "app/peers/ListCtrlPeer.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHeaderView>
#include <QListView>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTreeView>

#include "app/models/PlatformItemDelegate.h"
#include "app/peers/FocusFollower.h"
#include "app/peers/ListViewInput.h"

namespace {

void CommonViewSettings(QAbstractItemView& view) {
  view.setSelectionMode(QAbstractItemView::NoSelection);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  view.setAutoScroll(false);
  view.setFocusPolicy(Qt::StrongFocus);
}

}  // namespace

ListCtrlPeer::ListCtrlPeer(WindowPeerFactory& factory, CListCtrl& list, QWidget* parentArea, PeerUnits units)
    : WindowPeer(factory, list, units) {
  m_stack = new QStackedWidget(parentArea);
  SetWidget(m_stack);
  m_model = new ListCtrlModel(list, m_stack);
  m_delegate = new PlatformItemDelegate(m_stack);
  const int rowHeight = std::max(kListRowHeight, m_stack->fontMetrics().height() + 2);

  m_iconView = new QListView(m_stack);
  CommonViewSettings(*m_iconView);
  m_iconView->setModel(m_model);
  m_iconView->setItemDelegate(m_delegate);
  m_iconView->setUniformItemSizes(true);
  m_iconView->setResizeMode(QListView::Adjust);
  m_iconView->setLayoutMode(QListView::Batched);
  m_iconView->setBatchSize(2000);
  m_stack->addWidget(m_iconView);

  m_detailsView = new QTreeView(m_stack);
  CommonViewSettings(*m_detailsView);
  m_detailsView->setModel(m_model);
  auto* detailsDelegate = new PlatformItemDelegate(m_detailsView);
  detailsDelegate->SetRowHeight(rowHeight);
  m_detailsView->setItemDelegate(detailsDelegate);
  m_detailsView->setRootIsDecorated(false);
  m_detailsView->setItemsExpandable(false);
  m_detailsView->setUniformRowHeights(true);
  m_detailsView->setAllColumnsShowFocus(true);
  m_detailsView->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  m_detailsView->setIconSize(QSize(16, 16));
  QHeaderView* header = m_detailsView->header();
  header->setStretchLastSection(false);
  header->setSectionsMovable(false);
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(false);  // until the control has a sort mark
  m_stack->addWidget(m_detailsView);

  new ListViewInput(*m_iconView, *m_model, list.m_hWnd, 0);
  m_detailsInput = new ListViewInput(*m_detailsView, *m_model, list.m_hWnd, kListHeaderHeight);
  FollowFocus(m_iconView, list.m_hWnd);
  FollowFocus(m_detailsView, list.m_hWnd);

  QObject::connect(header, &QHeaderView::sectionClicked, m_detailsView, [this](int column) {
    if (m_model) m_model->Flush();
    if (CListCtrl* control = List()) control->UserClickColumn(column);
    ShowSortMark();  // the header turned its arrow itself; the control's mark says where it belongs
  });
  QObject::connect(header, &QHeaderView::sectionResized, m_detailsView,
                   [this](int column, int, int width) { ColumnResized(column, width); });
  QObject::connect(m_detailsView->verticalScrollBar(), &QScrollBar::valueChanged, m_detailsView,
                   [this] { ScrollToControl(); });
  m_model->onReset = [this] {
    FitNameColumn();
    ShowColumnWidths();
    ShowSortMark();
    ScrollFromControl();
  };
  m_model->onColumnWidthsChanged = [this] {
    ShowColumnWidths();
    ShowSortMark();
  };
  list.AddObserver(this);
  ShowViewStyle();
  ShowColumnWidths();
}

ListCtrlPeer::~ListCtrlPeer() {
  if (CListCtrl* list = List(); list && m_observing) list->RemoveObserver(this);
  if (m_model) m_model->Detach();
}

CListCtrl* ListCtrlPeer::List() const { return m_observing ? dynamic_cast<CListCtrl*>(Window()) : nullptr; }

QAbstractItemView* ListCtrlPeer::CurrentView() const {
  if (!m_stack) return nullptr;
  return qobject_cast<QAbstractItemView*>(m_stack->currentWidget());
}

void ListCtrlPeer::Sync() {
  WindowPeer::Sync();
  ShowViewStyle();
}

void ListCtrlPeer::Flush() {
  if (m_model) m_model->Flush();
}

void ListCtrlPeer::ShowViewStyle() {
  CListCtrl* list = List();
  if (!list || !m_stack || !m_model) return;
  DWORD style = list->GetStyle() & (LVS_TYPEMASK | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER);
  if (style == m_shownStyle) return;
  m_shownStyle = style;
  const DWORD view = style & LVS_TYPEMASK;
  const int rowHeight = std::max(kListRowHeight, m_stack->fontMetrics().height() + 2);
  if (view == LVS_REPORT) {
    bool header = !(style & LVS_NOCOLUMNHEADER);
    m_detailsView->header()->setVisible(header);
    m_detailsView->header()->setSectionsClickable(!(style & LVS_NOSORTHEADER));
    m_detailsInput->SetHeaderHeight(header ? kListHeaderHeight : 0);
    m_model->SetLargePictures(false);
    m_stack->setCurrentWidget(m_detailsView);
  } else {
    bool large = view == LVS_ICON;
    m_model->SetLargePictures(large);
    m_iconView->setViewMode(large ? QListView::IconMode : QListView::ListMode);
    m_iconView->setMovement(QListView::Static);
    m_iconView->setWrapping(true);
    m_iconView->setFlow(view == LVS_LIST ? QListView::TopToBottom : QListView::LeftToRight);
    m_iconView->setWordWrap(large);
    m_iconView->setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    m_iconView->setGridSize(large ? QSize(kLargeIconCellWidth, kLargeIconCellHeight)
                                  : QSize(kSmallIconCellWidth, rowHeight));
    m_delegate->SetCellSize(large ? QSize(kLargeIconCellWidth, kLargeIconCellHeight) : QSize());
    m_stack->setCurrentWidget(m_iconView);
  }
  ScrollFromControl();
}

void ListCtrlPeer::ShowColumnWidths() {
  CListCtrl* list = List();
  if (!list || !m_detailsView) return;
  m_showingWidths = true;
  QHeaderView* header = m_detailsView->header();
  for (int col = 0; col < list->GetColumnCount() && col < header->count(); ++col) {
    int width = list->GetColumnWidth(col);
    if (header->sectionSize(col) != width) header->resizeSection(col, width);
  }
  m_showingWidths = false;
}

void ListCtrlPeer::ShowSortMark() {
  CListCtrl* list = List();
  if (!list || !m_detailsView) return;
  QHeaderView* header = m_detailsView->header();
  const int column = list->GetSortMarkColumn();
  if (column < 0 || column >= header->count()) {
    header->setSortIndicatorShown(false);
    return;
  }
  const Qt::SortOrder order = list->IsSortMarkAscending() ? Qt::AscendingOrder : Qt::DescendingOrder;
  if (header->sortIndicatorSection() != column || header->sortIndicatorOrder() != order)
    header->setSortIndicator(column, order);
  header->setSortIndicatorShown(true);
}

// The Explorer gives a Name column it has no stored width for 100 pixels;
// names longer than that are widened to (up to half the pane), and the width
// goes back to the control, which keeps it as the user's.
void ListCtrlPeer::FitNameColumn() {
  constexpr int kUnsizedNameWidth = 100;
  constexpr int kRowsMeasured = 1000;  // enough to see the names' length without reading every row
  constexpr int kIconAndPadding = 16 + 4 + 12;
  CListCtrl* list = List();
  if (!list || !m_model || !m_detailsView || list->GetColumnCount() == 0) return;
  if (list->GetColumnWidth(0) != kUnsizedNameWidth) return;
  const QFontMetrics metrics(m_detailsView->font());
  int widest = 0;
  const int rows = std::min(m_model->rowCount(), kRowsMeasured);
  for (int row = 0; row < rows; ++row)
    widest = std::max(widest, metrics.horizontalAdvance(m_model->index(row, 0).data().toString()));
  const int most = std::max(kUnsizedNameWidth, m_stack->width() / 2);
  const int wanted = std::min(most, widest + kIconAndPadding);
  if (wanted > kUnsizedNameWidth) list->SetColumnWidth(0, wanted);
}

void ListCtrlPeer::ColumnResized(int column, int width) {
  CListCtrl* list = List();
  if (m_showingWidths || !list || column >= list->GetColumnCount()) return;
  if (list->GetColumnWidth(column) != width) list->SetColumnWidth(column, width);
}

void ListCtrlPeer::ScrollFromControl() {
  CListCtrl* list = List();
  QAbstractItemView* view = CurrentView();
  if (!list || !view || !m_model || m_scrolling || m_model->IsResetPending()) return;
  int row = -1;
  QAbstractItemView::ScrollHint hint = QAbstractItemView::EnsureVisible;
  if (view == m_detailsView) {
    row = list->GetTopIndex();
    hint = QAbstractItemView::PositionAtTop;
    if (m_detailsView->indexAt(QPoint(1, 1)).row() == row) return;
  } else {
    // The icon views lay rows out their own way: keep the focused row in sight.
    row = list->GetNextItem(-1, LVNI_FOCUSED);
  }
  if (row < 0 || row >= m_model->rowCount()) return;
  m_scrolling = true;
  view->scrollTo(m_model->index(row, 0), hint);
  m_scrolling = false;
}

void ListCtrlPeer::ScrollToControl() {
  CListCtrl* list = List();
  if (!list || !m_model || m_scrolling || m_model->IsResetPending() || CurrentView() != m_detailsView) return;
  QModelIndex top = m_detailsView->indexAt(QPoint(1, 1));
  if (!top.isValid()) return;
  int rows = top.row() - list->GetTopIndex();
  if (rows == 0) return;
  m_scrolling = true;
  list->Scroll(CSize(0, rows * kListRowHeight));
  m_scrolling = false;
}

QWidget* ListCtrlPeer::LabelEditHost(QRect* rect) const {
  CListCtrl* list = List();
  QAbstractItemView* view = CurrentView();
  if (!list || !view || !m_model) return nullptr;
  int row = list->GetEditItem();
  if (row < 0 || row >= m_model->rowCount()) return nullptr;
  QModelIndex index = m_model->index(row, 0);
  view->scrollTo(index);
  QRect cell = view->visualRect(index);
  const int lineHeight = view->fontMetrics().height() + 6;
  QRect label;
  if (view == m_iconView && m_iconView->viewMode() == QListView::IconMode) {
    label = QRect(cell.left() - 8, cell.top() + 36, cell.width() + 16, lineHeight);
  } else {
    int left = cell.left() + 20;
    label = QRect(left, cell.top(), std::max(cell.right() - left, 120), std::max(cell.height(), lineHeight));
  }
  if (rect) *rect = label;
  return view->viewport();
}

void ListCtrlPeer::ListViewStyleChanged(CListCtrl&) {
  m_shownStyle = ~0u;
  ShowViewStyle();
}

void ListCtrlPeer::ListScrolled(CListCtrl&) { ScrollFromControl(); }

void ListCtrlPeer::ListDestroyed(CListCtrl&) { m_observing = false; }
