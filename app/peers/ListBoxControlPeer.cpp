#include "app/peers/ListBoxControlPeer.h"

#include <QListWidget>

ListBoxControlPeer::ListBoxControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea,
                                       PeerUnits units)
    : DialogControlPeer(factory, item, units), m_checks(item.Kind() == ControlKind::CheckListBox) {
  m_list = new QListWidget(parentArea);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setUniformItemSizes(true);
  SetControlWidget(m_list);
  QObject::connect(m_list, &QListWidget::currentRowChanged, m_list, [this](int row) {
    if (row >= 0 && !Syncing()) Act([row](CDialogItem& i) { i.UserSelect(row); });
  });
  QObject::connect(m_list, &QListWidget::itemChanged, m_list, [this](QListWidgetItem* entry) {
    if (Syncing() || !m_checks) return;
    int row = m_list->row(entry);
    Act([row](CDialogItem& i) { i.UserToggleItemCheck(row); });
  });
}

void ListBoxControlPeer::SyncState(CDialogItem& item) {
  const int count = item.GetCount();
  while (m_list->count() > count) delete m_list->takeItem(m_list->count() - 1);
  for (int i = 0; i < count; ++i) {
    QString text = QString::fromStdString(item.GetItemText(i));
    QListWidgetItem* entry = m_list->item(i);
    if (!entry) {
      entry = new QListWidgetItem(text, m_list);
      if (m_checks) entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
    } else if (entry->text() != text) {
      entry->setText(text);
    }
    if (m_checks) entry->setCheckState(item.GetItemCheck(i) == BST_CHECKED ? Qt::Checked : Qt::Unchecked);
  }
  if (m_list->currentRow() != item.GetCurSel()) m_list->setCurrentRow(item.GetCurSel());
}
