// Draws the items of a platform control's model: selection, focus, drop
// highlight and cut state come from the control (the model's item roles),
// not from Qt's selection, which the views do not use.
#pragma once

#include <QStyledItemDelegate>

class PlatformItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Rows of this many pixels (0: as Qt measures them); the views of trees and
  // detailed lists keep the control's row height so both agree on positions.
  void SetRowHeight(int height) { m_rowHeight = height; }
  int RowHeight() const { return m_rowHeight; }
  // Items of this size (an invalid size: as Qt measures them). The large-icon
  // grid gives every item its whole cell, so that a label wraps onto the
  // lines the cell has room for rather than being cut after the first.
  void SetCellSize(QSize size) { m_cellSize = size; }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  int m_rowHeight = 0;
  QSize m_cellSize;
};
