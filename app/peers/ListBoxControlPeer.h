// List boxes and check-list boxes of a dialog: the entries, their check
// marks and the selection come from the control; choosing an entry or
// ticking one goes to the control's UserSelect and UserToggleItemCheck.
#pragma once

#include "app/peers/DialogControlPeer.h"

class QListWidget;

class ListBoxControlPeer : public DialogControlPeer {
 public:
  ListBoxControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea, PeerUnits units);

 protected:
  void SyncState(CDialogItem& item) override;

 private:
  QListWidget* m_list = nullptr;
  bool m_checks = false;
};
