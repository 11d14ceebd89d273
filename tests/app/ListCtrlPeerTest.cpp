#include <gtest/gtest.h>

#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QStackedWidget>
#include <QTreeView>

#include "app/models/ItemRoles.h"
#include "app/peers/InPlaceLabelEditor.h"
#include "app/peers/ListCtrlPeer.h"
#include "app/ui/QtUserInterface.h"
#include "explorer/resources/ExplorerResources.h"
#include "explorer/resources/IconIds.h"
#include "platform/ListCtrl.h"
#include "tests/app/AppTestSupport.h"

namespace {

class ListCtrlPeerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterExplorerResources();
    for (CImageList* images : {&large, &small}) {
      images->Create(images == &large ? 32 : 16, images == &large ? 32 : 16, ILC_MASK, 0, 10);
      images->Add(LoadIcon(IDI_MODEL));
      images->SetOverlayImage(images->Add(LoadIcon(IDI_OVERLAY_ERROR_MARK)), 1);
    }
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS | LVS_SHOWSELALWAYS,
                            CRect(0, 0, 420, 300), &host.Parent(), 102));
    list.SetImageList(&large, LVSIL_NORMAL);
    list.SetImageList(&small, LVSIL_SMALL);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 120);
    list.InsertColumn(1, "Type", LVCFMT_LEFT, 90);
    list.InsertColumn(2, "Calculated", LVCFMT_RIGHT, 110);
    for (int i = 0; i < 3; ++i) {
      int row = list.InsertItem(i, "Block " + std::to_string(i), 0);
      list.SetItemText(row, 1, "Tank");
      list.SetItemText(row, 2, i == 1 ? "Group 4" : "-");
    }
    ProcessAll();
  }
  void TearDown() override { list.DestroyWindow(); }

  ListCtrlPeer& Peer() { return *dynamic_cast<ListCtrlPeer*>(host.Peers().PeerOf(list.m_hWnd)); }
  ListCtrlModel& Model() { return *Peer().Model(); }

  PeerTestHost host;
  QtUserInterface ui{host.Peers()};
  ScopedUserInterface installed{ui};
  CImageList large, small;
  CListCtrl list;
};

TEST_F(ListCtrlPeerTest, TheModelShowsRowsColumnsAndHeadingsAndFollowsChanges) {
  ListCtrlModel& model = Model();
  ASSERT_EQ(model.rowCount(), 3);
  ASSERT_EQ(model.columnCount(), 3);
  EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "Calculated");
  EXPECT_EQ(model.index(1, 2).data().toString(), "Group 4");
  EXPECT_EQ(model.index(1, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight);

  list.DeleteItem(0);
  list.InsertItem(3, "Block 9", 0);
  ProcessAll();
  ASSERT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.index(0, 0).data().toString(), "Block 1");
  EXPECT_EQ(model.index(2, 0).data().toString(), "Block 9");

  list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_TRUE(model.index(1, 0).data(kSelectedRole).toBool());
  EXPECT_TRUE(model.index(1, 0).data(kFocusedRole).toBool());
  EXPECT_FALSE(model.index(0, 0).data(kSelectedRole).toBool());
}

TEST_F(ListCtrlPeerTest, CellsDrawnAsTheOwnerChoosesAndPicturesWithOverlays) {
  // The owner underlines the cells of column 2 in blue, as the variable lists draw their group links.
  host.customDraw = [](NMHDR* header) -> LRESULT {
    auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) return CDRF_NOTIFYSUBITEMDRAW;
    if (draw->iSubItem == 2) {
      draw->clrText = RGB(0, 0, 255);
      draw->underline = true;
      return CDRF_NEWFONT;
    }
    return CDRF_DODEFAULT;
  };
  QModelIndex link = Model().index(1, 2);
  EXPECT_TRUE(link.data(Qt::FontRole).value<QFont>().underline());
  EXPECT_EQ(link.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
  EXPECT_FALSE(Model().index(1, 1).data(Qt::FontRole).isValid()) << "other cells keep the plain font";

  list.SetItemState(2, INDEXTOOVERLAYMASK(1), LVIS_OVERLAYMASK);
  QImage withMark = Model().index(2, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
  QImage without = Model().index(0, 0).data(Qt::DecorationRole).value<QPixmap>().toImage();
  EXPECT_EQ(withMark.size(), QSize(16, 16)) << "details use the small pictures";
  EXPECT_NE(withMark, without);
}

TEST_F(ListCtrlPeerTest, EachViewStyleIsDrawnByItsQtView) {
  ListCtrlPeer& peer = Peer();
  EXPECT_EQ(peer.CurrentView(), peer.DetailsView());
  EXPECT_TRUE(peer.DetailsView()->header()->isVisibleTo(peer.Widget()));

  list.ModifyStyle(LVS_TYPEMASK, LVS_ICON);
  ASSERT_EQ(peer.CurrentView(), peer.IconView());
  EXPECT_EQ(peer.IconView()->viewMode(), QListView::IconMode);
  EXPECT_EQ(peer.IconView()->iconSize(), QSize(32, 32));
  EXPECT_EQ(Model().index(0, 0).data(Qt::DecorationRole).value<QPixmap>().size(), QSize(32, 32));

  list.ModifyStyle(LVS_TYPEMASK, LVS_SMALLICON);
  EXPECT_EQ(peer.IconView()->viewMode(), QListView::ListMode);
  EXPECT_EQ(peer.IconView()->flow(), QListView::LeftToRight);
  EXPECT_EQ(peer.IconView()->iconSize(), QSize(16, 16));

  list.ModifyStyle(LVS_TYPEMASK, LVS_LIST);
  EXPECT_EQ(peer.IconView()->viewMode(), QListView::ListMode);
  EXPECT_EQ(peer.IconView()->flow(), QListView::TopToBottom);

  // A change of style is drawn: the pictures of the pane differ.
  ProcessAll();
  QImage asList = peer.Widget()->grab().toImage();
  list.ModifyStyle(LVS_TYPEMASK, LVS_ICON);
  ProcessAll();
  QImage asIcons = peer.Widget()->grab().toImage();
  EXPECT_NE(asList, asIcons);
  EXPECT_GT(ColourCount(asIcons), 10) << "the large icons are drawn";
}

TEST_F(ListCtrlPeerTest, AHeaderClickReachesTheOwnerTheSortMarkIsTheControlsAndWidthsGoBothWays) {
  QHeaderView* header = Peer().DetailsView()->header();
  ProcessAll();
  EXPECT_FALSE(header->isSortIndicatorShown()) << "nothing sorted yet";
  list.SetSortMark(1, false);
  ProcessAll();
  EXPECT_TRUE(header->isSortIndicatorShown());
  EXPECT_EQ(header->sortIndicatorSection(), 1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

  host.ClearNotifications();
  int x = header->sectionViewportPosition(2) + header->sectionSize(2) / 2;
  ClickAt(header->viewport(), QPoint(x, header->height() / 2));
  ASSERT_FALSE(host.Notifications().empty());
  EXPECT_EQ(host.Notifications().back().code, LVN_COLUMNCLICK);
  EXPECT_EQ(host.Notifications().back().subItem, 2);
  // The owner here sorts nothing on a click: the arrow stays where the control has it.
  ProcessAll();
  EXPECT_EQ(header->sortIndicatorSection(), 1);
  EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
  list.SetSortMark(-1, true);
  ProcessAll();
  EXPECT_FALSE(header->isSortIndicatorShown());

  list.SetColumnWidth(1, 150);
  EXPECT_EQ(header->sectionSize(1), 150);
  header->resizeSection(0, 200);
  EXPECT_EQ(list.GetColumnWidth(0), 200) << "a width the person drags is the control's width";
}

TEST_F(ListCtrlPeerTest, ANameColumnNobodySizedIsWidenedToItsNamesAndAUsersWidthStays) {
  host.Host().resize(800, 400);
  list.MoveWindow(CRect(0, 0, 800, 300));
  list.DeleteAllItems();
  list.SetColumnWidth(0, 100);
  const std::string longName = "Simulation_Options_of_the_second_reactor_train";
  list.InsertItem(0, longName, 0);
  list.InsertItem(1, "Tank", 0);
  ProcessAll();
  const int needed = QFontMetrics(Peer().DetailsView()->font()).horizontalAdvance(QString::fromStdString(longName));
  EXPECT_GT(list.GetColumnWidth(0), needed) << "the long name is not cut";
  EXPECT_LE(list.GetColumnWidth(0), 400) << "at most half the pane";
  EXPECT_EQ(Peer().DetailsView()->header()->sectionSize(0), list.GetColumnWidth(0));

  // A width somebody chose is kept, however long the names.
  list.SetColumnWidth(0, 90);
  list.DeleteAllItems();
  list.InsertItem(0, longName, 0);
  ProcessAll();
  EXPECT_EQ(list.GetColumnWidth(0), 90);
}

TEST_F(ListCtrlPeerTest, ClicksSelectRowsAndLabelsAreEditedInPlace) {
  QTreeView* view = Peer().DetailsView();
  ProcessAll();
  QRect cell = view->visualRect(Model().index(2, 1));
  ClickAt(view->viewport(), cell.center());
  EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED) & LVIS_SELECTED, LVIS_SELECTED);
  ASSERT_FALSE(host.Notifications().empty());
  EXPECT_EQ(host.Notifications().back().code, NM_CLICK);
  EXPECT_EQ(host.Notifications().back().item, 2);
  EXPECT_EQ(host.Notifications().back().subItem, 1) << "the click names the cell";

  host.Answer(LVN_ENDLABELEDIT, TRUE);
  PressKey(view, Qt::Key_F2);
  ASSERT_TRUE(list.IsEditingLabel());
  InPlaceLabelEditor* editor = host.Peers().LabelEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), "Block 2");
  editor->selectAll();
  TypeText(editor, "Tank");
  PressKey(editor, Qt::Key_Escape);
  EXPECT_FALSE(list.IsEditingLabel());
  EXPECT_EQ(list.GetItemText(2, 0), "Block 2") << "Escape cancels the edit";
}

TEST_F(ListCtrlPeerTest, AHundredThousandRowsNeedNoWidgetPerRowInAnyView) {
  list.SetRedraw(FALSE);
  for (int i = 0; i < 100000; ++i) list.InsertItem(list.GetItemCount(), "Variable " + std::to_string(i), 0);
  list.SetRedraw(TRUE);
  ProcessAll();
  ASSERT_EQ(Model().rowCount(), 100003);
  EXPECT_EQ(Model().index(100002, 0).data().toString(), "Variable 99999");
  for (DWORD style : {LVS_REPORT, LVS_LIST}) {
    list.ModifyStyle(LVS_TYPEMASK, style);
    ProcessAll();
    Peer().CurrentView()->scrollToBottom();
    EXPECT_FALSE(Peer().Widget()->grab().isNull());
  }
  EXPECT_LT(Peer().Widget()->findChildren<QWidget*>().size(), 40) << "rows are painted, not made of widgets";
}

}  // namespace
