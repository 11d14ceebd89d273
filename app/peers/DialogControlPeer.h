// The peer of one control of a dialog, form or property page. The widget
// shows the control's state (text, check, items, selection, range) and what
// a person does on it goes to the control's User... actions, so the dialog's
// own logic (enabling OK, validation, data exchange) runs exactly as in tests.
#pragma once

#include <functional>
#include <memory>

#include "app/peers/WindowPeer.h"
#include "platform/Dialog.h"

class DialogControlPeer : public WindowPeer {
 public:
  DialogControlPeer(WindowPeerFactory& factory, CDialogItem& item, PeerUnits units);

  // The control while it lives, else null.
  CDialogItem* Item() const;
  QWidget* ChildArea() const override { return nullptr; }
  void Sync() override;

 protected:
  // Shows the control's state on the widget; Qt signals raised meanwhile are not the user's.
  virtual void SyncState(CDialogItem& item) = 0;
  bool Syncing() const { return m_syncing; }
  // Installs the widget; taking the Qt focus gives the control the platform focus.
  void SetControlWidget(QWidget* widget);
  // Does what a person did, then shows the control as it is now (it may have
  // refused the action or changed otherwise). The dialog may end, and this
  // peer go, while the action runs.
  void Act(const std::function<void(CDialogItem&)>& action);

 private:
  // What every kind of control shows alike: its tool tip and a bold font.
  void SyncLook(CDialogItem& item);

  bool m_syncing = false;
};

// The peer for item's kind of control, its widget a child of parentArea.
std::unique_ptr<WindowPeer> MakeDialogControlPeer(WindowPeerFactory& factory, CDialogItem& item, QWidget* parentArea,
                                                  PeerUnits units);
