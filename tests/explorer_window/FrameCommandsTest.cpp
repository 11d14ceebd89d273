// The frame's commands: the shared explorer commands go to the node that has
// the focus and are enabled as it says, with the frame's own exceptions; the
// view commands, closing, the next pane, context menus and keys.
#include "explorer/core/ExplorerCommands.h"
#include "host/store/HostClassIds.h"
#include "tests/explorer_window/ExplorerWindowTestSupport.h"
#include "workbench/store/StorePalette.h"

namespace window_test {
namespace {

class FrameCommandsTest : public ExplorerWindowTest {
 protected:
  void SetUp() override {
    CStoreType& reactor = Model("Reactor");
    CStoreType& mixer = Model("Mixer");
    RootSetup().children = {&reactor, &mixer};
    Setup(reactor).commands = {ID_EXPLORER_PROPERTIES, ID_EXPLORER_COPY, ID_EXPLORER_DELETE, ID_EXPLORER_ACTIVATE};
    frame = Open();
    ASSERT_NE(frame, nullptr);
  }

  // A person clicks the tree item at labels.
  void ClickItem(const std::vector<std::string>& labels) {
    ASSERT_TRUE(frame->GetTreeView()->UserClick(Item(frame, labels)));
  }

  CExplorerFrame* frame = nullptr;
};

TEST_F(FrameCommandsTest, ExplorerCommandsGoToTheCurrentNodeWhenItCanDoThem) {
  ClickItem({"Simulation", "Reactor"});
  ASSERT_EQ(frame->GetCurrentObject(), ItemNode(frame, {"Simulation", "Reactor"}));
  EXPECT_TRUE(QueryCommandState(frame, ID_EXPLORER_DELETE).enabled);
  EXPECT_FALSE(QueryCommandState(frame, ID_EXPLORER_RENAME).enabled);
  EXPECT_TRUE(frame->RunCommand(ID_EXPLORER_DELETE));
  EXPECT_FALSE(frame->RunCommand(ID_EXPLORER_RENAME));
  // Properties of the frame's menu, and the Edit menu's Copy, are the node's.
  EXPECT_TRUE(frame->RunCommand(ID_VIEW_PROPERTIES));
  EXPECT_TRUE(frame->RunCommand(ID_EDIT_COPY));
  EXPECT_FALSE(frame->RunCommand(ID_EDIT_CUT));
  using Done = std::vector<std::pair<std::string, UINT>>;
  EXPECT_EQ(Fixtures::Log().commands,
            (Done{{"Reactor", ID_EXPLORER_DELETE}, {"Reactor", ID_EXPLORER_PROPERTIES}, {"Reactor", ID_EXPLORER_COPY}}));

  // Routed straight to the frame, Properties still asks the node first.
  ClickItem({"Simulation", "Mixer"});
  EXPECT_TRUE(frame->OnCmdMsg(ID_VIEW_PROPERTIES, CN_COMMAND, nullptr));
  EXPECT_EQ(Fixtures::Log().commands.size(), 3u) << "Mixer cannot show properties";
  ClickItem({"Simulation", "Reactor"});

  // A node that sets its own check mark is asked, not its CanDoCommand.
  EXPECT_TRUE(QueryCommandState(frame, ID_EXPLORER_ACTIVATE).enabled);
  // Go to first unconverged needs the tree to have found one, whatever the node says.
  Setup(SimulationType()).commands = {ID_EXPLORER_GOTO_FIRST_UNCONVERGED};
  ClickItem({"Simulation"});
  EXPECT_FALSE(QueryCommandState(frame, ID_EXPLORER_GOTO_FIRST_UNCONVERGED).enabled);
  CExplorerTreeView::mbfHasUnconverged = 1;
  EXPECT_TRUE(QueryCommandState(frame, ID_EXPLORER_GOTO_FIRST_UNCONVERGED).enabled);
}

TEST_F(FrameCommandsTest, CommandsAreRefusedWithAMessageWhileTheLastFileLoadFailed) {
  ClickItem({"Simulation", "Reactor"});
  app.Document().SetFileLoadFailed(true);
  ui.AnswerOk();
  EXPECT_TRUE(frame->RunCommand(ID_EXPLORER_DELETE));
  ASSERT_FALSE(ui.Prompts().empty());
  EXPECT_EQ(ui.Prompts().back().caption, "File load failure");
  EXPECT_EQ(ui.Prompts().back().text,
            "Please make any changes you require in the edit window provided\nuntil the file has loaded successfully.");
  EXPECT_TRUE(Fixtures::Log().commands.empty());
}

TEST_F(FrameCommandsTest, CopyIsRefusedOnTheBuiltInHierarchyType) {
  CStoreType& system = build.SystemLibrary();
  CStoreType* hierarchy = system.OwnedPalette()->Find("Hierarchy");
  ASSERT_NE(hierarchy, nullptr);
  FixtureSetup& setup = Setup(*hierarchy);
  setup.commands = {ID_EXPLORER_COPY};
  RootSetup().children.push_back(hierarchy);
  frame->OnViewRefresh();
  ClickItem({"Simulation", "Hierarchy"});
  EXPECT_FALSE(QueryCommandState(frame, ID_EDIT_COPY).enabled);
  EXPECT_FALSE(frame->RunCommand(ID_EDIT_COPY));
  // The node's own Copy command stays as the node says.
  EXPECT_TRUE(QueryCommandState(frame, ID_EXPLORER_COPY).enabled);
}

TEST_F(FrameCommandsTest, CloseNextPaneAndRefreshWorkFromTheFrameMenuAndKeys) {
  ClickItem({"Simulation", "Reactor"});
  // Tab makes the contents pane active: the current node becomes its row's.
  frame->GetTreeView()->UserKeyDown(VK_TAB);
  EXPECT_TRUE(frame->GetListView()->HasFocus());
  EXPECT_FALSE(frame->IsTreeView());
  frame->GetListView()->UserClick(0);
  EXPECT_EQ(frame->GetCurrentSelObject(), frame->GetListView()->GetRowObject(0));
  frame->GetListView()->UserKeyDown(VK_TAB);
  EXPECT_TRUE(frame->IsTreeView());
  EXPECT_EQ(frame->GetCurrentObject(), ItemNode(frame, {"Simulation", "Reactor"}));

  // Ctrl+W refreshes: a model added meanwhile appears.
  CStoreType& pump = Model("Pump");
  RootSetup().children.push_back(&pump);
  Keyboard::SetModifiers(false, true, false);
  frame->GetTreeView()->UserKeyDown('W');
  Keyboard::SetModifiers(false, false, false);
  EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})), (std::vector<std::string>{"Reactor", "Mixer", "Pump"}));
  // The refreshed tree selects the equal node again.
  EXPECT_EQ(frame->GetTreeView()->GetItemText(frame->GetTreeView()->GetSelectedItem()), "Reactor");

  EXPECT_TRUE(frame->RunCommand(ID_EXPLORER_CLOSE));
  EXPECT_TRUE(IsOpen(frame));  // the close message is posted
  Pump();
  EXPECT_FALSE(IsOpen(frame));
}

TEST_F(FrameCommandsTest, DeleteKeyReachesTheNodeButNotWhileItsLabelIsEdited) {
  ClickItem({"Simulation", "Reactor"});
  CExplorerTreeView* tree = frame->GetTreeView();
  ASSERT_NE(tree->UserBeginLabelEdit(Item(frame, {"Simulation", "Reactor"})), nullptr);
  EXPECT_EQ(ItemNode(frame, {"Simulation", "Reactor"})->IsDeletable(), 0);
  tree->UserKeyDown(VK_DELETE);
  EXPECT_TRUE(tree->IsEditingLabel());
  EXPECT_TRUE(Fixtures::Log().commands.empty());
  tree->GetLabelEdit()->SetText("Vessel");
  tree->UserKeyDown(VK_RETURN);  // Enter ends the edit
  EXPECT_FALSE(tree->IsEditingLabel());
  EXPECT_NE(Simulation().Find("Vessel"), nullptr);
  EXPECT_EQ(ItemNode(frame, {"Simulation", "Vessel"})->IsDeletable(), 1);

  tree->UserKeyDown(VK_DELETE);
  using Done = std::vector<std::pair<std::string, UINT>>;
  EXPECT_EQ(Fixtures::Log().commands, (Done{{"Vessel", ID_EXPLORER_DELETE}}));
}

// Keys the node refuses beep and change nothing: the command-line key tests.
// A command that became unavailable after its menu was opened is refused when it arrives.
TEST_F(FrameCommandsTest, AMenuCommandTheNodeNoLongerAllowsBeeps) {
  CExplorerTreeView* tree = frame->GetTreeView();
  CStoreType& mixer = *Simulation().Find("Mixer");
  Setup(mixer).commands = {ID_EXPLORER_DELETE};
  ui.AnswerMenu("Delete");
  ASSERT_TRUE(tree->UserRightClick(Item(frame, {"Simulation", "Mixer"})));
  Setup(mixer).commands.clear();
  Pump();
  EXPECT_TRUE(Fixtures::Log().commands.empty());
  EXPECT_EQ(ui.Beeps(), 1);
}

TEST_F(FrameCommandsTest, ContextMenusOfferTheNodesCommandsAndTheViewMenusOnEmptySpace) {
  CExplorerTreeView* tree = frame->GetTreeView();
  ui.AnswerMenu("Delete");
  ASSERT_TRUE(tree->UserRightClick(Item(frame, {"Simulation", "Reactor"})));
  ASSERT_FALSE(ui.Prompts().empty());
  const std::vector<std::string> offered = ui.Prompts().back().details;
  EXPECT_EQ(offered.size(), 4u);
  // Right-clicking selected the item and gave it the focus.
  EXPECT_EQ(frame->GetCurrentObject(), ItemNode(frame, {"Simulation", "Reactor"}));
  Pump();  // the chosen command arrives posted at the frame
  using Done = std::vector<std::pair<std::string, UINT>>;
  EXPECT_EQ(Fixtures::Log().commands, (Done{{"Reactor", ID_EXPLORER_DELETE}}));

  ui.AnswerMenu("Details");
  ASSERT_TRUE(tree->UserRightClick(CPoint(5, 300)));
  std::vector<std::string> treeMenu = ui.Prompts().back().details;
  Pump();
  EXPECT_EQ(frame->GetListView()->GetViewStyle(), static_cast<DWORD>(LVS_REPORT));
  for (const std::string& line : treeMenu) EXPECT_EQ(line.find("Paste"), std::string::npos) << line;

  frame->MoveWindow(0, 0, 800, 600);
  ui.AnswerCancel();
  ASSERT_TRUE(frame->GetListView()->UserRightClick(CPoint(300, 300)));
  std::vector<std::string> listMenu = ui.Prompts().back().details;
  bool paste = false;
  for (const std::string& line : listMenu) paste = paste || line.find("Paste") != std::string::npos;
  EXPECT_TRUE(paste);
}

TEST_F(FrameCommandsTest, HostCommandsInANodesMenuReachTheHost) {
  Setup(SimulationType()).commands = {ID_HOST_RUN};
  ClickItem({"Simulation"});
  const int runsBefore = app.Document().Actions().Count("run: Run");
  EXPECT_TRUE(frame->RunCommand(ID_HOST_RUN));
  EXPECT_EQ(app.Document().Actions().Count("run: Run"), runsBefore + 1);
}

}  // namespace
}  // namespace window_test
