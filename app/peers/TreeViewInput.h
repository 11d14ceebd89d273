// A person's actions on a tree control's view: a press on an item's button
// toggles it, a press elsewhere on the item is the control's UserClick, a
// double-click its UserDoubleClick, a right-click its UserRightClick, a drag
// gesture its UserBeginDrag.
#pragma once

#include "app/peers/ControlViewInput.h"

class QTreeView;
class TreeCtrlModel;
class CTreeCtrl;

class TreeViewInput : public ControlViewInput {
 public:
  TreeViewInput(QTreeView& view, TreeCtrlModel& model, HWND control);

 protected:
  void Press(QPoint position) override;
  void DoubleClick(QPoint position) override;
  void RightClick(QPoint position) override;
  bool BeginDrag(QPoint position, bool rightButton) override;
  CPoint DropPoint(QPoint position) override;
  void Flush() override;

 private:
  CTreeCtrl* Tree() const;
  HTREEITEM ItemAt(QPoint position) const;
  // True when position lies on the expand button in front of the item.
  bool OnButton(QPoint position) const;
  // A press or double-click at position: the expand button toggles, an item gets click.
  void ClickItem(QPoint position, bool (CTreeCtrl::*click)(HTREEITEM));

  QTreeView& m_tree;
  TreeCtrlModel& m_model;
};
