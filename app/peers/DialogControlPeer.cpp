#include "app/peers/DialogControlPeer.h"

#include <QFont>
#include <QWidget>

#include "app/peers/ButtonControlPeer.h"
#include "app/peers/ComboBoxControlPeer.h"
#include "app/peers/EditControlPeer.h"
#include "app/peers/FocusFollower.h"
#include "app/peers/ListBoxControlPeer.h"
#include "app/peers/ScrollBarControlPeer.h"
#include "app/peers/StaticControlPeer.h"
#include "app/peers/WindowPeerFactory.h"

DialogControlPeer::DialogControlPeer(WindowPeerFactory& factory, CDialogItem& item, PeerUnits units)
    : WindowPeer(factory, item, units) {}

CDialogItem* DialogControlPeer::Item() const { return dynamic_cast<CDialogItem*>(Window()); }

void DialogControlPeer::SetControlWidget(QWidget* widget) {
  SetWidget(widget);
  FollowFocus(widget, m_hwnd);
}

void DialogControlPeer::Sync() {
  WindowPeer::Sync();
  CDialogItem* item = Item();
  if (!item || !Widget()) return;
  m_syncing = true;
  SyncLook(*item);
  SyncState(*item);
  m_syncing = false;
}

void DialogControlPeer::SyncLook(CDialogItem& item) {
  QWidget* widget = Widget();
  const QString tip = QString::fromStdString(item.ToolTipText());
  if (widget->toolTip() != tip) widget->setToolTip(tip);
  // Only the weight of a control's own font is shown; face and size stay the desktop's.
  const bool bold = item.GetFont().IsCreated() && item.GetFont().IsBold();
  if (widget->font().bold() != bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
  }
}

void DialogControlPeer::Act(const std::function<void(CDialogItem&)>& action) {
  if (m_syncing) return;
  CDialogItem* item = Item();
  if (!item) return;
  HWND handle = m_hwnd;
  WindowPeerFactory& factory = m_factory;
  action(*item);
  if (WindowPeer* still = factory.PeerOf(handle)) still->Sync();
}

std::unique_ptr<WindowPeer> MakeDialogControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea,
                                                  PeerUnits units) {
  switch (item.Kind()) {
    case ControlKind::Static:
    case ControlKind::Icon:
    case ControlKind::GroupBox:
      return std::make_unique<StaticControlPeer>(factory, item, parentArea, units);
    case ControlKind::Edit:
    case ControlKind::RichEdit:
      return std::make_unique<EditControlPeer>(factory, item, parentArea, units);
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      return std::make_unique<ButtonControlPeer>(factory, item, parentArea, units);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxControlPeer>(factory, item, parentArea, units);
    case ControlKind::ListBox:
    case ControlKind::CheckListBox:
      return std::make_unique<ListBoxControlPeer>(factory, item, parentArea, units);
    case ControlKind::ScrollBar:
      return std::make_unique<ScrollBarControlPeer>(factory, item, parentArea, units);
  }
  return nullptr;
}
