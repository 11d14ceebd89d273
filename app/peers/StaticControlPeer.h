// Labels, icons and group boxes of a dialog: they show text and take no input.
// A label's "&" mark names the control after it, as in the template order.
#pragma once

#include "app/peers/DialogControlPeer.h"

class StaticControlPeer : public DialogControlPeer {
 public:
  StaticControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea, PeerUnits units);

 protected:
  void SyncState(CDialogItem& item) override;

 private:
  QWidget* BuddyWidget(CDialogItem& item) const;
};
