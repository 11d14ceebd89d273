#include "app/peers/ComboBoxControlPeer.h"

#include <QComboBox>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include "app/peers/DrawReplay.h"
#include "app/peers/PeerGeometry.h"

namespace {

// The control behind a combo widget, while it lives.
CDialogItem* ItemOf(HWND handle) { return dynamic_cast<CDialogItem*>(CWnd::FromHandle(handle)); }

// Draws the entries of the open list the way the control's drawer draws them.
class OwnerDrawDelegate : public QStyledItemDelegate {
 public:
  OwnerDrawDelegate(HWND control, QObject* parent) : QStyledItemDelegate(parent), m_control(control) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    CDialogItem* item = ItemOf(m_control);
    if (!item || !item->OwnerDraw()) return QStyledItemDelegate::paint(painter, option, index);
    bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    ReplayDrawing(*painter, item->DrawItem(index.row(), selected, ToCRect(option.rect)));
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (CDialogItem* item = ItemOf(m_control); item && item->OwnerDraw())
      size.setHeight(std::max(item->ItemHeight(index.row()), 8));
    return size;
  }

 private:
  HWND m_control;
};

// The closed field shows the selected entry as the drawer draws it.
class OwnerDrawComboBox : public QComboBox {
 public:
  OwnerDrawComboBox(HWND control, QWidget* parent) : QComboBox(parent), m_control(control) {
    setItemDelegate(new OwnerDrawDelegate(control, this));
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    CDialogItem* item = ItemOf(m_control);
    if (!item || !item->OwnerDraw()) return QComboBox::paintEvent(event);
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    ReplayDrawing(painter, item->DrawItem(item->GetCurSel(), false, ToCRect(field)));
  }

 private:
  HWND m_control;
};

}  // namespace

ComboBoxControlPeer::ComboBoxControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea,
                                         PeerUnits units)
    : DialogControlPeer(factory, item, units) {
  m_combo = new OwnerDrawComboBox(item.m_hWnd, parentArea);
  m_combo->setEditable(false);
  SetControlWidget(m_combo);
  QObject::connect(m_combo, &QComboBox::activated, m_combo,
                   [this](int index) { Act([index](CDialogItem& i) { i.UserSelect(index); }); });
}

void ComboBoxControlPeer::SyncState(CDialogItem& item) {
  const int count = item.GetCount();
  while (m_combo->count() > count) m_combo->removeItem(m_combo->count() - 1);
  for (int i = 0; i < count; ++i) {
    QString text = QString::fromStdString(item.GetItemText(i));
    if (i >= m_combo->count()) {
      m_combo->addItem(text);
    } else if (m_combo->itemText(i) != text) {
      m_combo->setItemText(i, text);
    }
  }
  if (m_combo->currentIndex() != item.GetCurSel()) m_combo->setCurrentIndex(item.GetCurSel());
  m_combo->update();
}

QRect ComboBoxControlPeer::WidgetRect(const QRect& windowRect) const {
  QRect field = windowRect;
  if (m_combo) field.setHeight(std::min(windowRect.height(), m_combo->sizeHint().height()));
  return field;
}
