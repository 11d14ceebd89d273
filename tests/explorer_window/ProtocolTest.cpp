// Several Explorers open on one simulation keep each other current (a rename
// in both is the flowsheet nodes' test): deletions and content changes reach
// every window once, a deleted root
// closes its window, and messages that arrive after their node or window has
// gone do nothing. Drags between windows with the right button ask what to do.
#include "explorer/core/ExplorerMessages.h"
#include "platform/Services.h"
#include "tests/explorer_window/ExplorerWindowTestSupport.h"

namespace window_test {
namespace {

CPoint Middle(const CRect& rect) { return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2); }

// Two Explorers on Simulation > Units > Heat, Cool; Simulation > Mixer.
class ProtocolTest : public ExplorerWindowTest {
 protected:
  void SetUp() override {
    CStoreType& units = Model("Units");
    CStoreType& heat = Model("Heat");
    CStoreType& cool = Model("Cool");
    CStoreType& mixer = Model("Mixer");
    Setup(units).children = {&heat, &cool};
    RootSetup().children = {&units, &mixer};
    first = Open();
    second = Open();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
  }

  // An Explorer rooted at one of the simulation's types.
  CExplorerFrame* OpenAt(const std::string& typeName) {
    tag_CorvaneViewContext record;
    record.libraryName = SimulationType().Name();
    record.typeName = typeName;
    record.text = kFolderClass.ToString();
    return Open(&record);
  }

  CExplorerFrame* first = nullptr;
  CExplorerFrame* second = nullptr;
};

TEST_F(ProtocolTest, DeletingTheNodeThatIsAnotherExplorersRootClosesThatExplorer) {
  CExplorerFrame* onUnits = OpenAt("Units");
  ASSERT_NE(onUnits, nullptr);
  EXPECT_EQ(onUnits->GetWindowText(), "Exploring - Units");

  ASSERT_EQ(ItemNode(first, {"Simulation", "Units"})->SelfDestruct(0), 1);
  Pump();
  EXPECT_FALSE(IsOpen(onUnits));
  EXPECT_EQ(CExplorerFrame::ActiveExplorers(), (std::vector<CExplorerFrame*>{second, first}));
  for (CExplorerFrame* frame : {first, second})
    EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})), std::vector<std::string>{"Mixer"});
  EXPECT_EQ(Simulation().Find("Units"), nullptr);
}

TEST_F(ProtocolTest, APostedDeletionWhoseNodeARefreshRemovedFirstDoesNothing) {
  ASSERT_TRUE(first->GetTreeView()->UserClick(Item(first, {"Simulation", "Mixer"})));
  const std::size_t nodesBefore = CExplorerObject::LiveCount();
  ASSERT_EQ(ItemNode(first, {"Simulation", "Mixer"})->SelfDestruct(0), 1);
  // The other Explorer let go of Mixer at once (the notice is sent).
  EXPECT_EQ(Item(second, {"Simulation", "Mixer"}), nullptr);
  // The refresh deletes the node the queued follow-up names.
  first->OnViewRefresh();
  Pump();
  EXPECT_EQ(TreeChildren(first, Item(first, {"Simulation"})), std::vector<std::string>{"Units"});
  EXPECT_LT(CExplorerObject::LiveCount(), nodesBefore);
  EXPECT_TRUE(IsOpen(first));
}

TEST_F(ProtocolTest, AContainerDeletedFromTheContentsPaneLeavesTheTreeOfItsOwnExplorerToo) {
  ASSERT_TRUE(first->GetTreeView()->UserClick(Item(first, {"Simulation"})));
  ASSERT_EQ(Rows(first), (std::vector<std::string>{"Mixer", "Units"}));
  CExplorerObject* row = first->GetListView()->GetRowObject(1);
  ASSERT_NE(row, nullptr);
  ASSERT_EQ(row->SelfDestruct(0), 1);
  Pump();
  // The row's type is gone by the time its follow-up arrives; its tree item goes all the same.
  for (CExplorerFrame* frame : {first, second})
    EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})), std::vector<std::string>{"Mixer"});
  EXPECT_EQ(Rows(first), std::vector<std::string>{"Mixer"});
  EXPECT_EQ(Simulation().Find("Units"), nullptr);
}

TEST_F(ProtocolTest, MessagesQueuedForAClosedExplorerAreDropped) {
  first->PostMessage(EXPLORER_CONTENTS_CHANGED, 0, 0);
  first->PostMessage(EXPLORER_OBJECT_RENAMED, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(ItemNode(first, {"Simulation", "Mixer"})));
  const int fillsBefore = Fixtures::Log().listFills;
  first->SendMessage(WM_CLOSE);
  Pump();
  EXPECT_EQ(CExplorerFrame::ActiveExplorers(), std::vector<CExplorerFrame*>{second});
  EXPECT_EQ(Fixtures::Log().listFills, fillsBefore) << "nobody refreshed for the closed window";
}

TEST_F(ProtocolTest, ContentChangesAreForwardedOnceAndOnlyByVisibleExplorers) {
  int fills = Fixtures::Log().listFills;
  first->SendMessage(EXPLORER_CONTENTS_CHANGED, 0, 0);
  EXPECT_EQ(Fixtures::Log().listFills, fills + 2) << "this window and the other one";

  fills = Fixtures::Log().listFills;
  first->SendMessage(EXPLORER_CONTENTS_CHANGED, 1, 0);
  EXPECT_EQ(Fixtures::Log().listFills, fills + 1) << "a forwarded change goes no further";

  first->ShowWindow(SW_HIDE);
  fills = Fixtures::Log().listFills;
  first->SendMessage(EXPLORER_CONTENTS_CHANGED, 0, 0);
  EXPECT_EQ(Fixtures::Log().listFills, fills + 1) << "a hidden window forwards nothing";
}

TEST_F(ProtocolTest, ARightButtonDragIntoAnotherExplorerAsksWhatToDo) {
  Setup(*Simulation().Find("Units")).dropEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  CExplorerTreeView* target = second->GetTreeView();
  HTREEITEM units = Item(second, {"Simulation", "Units"});
  CRect rect;
  ASSERT_TRUE(target->GetItemRect(units, &rect, TRUE));

  ui.AnswerDrag(DragAnswer{target->m_hWnd, Middle(rect), MK_RBUTTON});
  ui.AnswerMenu("Copy Here");
  first->GetTreeView()->UserBeginDrag(Item(first, {"Simulation", "Mixer"}), true);
  EXPECT_EQ(Fixtures::Log().drops, (std::vector<std::pair<std::string, DWORD>>{{"Units", DROPEFFECT_COPY}}));

  // Cancel on the menu drops nothing.
  ui.AnswerDrag(DragAnswer{target->m_hWnd, Middle(rect), MK_RBUTTON});
  ui.AnswerMenu("Cancel");
  first->GetTreeView()->UserBeginDrag(Item(first, {"Simulation", "Mixer"}), true);
  EXPECT_EQ(Fixtures::Log().drops.size(), 1u);
}

TEST_F(ProtocolTest, DraggingNearTheEdgeScrollsOnlyAfterTheDelay) {
  for (int i = 0; i < 60; ++i) RootSetup().children.push_back(&Model("Extra" + std::to_string(100 + i)));
  first->OnViewRefresh();
  first->MoveWindow(0, 0, 500, 200);
  CExplorerTreeView* tree = first->GetTreeView();
  CRect client;
  tree->GetClientRect(&client);
  const CPoint nearBottom(client.Width() / 2, client.bottom - 2);

  Clock::ManualClock clock;
  const int start = tree->GetScrollPos(SB_VERT);
  tree->OnDragEnter(nullptr, MK_LBUTTON, nearBottom);
  clock.Advance(tree->ScrollDelay());
  tree->OnDragOver(nullptr, MK_LBUTTON, nearBottom);
  EXPECT_EQ(tree->GetScrollPos(SB_VERT), start) << "not before the delay has passed";
  clock.Advance(1);
  EXPECT_NE(tree->OnDragOver(nullptr, MK_LBUTTON, nearBottom) & DROPEFFECT_SCROLL, 0u);
  EXPECT_EQ(tree->GetScrollPos(SB_VERT), start + 1);
  // Leaving the zone starts the wait again.
  tree->OnDragOver(nullptr, MK_LBUTTON, Middle(client));
  tree->OnDragOver(nullptr, MK_LBUTTON, nearBottom);
  clock.Advance(tree->ScrollDelay());
  tree->OnDragOver(nullptr, MK_LBUTTON, nearBottom);
  EXPECT_EQ(tree->GetScrollPos(SB_VERT), start + 1);
  tree->OnDragLeave();
}

}  // namespace
}  // namespace window_test
