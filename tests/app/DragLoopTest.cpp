#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTreeView>

#include "app/peers/ListCtrlPeer.h"
#include "app/ui/DragLoop.h"
#include "app/ui/QtUserInterface.h"
#include "platform/ListCtrl.h"
#include "tests/app/AppTestSupport.h"

namespace {

// A list that takes drops on its rows and remembers what it was told.
class DropList : public CListCtrl {
 public:
  int overRow = -1;
  DWORD overKeys = 0;
  int droppedRow = -1;
  DROPEFFECT droppedEffect = DROPEFFECT_NONE;
  std::string droppedText;
  bool leftCalled = false;
  CLIPFORMAT format = RegisterClipboardFormat("MORROW Modelling Language");

  DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) override {
    overRow = HitTest(point);
    overKeys = keyState;
    if (overRow < 0 || !data->IsDataAvailable(format)) return DROPEFFECT_NONE;
    return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
  }
  void OnDragLeave() override { leftCalled = true; }
  bool OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point) override {
    droppedRow = HitTest(point);
    droppedEffect = effect;
    auto bytes = data->GetGlobalData(format);
    droppedText = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    return true;
  }
  // A right-button drop answers as a drop-effect menu would: create an instance here.
  DROPEFFECT OnDropEx(COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint) override { return DROPEFFECT_LINK; }
};

class DragLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &host.Parent(), 103));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    for (const char* name : {"Library A", "Library B", "Library C"}) list.InsertItem(list.GetItemCount(), name);
    list.RegisterDropTarget(true);
    data.CacheGlobalData(list.format, {'M', 'o', 'd', 'e', 'l'});
    ProcessAll();
  }
  void TearDown() override { list.DestroyWindow(); }

  CPoint RowPoint(int row) {
    CRect rect;
    list.GetItemRect(row, &rect, LVIR_LABEL);
    return CPoint(rect.left + 2, rect.top + 2);
  }

  PeerTestHost host;
  QtUserInterface ui{host.Peers()};
  ScopedUserInterface installed{ui};
  DropList list;
  COleDataSource data;
};

TEST_F(DragLoopTest, TheTargetUnderThePointerDecidesTheEffectAndGetsTheDrop) {
  DragLoop loop(data, DROPEFFECT_COPY | DROPEFFECT_MOVE, false);
  EXPECT_EQ(DragLoop::Active(), &loop);
  EXPECT_EQ(loop.Over(list.m_hWnd, RowPoint(1), MK_LBUTTON), DROPEFFECT_MOVE);
  EXPECT_EQ(loop.Over(list.m_hWnd, RowPoint(1), MK_LBUTTON | MK_CONTROL), DROPEFFECT_COPY);
  loop.Dropped();
  EXPECT_EQ(loop.Finish(), DROPEFFECT_COPY);
  EXPECT_EQ(list.droppedRow, 1);
  EXPECT_EQ(list.droppedText, "Model");
}

TEST_F(DragLoopTest, NotLettingGoOverATargetDropsNothing) {
  {
    DragLoop loop(data, DROPEFFECT_MOVE, false);
    loop.Over(list.m_hWnd, RowPoint(0), MK_LBUTTON);
    loop.Leave();
    EXPECT_TRUE(list.leftCalled);
    EXPECT_EQ(loop.Finish(), DROPEFFECT_NONE);
  }
  EXPECT_EQ(list.droppedRow, -1);
  EXPECT_EQ(DragLoop::Active(), nullptr);
}

TEST_F(DragLoopTest, ARightButtonDragKeepsItsButtonAndTheTargetChoosesTheEffect) {
  DragLoop loop(data, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, true);
  loop.Over(list.m_hWnd, RowPoint(2), 0);
  EXPECT_TRUE(list.overKeys & MK_RBUTTON);
  loop.Dropped();
  EXPECT_EQ(loop.Finish(), DROPEFFECT_LINK);
  EXPECT_EQ(list.droppedRow, -1) << "the target handled the right-button drop itself";
}

TEST_F(DragLoopTest, QtDragEventsOverARowReachTheControlAtThatRow) {
  auto* peer = dynamic_cast<ListCtrlPeer*>(host.Peers().PeerOf(list.m_hWnd));
  ASSERT_NE(peer, nullptr);
  QTreeView* view = peer->DetailsView();
  QWidget* viewport = view->viewport();
  QPoint overRow = view->visualRect(peer->Model()->index(2, 0)).center();
  QMimeData mime;
  DragLoop loop(data, DROPEFFECT_MOVE | DROPEFFECT_COPY, false);
  // Qt hands moves and the drop only to the widget that accepted the drag's entry.
  QDragEnterEvent enter(view->visualRect(peer->Model()->index(0, 0)).center(), Qt::CopyAction | Qt::MoveAction, &mime,
                        Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDragMoveEvent move(overRow, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &move);
  EXPECT_EQ(list.overRow, 2) << "the point given to the control hits the row under the pointer";
  EXPECT_TRUE(move.isAccepted());
  EXPECT_EQ(move.dropAction(), Qt::MoveAction);
  QDropEvent drop(QPointF(overRow), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &drop);
  EXPECT_EQ(list.droppedRow, -1) << "the drop waits until Qt's drag has ended";
  EXPECT_EQ(loop.Finish(), DROPEFFECT_MOVE);
  EXPECT_EQ(list.droppedRow, 2);
}

}  // namespace
