// Push buttons, check boxes and radio buttons of a dialog. A click is the
// control's UserClick: the control decides whether it checks itself (radio
// groups are the dialog's), and the widget shows what it decided.
#pragma once

#include "app/peers/DialogControlPeer.h"

class ButtonControlPeer : public DialogControlPeer {
 public:
  ButtonControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea, PeerUnits units);

 protected:
  void SyncState(CDialogItem& item) override;
};
