#include "app/peers/TreeCtrlPeer.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeView>

#include "app/models/PlatformItemDelegate.h"
#include "app/models/TreeCtrlModel.h"
#include "app/peers/FocusFollower.h"
#include "app/peers/TreeViewInput.h"

TreeCtrlPeer::TreeCtrlPeer(WindowPeerFactory& factory, CTreeCtrl& tree, QWidget* parentArea, PeerUnits units)
    : WindowPeer(factory, tree, units) {
  m_view = new QTreeView(parentArea);
  SetWidget(m_view);
  m_model = new TreeCtrlModel(tree, m_view);
  m_delegate = new PlatformItemDelegate(m_view);
  m_delegate->SetRowHeight(std::max(CTreeCtrl::kItemHeight, m_view->fontMetrics().height() + 2));
  m_view->setModel(m_model);
  m_view->setItemDelegate(m_delegate);
  m_view->header()->hide();
  m_view->setUniformRowHeights(true);
  m_view->setIndentation(CTreeCtrl::kIndent);
  m_view->setIconSize(QSize(CTreeCtrl::kIconWidth, CTreeCtrl::kIconWidth));
  m_view->setSelectionMode(QAbstractItemView::NoSelection);
  m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_view->setItemsExpandable(false);
  m_view->setExpandsOnDoubleClick(false);
  m_view->setAutoScroll(false);
  m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  m_view->setFocusPolicy(Qt::StrongFocus);
  m_model->onReset = [this] {
    ShowExpansion(TVI_ROOT);
    ScrollFromControl();
  };
  QObject::connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, m_view, [this] { ScrollToControl(); });
  new TreeViewInput(*m_view, *m_model, tree.m_hWnd);
  FollowFocus(m_view, tree.m_hWnd);
  tree.AddObserver(this);
  m_model->onReset();
}

TreeCtrlPeer::~TreeCtrlPeer() {
  if (CTreeCtrl* tree = Tree()) tree->RemoveObserver(this);
  if (m_model) m_model->Detach();
}

CTreeCtrl* TreeCtrlPeer::Tree() const { return dynamic_cast<CTreeCtrl*>(Window()); }

void TreeCtrlPeer::Sync() {
  WindowPeer::Sync();
  CTreeCtrl* tree = Tree();
  if (!tree || !m_view) return;
  m_view->setRootIsDecorated((tree->GetStyle() & TVS_LINESATROOT) != 0);
  m_view->viewport()->update();
}

void TreeCtrlPeer::Flush() {
  if (m_model) m_model->Flush();
}

void TreeCtrlPeer::ShowExpansion(HTREEITEM parent) {
  CTreeCtrl* tree = Tree();
  if (!tree || !m_view || !m_model) return;
  const int count = tree->GetChildCount(parent);
  for (int row = 0; row < count; ++row) {
    HTREEITEM child = tree->GetChildItemAt(parent, row);
    if (!child || !(tree->GetItemState(child, TVIS_EXPANDED) & TVIS_EXPANDED) || tree->GetChildCount(child) == 0)
      continue;
    m_view->setExpanded(m_model->IndexOf(child), true);
    ShowExpansion(child);
  }
}

void TreeCtrlPeer::TreeExpansionChanged(CTreeCtrl&, HTREEITEM item, bool expanded) {
  if (!m_view || !m_model || m_model->IsResetPending()) return;  // the reset shows the expansion
  QModelIndex index = m_model->IndexOf(item);
  if (!index.isValid()) return;
  m_view->setExpanded(index, expanded);
  if (expanded) ShowExpansion(item);
}

void TreeCtrlPeer::TreeScrolled(CTreeCtrl&) {
  if (m_model && !m_model->IsResetPending()) ScrollFromControl();
}

void TreeCtrlPeer::ScrollFromControl() {
  CTreeCtrl* tree = Tree();
  if (!tree || !m_view || !m_model || m_scrolling) return;
  QModelIndex top = m_model->IndexOf(tree->GetFirstVisibleItem());
  if (!top.isValid() || m_view->indexAt(QPoint(1, 1)) == top) return;
  m_scrolling = true;
  m_view->scrollTo(top, QAbstractItemView::PositionAtTop);
  m_scrolling = false;
}

void TreeCtrlPeer::ScrollToControl() {
  CTreeCtrl* tree = Tree();
  if (!tree || !m_view || !m_model || m_scrolling || m_model->IsResetPending()) return;
  HTREEITEM top = m_model->ItemAt(m_view->indexAt(QPoint(1, 1)));
  if (!top || top == tree->GetFirstVisibleItem()) return;
  m_scrolling = true;
  tree->SelectSetFirstVisible(top);
  m_scrolling = false;
}

QWidget* TreeCtrlPeer::LabelEditHost(QRect* rect) const {
  CTreeCtrl* tree = Tree();
  if (!tree || !m_view || !m_model) return nullptr;
  QModelIndex index = m_model->IndexOf(tree->GetEditItem());
  if (!index.isValid()) return nullptr;
  m_view->scrollTo(index);
  QRect item = m_view->visualRect(index);
  int textLeft = item.left() + m_view->iconSize().width() + 4;
  int width = std::max(item.right() - textLeft + 24, 120);
  if (rect) *rect = QRect(textLeft, item.top(), width, std::max(item.height(), m_view->fontMetrics().height() + 6));
  return m_view->viewport();
}
