// The peer of a tree control: a QTreeView over a TreeCtrlModel, one row per
// shown item at the control's own row height and indent. Expansion and the
// scroll position follow the control both ways; input goes to the control
// (TreeViewInput); a label edit is drawn over the item being edited.
#pragma once

#include <QTreeView>

#include "app/models/TreeCtrlModel.h"
#include "app/peers/WindowPeer.h"
#include "platform/TreeCtrl.h"

class PlatformItemDelegate;

class TreeCtrlPeer : public WindowPeer, private TreeCtrlObserver {
 public:
  TreeCtrlPeer(WindowPeerFactory& factory, CTreeCtrl& tree, QWidget* parentArea, PeerUnits units);
  ~TreeCtrlPeer() override;

  QWidget* ChildArea() const override { return nullptr; }
  void Sync() override;
  void Flush() override;
  QWidget* LabelEditHost(QRect* rect) const override;

  QTreeView* View() const { return m_view; }
  TreeCtrlModel* Model() const { return m_model; }

 private:
  CTreeCtrl* Tree() const;
  // Expands in the view what is expanded in the control, below parent.
  void ShowExpansion(HTREEITEM parent);
  void ScrollFromControl();
  void ScrollToControl();

  // TreeCtrlObserver
  void TreeExpansionChanged(CTreeCtrl& tree, HTREEITEM item, bool expanded) override;
  void TreeScrolled(CTreeCtrl& tree) override;

  QPointer<QTreeView> m_view;
  QPointer<TreeCtrlModel> m_model;  // owned by the view
  PlatformItemDelegate* m_delegate = nullptr;
  bool m_scrolling = false;  // one side's scroll position is being set from the other
};
