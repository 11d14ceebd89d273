#include "app/peers/ButtonControlPeer.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

ButtonControlPeer::ButtonControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea,
                                     PeerUnits units)
    : DialogControlPeer(factory, item, units) {
  QAbstractButton* button = nullptr;
  switch (item.Kind()) {
    case ControlKind::CheckBox:
      button = new QCheckBox(parentArea);
      break;
    case ControlKind::RadioButton: {
      auto* radio = new QRadioButton(parentArea);
      radio->setAutoExclusive(false);  // the dialog's group rules decide
      button = radio;
      break;
    }
    default: {
      auto* push = new QPushButton(parentArea);
      // Enter reaches the dialog, which presses its own default button.
      push->setAutoDefault(false);
      push->setDefault(item.IsDefaultButton());
      button = push;
      break;
    }
  }
  SetControlWidget(button);
  QObject::connect(button, &QAbstractButton::clicked, button, [this] { Act([](CDialogItem& i) { i.UserClick(); }); });
}

void ButtonControlPeer::SyncState(CDialogItem& item) {
  auto* button = qobject_cast<QAbstractButton*>(Widget());
  if (!button) return;
  QString text = QString::fromStdString(item.GetWindowText());
  if (button->text() != text) button->setText(text);
  if (item.Kind() == ControlKind::CheckBox || item.Kind() == ControlKind::RadioButton) {
    button->setCheckable(true);
    button->setChecked(item.GetCheck() == BST_CHECKED);
  }
}
