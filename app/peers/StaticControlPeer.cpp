#include "app/peers/StaticControlPeer.h"

#include <QGroupBox>
#include <QLabel>

#include "app/icons/IconPictures.h"
#include "app/peers/WindowPeerFactory.h"
#include "platform/Resources.h"

namespace {

// The text without mnemonic marks ("&&" stays a single "&").
QString WithoutMnemonics(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      plain += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '&') {
      plain += '&';
      ++i;
    }
  }
  return QString::fromStdString(plain);
}

bool TakesInput(const CDialogItem& item) {
  switch (item.Kind()) {
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::Icon:
      return false;
    default:
      return true;
  }
}

}  // namespace

StaticControlPeer::StaticControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea,
                                     PeerUnits units)
    : DialogControlPeer(factory, item, units) {
  if (item.Kind() == ControlKind::GroupBox) {
    auto* box = new QGroupBox(parentArea);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetControlWidget(box);
    box->lower();  // the controls it frames lie over it
    return;
  }
  auto* label = new QLabel(parentArea);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(item.Kind() == ControlKind::Static);
  label->setTextFormat(Qt::PlainText);
  SetControlWidget(label);
}

QWidget* StaticControlPeer::BuddyWidget(CDialogItem& item) const {
  CWnd* parent = item.GetParent();
  if (!parent) return nullptr;
  bool after = false;
  for (CWnd* sibling : parent->GetChildren()) {
    if (sibling == &item) {
      after = true;
      continue;
    }
    auto* control = dynamic_cast<CDialogItem*>(sibling);
    if (!after || !control || !TakesInput(*control)) continue;
    WindowPeer* peer = m_factory.PeerOf(control->m_hWnd);
    return peer ? peer->Widget() : nullptr;
  }
  return nullptr;
}

void StaticControlPeer::SyncState(CDialogItem& item) {
  std::string text = item.GetWindowText();
  if (auto* box = qobject_cast<QGroupBox*>(Widget())) {
    box->setTitle(WithoutMnemonics(text));
    return;
  }
  auto* label = qobject_cast<QLabel*>(Widget());
  if (!label) return;
  if (item.Kind() == ControlKind::Icon) {
    bool isNumber = false;
    UINT id = QString::fromStdString(text).toUInt(&isNumber);
    QPixmap picture = isNumber ? IconPicture(LoadIcon(id), 32) : QPixmap();
    label->setPixmap(picture);
    return;
  }
  QWidget* buddy = text.find('&') != std::string::npos ? BuddyWidget(item) : nullptr;
  label->setBuddy(buddy);
  label->setText(buddy ? QString::fromStdString(text) : WithoutMnemonics(text));
}
