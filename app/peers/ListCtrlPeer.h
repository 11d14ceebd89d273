// The peer of a list control: its four view styles drawn by two Qt views
// over one ListCtrlModel — a QListView for large icons, small icons and the
// list, a QTreeView with a header for details. The view style, column widths
// and (in details) the scroll position follow the control; a header click is
// the control's UserClickColumn, so the pane hears LVN_COLUMNCLICK, and the
// header's arrow shows the control's sort mark. A Name column nobody has
// sized is widened to its names when the rows are filled in.
#pragma once

#include "app/models/ListCtrlModel.h"
#include "app/peers/WindowPeer.h"
#include "platform/ListCtrl.h"

class QListView;
class QStackedWidget;
class QTreeView;
class QAbstractItemView;
class ListViewInput;
class PlatformItemDelegate;

class ListCtrlPeer : public WindowPeer, private ListCtrlObserver {
 public:
  ListCtrlPeer(WindowPeerFactory& factory, CListCtrl& list, QWidget* parentArea, PeerUnits units);
  ~ListCtrlPeer() override;

  QWidget* ChildArea() const override { return nullptr; }
  void Sync() override;
  void Flush() override;
  QWidget* LabelEditHost(QRect* rect) const override;

  // The view showing the control's current view style.
  QAbstractItemView* CurrentView() const;
  QListView* IconView() const { return m_iconView; }
  QTreeView* DetailsView() const { return m_detailsView; }
  ListCtrlModel* Model() const { return m_model; }

 private:
  CListCtrl* List() const;
  void ShowViewStyle();
  void ShowColumnWidths();
  void ShowSortMark();
  void FitNameColumn();
  void ColumnResized(int column, int width);
  void ScrollFromControl();
  void ScrollToControl();

  // ListCtrlObserver
  void ListViewStyleChanged(CListCtrl& list) override;
  void ListScrolled(CListCtrl& list) override;
  void ListDestroyed(CListCtrl& list) override;

  QPointer<QStackedWidget> m_stack;
  QListView* m_iconView = nullptr;      // children of the stack
  QTreeView* m_detailsView = nullptr;
  QPointer<ListCtrlModel> m_model;
  PlatformItemDelegate* m_delegate = nullptr;
  ListViewInput* m_detailsInput = nullptr;
  bool m_observing = true;
  bool m_showingWidths = false;
  bool m_scrolling = false;
  DWORD m_shownStyle = ~0u;
};
