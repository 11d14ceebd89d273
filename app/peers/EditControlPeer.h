// Edit fields of a dialog: one line, several lines, or rich text shown as
// plain text. What a person types becomes the control's text through
// UserType, so the control's limit, read-only state and change notification
// apply; text the program sets is shown as it comes.
#pragma once

#include "app/peers/DialogControlPeer.h"

class QLineEdit;
class QPlainTextEdit;

class EditControlPeer : public DialogControlPeer {
 public:
  EditControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea, PeerUnits units);

 protected:
  void SyncState(CDialogItem& item) override;

 private:
  void Typed(const QString& text);

  QLineEdit* m_line = nullptr;
  QPlainTextEdit* m_lines = nullptr;
};
