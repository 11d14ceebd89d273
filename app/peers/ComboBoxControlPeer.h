// Drop-down lists of a dialog. Choosing an entry is the control's
// UserSelect. A combo whose wrapper draws its own items (the line-style and
// colour combos) is drawn by replaying what the wrapper draws, in the closed
// field and in the open list.
#pragma once

#include "app/peers/DialogControlPeer.h"

class QComboBox;

class ComboBoxControlPeer : public DialogControlPeer {
 public:
  ComboBoxControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea, PeerUnits units);

 protected:
  void SyncState(CDialogItem& item) override;
  QRect WidgetRect(const QRect& windowRect) const override;

 private:
  QComboBox* m_combo = nullptr;
};
