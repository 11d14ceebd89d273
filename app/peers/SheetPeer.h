// The peer of a property sheet being run: its buttons and pages are drawn
// as its children (in dialog units), with a tab per page above the pages.
// Clicking a tab asks the sheet to change pages; a page may refuse.
#pragma once

#include "app/peers/WindowPeer.h"

class CPropertySheet;
class QTabBar;
class QFrame;

class SheetPeer : public WindowPeer {
 public:
  SheetPeer(WindowPeerFactory& factory, CPropertySheet& sheet, QWidget* host);
  PeerUnits ChildUnits() const override { return PeerUnits::DialogUnits; }
  void Sync() override;
  void ChildChanged(WindowPeer& child) override;

  QTabBar* Tabs() const { return m_tabs; }

 private:
  CPropertySheet* Sheet() const;
  void SyncTabs();

  QTabBar* m_tabs = nullptr;
  QFrame* m_pageFrame = nullptr;
};
