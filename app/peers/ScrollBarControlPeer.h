// Scroll bars of a dialog: range and position come from the control; a
// person's scrolling is the control's UserScroll (the dialog moves the bar).
#pragma once

#include "app/peers/DialogControlPeer.h"

class QScrollBar;

class ScrollBarControlPeer : public DialogControlPeer {
 public:
  ScrollBarControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea, PeerUnits units);

 protected:
  void SyncState(CDialogItem& item) override;

 private:
  void Scrolled(int action);

  QScrollBar* m_bar = nullptr;
};
