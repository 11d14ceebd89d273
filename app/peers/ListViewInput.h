// A person's actions on one of a list control's views (the icon views or
// the detailed view): a press on a cell is the control's UserClick (Ctrl and
// Shift as held), on empty space its UserClickEmpty; double-clicks,
// right-clicks and drag gestures likewise.
#pragma once

#include <optional>

#include "app/peers/ControlViewInput.h"

class CListCtrl;
class ListCtrlModel;

class ListViewInput : public ControlViewInput {
 public:
  // headerHeight: how far below the control's top the view's rows begin
  // (the column header of the detailed view).
  ListViewInput(QAbstractItemView& view, ListCtrlModel& model, HWND control, int headerHeight);
  void SetHeaderHeight(int height) { m_headerHeight = height; }

 protected:
  void Press(QPoint position) override;
  void DoubleClick(QPoint position) override;
  void RightClick(QPoint position) override;
  bool BeginDrag(QPoint position, bool rightButton) override;
  CPoint DropPoint(QPoint position) override;
  void Flush() override;

 private:
  CListCtrl* List() const;
  // The control's client point for a viewport point.
  CPoint ClientPoint(QPoint position) const;
  // A point on empty space in the control's layout near position, if there is one.
  std::optional<CPoint> EmptyPoint(QPoint position) const;

  ListCtrlModel& m_model;
  int m_headerHeight;
};
