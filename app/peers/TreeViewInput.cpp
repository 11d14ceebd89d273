#include "app/peers/TreeViewInput.h"

#include <QTreeView>

#include "app/models/TreeCtrlModel.h"

TreeViewInput::TreeViewInput(QTreeView& view, TreeCtrlModel& model, HWND control)
    : ControlViewInput(view, control), m_tree(view), m_model(model) {}

CTreeCtrl* TreeViewInput::Tree() const { return dynamic_cast<CTreeCtrl*>(CWnd::FromHandle(m_control)); }

HTREEITEM TreeViewInput::ItemAt(QPoint position) const { return m_model.ItemAt(m_tree.indexAt(position)); }

bool TreeViewInput::OnButton(QPoint position) const {
  QModelIndex index = m_tree.indexAt(position);
  if (!index.isValid()) return false;
  QRect item = m_tree.visualRect(index);
  return position.x() < item.left() && position.x() >= item.left() - m_tree.indentation();
}

void TreeViewInput::Flush() { m_model.Flush(); }

void TreeViewInput::Press(QPoint position) { ClickItem(position, &CTreeCtrl::UserClick); }

void TreeViewInput::DoubleClick(QPoint position) { ClickItem(position, &CTreeCtrl::UserDoubleClick); }

void TreeViewInput::ClickItem(QPoint position, bool (CTreeCtrl::*click)(HTREEITEM)) {
  CTreeCtrl* tree = Tree();
  HTREEITEM item = ItemAt(position);
  if (!tree || !item) return;
  // On the expand button a click or double-click opens or closes the item, nothing else.
  if (OnButton(position)) {
    if (tree->ItemHasChildren(item)) tree->UserToggleExpand(item);
    return;
  }
  (tree->*click)(item);
}

void TreeViewInput::RightClick(QPoint position) {
  CTreeCtrl* tree = Tree();
  if (!tree) return;
  if (HTREEITEM item = ItemAt(position)) {
    tree->UserRightClick(item);
    return;
  }
  // Empty space: a point where the control finds no item either.
  CPoint point(position.x(), position.y());
  if (!tree->HitTest(point)) tree->UserRightClick(point);
}

bool TreeViewInput::BeginDrag(QPoint position, bool rightButton) {
  CTreeCtrl* tree = Tree();
  HTREEITEM item = ItemAt(position);
  return tree && item && tree->UserBeginDrag(item, rightButton);
}

CPoint TreeViewInput::DropPoint(QPoint position) {
  CTreeCtrl* tree = Tree();
  HTREEITEM item = ItemAt(position);
  if (!tree || !item) return CPoint(position.x(), position.y());
  // The item's label in the control's own layout, scrolled into the control's view when needed.
  CRect label, client;
  tree->GetClientRect(&client);
  if (!tree->GetItemRect(item, &label, TRUE) || !client.PtInRect(CPoint(label.left, label.top))) {
    tree->EnsureVisible(item);
    tree->GetItemRect(item, &label, TRUE);
  }
  return CPoint((label.left + label.right) / 2, (label.top + label.bottom) / 2);
}
