#include "app/peers/ListViewInput.h"

#include <QAbstractItemView>

#include "app/models/ListCtrlModel.h"

ListViewInput::ListViewInput(QAbstractItemView& view, ListCtrlModel& model, HWND control, int headerHeight)
    : ControlViewInput(view, control), m_model(model), m_headerHeight(headerHeight) {}

CListCtrl* ListViewInput::List() const { return dynamic_cast<CListCtrl*>(CWnd::FromHandle(m_control)); }

void ListViewInput::Flush() { m_model.Flush(); }

CPoint ListViewInput::ClientPoint(QPoint position) const { return CPoint(position.x(), position.y() + m_headerHeight); }

std::optional<CPoint> ListViewInput::EmptyPoint(QPoint position) const {
  CListCtrl* list = List();
  if (!list) return std::nullopt;
  CPoint point = ClientPoint(position);
  if (list->HitTest(point) < 0) return point;
  // The layouts differ where Qt found no row but the control does: take the far corner.
  CRect client;
  list->GetClientRect(&client);
  CPoint corner(client.right - 2, client.bottom - 2);
  if (client.PtInRect(corner) && list->HitTest(corner) < 0) return corner;
  return std::nullopt;
}

void ListViewInput::Press(QPoint position) {
  CListCtrl* list = List();
  if (!list) return;
  QModelIndex index = m_view.indexAt(position);
  if (index.isValid()) {
    list->UserClick(index.row(), index.column());
  } else if (auto empty = EmptyPoint(position)) {
    list->UserClickEmpty(*empty);
  }
}

void ListViewInput::DoubleClick(QPoint position) {
  CListCtrl* list = List();
  QModelIndex index = m_view.indexAt(position);
  if (list && index.isValid()) list->UserDoubleClick(index.row(), index.column());
}

void ListViewInput::RightClick(QPoint position) {
  CListCtrl* list = List();
  if (!list) return;
  QModelIndex index = m_view.indexAt(position);
  if (index.isValid()) {
    list->UserRightClick(index.row());
  } else if (auto empty = EmptyPoint(position)) {
    list->UserRightClick(*empty);
  }
}

bool ListViewInput::BeginDrag(QPoint position, bool rightButton) {
  CListCtrl* list = List();
  QModelIndex index = m_view.indexAt(position);
  return list && index.isValid() && list->UserBeginDrag(index.row(), rightButton);
}

CPoint ListViewInput::DropPoint(QPoint position) {
  CListCtrl* list = List();
  QModelIndex index = m_view.indexAt(position);
  if (!list || !index.isValid()) return ClientPoint(position);
  // The row's label in the control's own layout, scrolled into the control's view when needed.
  const int row = index.row();
  CRect label, client;
  list->GetClientRect(&client);
  if (!list->GetItemRect(row, &label, LVIR_LABEL) || !client.PtInRect(CPoint(label.left, label.top))) {
    list->EnsureVisible(row, FALSE);
    list->GetItemRect(row, &label, LVIR_LABEL);
  }
  return CPoint((label.left + label.right) / 2, (label.top + label.bottom) / 2);
}
