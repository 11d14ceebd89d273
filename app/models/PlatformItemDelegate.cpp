#include "app/models/PlatformItemDelegate.h"

#include <QWidget>

#include "app/models/ItemRoles.h"

QSize PlatformItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (m_cellSize.isValid()) return m_cellSize;
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  if (m_rowHeight > 0) size.setHeight(m_rowHeight);
  return size;
}

void PlatformItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  if (index.data(kSelectedRole).toBool() || index.data(kDropHighlightRole).toBool())
    option->state |= QStyle::State_Selected;
  const bool viewFocused = option->widget && option->widget->hasFocus();
  if (viewFocused && index.data(kFocusedRole).toBool()) option->state |= QStyle::State_HasFocus;
  if (index.data(kCutRole).toBool()) option->state &= ~QStyle::State_Enabled;
}
