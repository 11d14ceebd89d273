// The tree pane: filling, lazy expansion, refreshing with re-selection,
// finding and removing items, and the host's updates (statuses, flowsheet,
// decomposition, equations or variables; going to the first unconverged
// group is the command-line diagnostics test's).
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerMessages.h"
#include "host/framework/UpdateHints.h"
#include "tests/explorer_window/ExplorerWindowTestSupport.h"

namespace window_test {
namespace {

class TreePaneTest : public ExplorerWindowTest {
 protected:
  // Simulation > Units (deferred) > Heat, Cool; Simulation > Mixer.
  void SetUp() override {
    CStoreType& units = Model("Units");
    CStoreType& heat = Model("Heat");
    CStoreType& cool = Model("Cool");
    CStoreType& mixer = Model("Mixer");
    Setup(units).children = {&heat, &cool};
    Setup(units).deferChildren = true;
    RootSetup().children = {&units, &mixer};
    frame = Open();
    ASSERT_NE(frame, nullptr);
    tree = frame->GetTreeView();
  }

  std::string Selected() { return tree->GetItemText(tree->GetSelectedItem()); }

  CExplorerFrame* frame = nullptr;
  CExplorerTreeView* tree = nullptr;
};

TEST_F(TreePaneTest, FillingReportsOnlyTheRootsSelectionAndChildrenWaitForTheFirstExpansion) {
  // One list fill: the root's, when its selection was reported at the end.
  EXPECT_EQ(Fixtures::Log().listFills, 1);
  EXPECT_EQ(Selected(), "Simulation");
  HTREEITEM units = tree->FindItemByLabels({"Simulation", "Units"}, false);
  ASSERT_NE(units, nullptr);
  EXPECT_EQ(TreeChildren(frame, units), std::vector<std::string>{""});  // the placeholder

  const int shown = Fixtures::Log().treeChildrenShown;
  ASSERT_TRUE(tree->UserToggleExpand(units));
  EXPECT_EQ(TreeChildren(frame, units), (std::vector<std::string>{"Heat", "Cool"}));
  ASSERT_TRUE(tree->UserToggleExpand(units));  // collapsing never rebuilds
  ASSERT_TRUE(tree->UserToggleExpand(units));  // nor does opening again
  EXPECT_EQ(Fixtures::Log().treeChildrenShown, shown + 3);  // Units's children, then each child's
  EXPECT_EQ(tree->LabelsOf(tree->FindItemByLabels({"simulation", "UNITS", "cool"})),
            (std::vector<std::string>{"Simulation", "Units", "Cool"}));

  // A double-click toggles the item itself.
  ASSERT_TRUE(tree->UserDoubleClick(units));
  EXPECT_EQ(tree->GetItemState(units, TVIS_EXPANDED), 0u);
  EXPECT_FALSE(tree->UserDoubleClick(nullptr));
}

TEST_F(TreePaneTest, RefreshSelectsTheEqualNodeAgainOrTheRootWhenItIsGone) {
  ASSERT_TRUE(tree->UserClick(Item(frame, {"Simulation", "Mixer"})));
  EXPECT_EQ(frame->GetContentsLabel()->GetText(), " Contents of Mixer");
  tree->Refresh();
  EXPECT_EQ(tree->LabelsOf(tree->GetSelectedItem()), (std::vector<std::string>{"Simulation", "Mixer"}));

  // A node below children that wait for their first expansion is not in the new tree.
  ASSERT_TRUE(tree->UserClick(Item(frame, {"Simulation", "Units", "Heat"})));
  tree->Refresh();
  EXPECT_EQ(Selected(), "Simulation");

  ASSERT_TRUE(tree->UserClick(Item(frame, {"Simulation", "Mixer"})));
  Simulation().Delete("Mixer");
  tree->Refresh();
  EXPECT_EQ(Selected(), "Simulation");
  EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})), std::vector<std::string>{"Units"});
  // Only the root is open after a refresh.
  EXPECT_EQ(tree->GetItemState(tree->FindItemByLabels({"Simulation", "Units"}, false), TVIS_EXPANDED), 0u);
}

TEST_F(TreePaneTest, FindingRemovingAndRenamingItemsDeletesTheRightNodes) {
  HTREEITEM root = tree->GetRootTreeItem();
  tree->UserToggleExpand(tree->FindItemByLabels({"Simulation", "Units"}, false));
  EXPECT_EQ(tree->FindNode(root, "Heat", 0), nullptr);
  HTREEITEM heat = tree->FindNode(root, "Heat", 1);
  ASSERT_NE(heat, nullptr);
  EXPECT_EQ(tree->FindNode(root, "Heat", kOtherFolderClass, 1), nullptr);
  EXPECT_EQ(tree->FindNode(root, "Heat", kFolderClass, 1), heat);
  EXPECT_EQ(tree->FindNode(root, tree->GetExplorerObject(heat), 1), heat);

  // Removing an item deletes its node and the nodes below it; the root's node is the frame's.
  const std::size_t before = CExplorerObject::LiveCount();
  CExplorerObject* units = ItemNode(frame, {"Simulation", "Units"});
  EXPECT_EQ(tree->DeleteNode(units, 1), 1);
  EXPECT_EQ(CExplorerObject::LiveCount(), before - 3);
  std::unique_ptr<CExplorerObject> equalToRoot(frame->GetRootObject()->Clone());
  EXPECT_EQ(tree->DeleteNode(equalToRoot.get(), 1), 1);  // an equal node finds the root
  EXPECT_EQ(tree->GetRootTreeItem(), nullptr);
  EXPECT_TRUE(CExplorerObject::IsLive(frame->GetRootObject()));
  tree->Refresh();

  CExplorerObject* mixer = ItemNode(frame, {"Simulation", "Mixer"});
  Simulation().Rename("Mixer", "Blender");
  EXPECT_EQ(tree->RenameNode(mixer), 1);
  EXPECT_NE(Item(frame, {"Simulation", "Blender"}), nullptr);
  EXPECT_EQ(tree->RenameNode(nullptr), 1);  // the selected item: the root
  EXPECT_EQ(tree->FindItemByLabels({"Simulation", "Nothing"}), nullptr);
}

TEST_F(TreePaneTest, HostUpdatesRefreshAndMarkStatusesOnlyWhileTheTreeIsReady) {
  CStoreType& pump = Model("Pump");
  RootSetup().children.push_back(&pump);
  frame->SuspendUpdates();
  app.Document().UpdateAllViews(nullptr, QV_HINT_TYPES_CHANGED);
  EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})), (std::vector<std::string>{"Units", "Mixer"}));
  frame->ResumeUpdates();
  app.Document().UpdateAllViews(nullptr, QV_HINT_TYPES_CHANGED);
  EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})), (std::vector<std::string>{"Units", "Mixer", "Pump"}));

  Setup(pump).status = EO_STATUS_NOT_OK;
  app.Document().UpdateAllViews(nullptr, QV_HINT_COMPILED);
  EXPECT_EQ(tree->GetItemState(Item(frame, {"Simulation", "Pump"}), TVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));
  CExplorerListView* list = frame->GetListView();
  EXPECT_EQ(list->GetItemState(list->FindRowByLabel("Pump"), LVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));
  Setup(pump).status = EO_STATUS_OK;
  app.Document().UpdateAllViews(nullptr, QV_HINT_COMPILED);
  EXPECT_EQ(tree->GetItemState(Item(frame, {"Simulation", "Pump"}), TVIS_OVERLAYMASK), 0u);

  // Run values reach every pane as a posted details change.
  app.Document().UpdateAllViews(nullptr, QV_HINT_RUN_VALUES);
  MSG posted;
  EXPECT_TRUE(MessageQueue::Peek(&posted, frame->m_hWnd, EXPLORER_DETAILS_CHANGED, EXPLORER_DETAILS_CHANGED, true));
  EXPECT_EQ(posted.lParam, QV_HINT_RUN_VALUES);
}

TEST_F(TreePaneTest, FlowsheetChangesRebuildItsChildrenNowOrAtTheNextExpansion) {
  CStoreType& flowsheet = Model("Plant", CLSID_QVEOFlowsheet);
  CStoreType& b1 = Model("B1");
  Setup(flowsheet).label = "Flowsheet";
  Setup(flowsheet).children = {&b1};
  RootSetup().children.push_back(&flowsheet);
  frame->OnViewRefresh();
  HTREEITEM item = Item(frame, {"Simulation", "Flowsheet"});
  ASSERT_NE(item, nullptr);

  CStoreType& b2 = Model("B2");
  Setup(flowsheet).children.push_back(&b2);
  // A changed block of a closed flowsheet only marks its children for the next expansion.
  app.Document().UpdateAllViews(nullptr, QV_HINT_BLOCK_CHANGED);
  EXPECT_EQ(TreeChildren(frame, item), std::vector<std::string>{"B1"});
  tree->UserToggleExpand(item);
  EXPECT_EQ(TreeChildren(frame, item), (std::vector<std::string>{"B1", "B2"}));

  // Added blocks rebuild at once; the selection inside moves up to the flowsheet.
  ASSERT_TRUE(tree->UserClick(Item(frame, {"Simulation", "Flowsheet", "B2"})));
  CStoreType& b3 = Model("B3");
  Setup(flowsheet).children.push_back(&b3);
  app.Document().UpdateAllViews(nullptr, QV_HINT_BLOCKS_ADDED);
  EXPECT_EQ(TreeChildren(frame, item), (std::vector<std::string>{"B1", "B2", "B3"}));
  EXPECT_EQ(Selected(), "Flowsheet");
  EXPECT_EQ(frame->GetContentsLabel()->GetText(), " Contents of Flowsheet");
}

TEST_F(TreePaneTest, TheDecompositionIsRebuiltUnderTheSimulationAndAnExplorerOnAGroupCloses) {
  CStoreType& diagnostics = Model("Decomposition", CLSID_QVEODiagnostic);
  Setup(diagnostics).label = "Diagnostics";
  // The diagnostic node is made for the simulation: its setup comes from a maker that looks it up.
  CScopedNodeMaker diagnosticMaker(CLSID_QVEODiagnostic, [](IFInstance*, CExplorerExclusionList* list,
                                                             CWnd* owner) -> CExplorerObject* {
    for (auto& [type, setup] : Fixtures::Setups())
      if (setup.label == "Diagnostics")
        return Fixtures::Make(const_cast<CStoreType*>(type)->DefaultInstance(), list, owner);
    return nullptr;
  });
  frame->PostMessage(EXPLORER_DECOMP_UPDATE);
  Pump();
  EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})),
            (std::vector<std::string>{"Units", "Mixer", "Diagnostics"}));
  frame->PostMessage(EXPLORER_DECOMP_UPDATE);
  Pump();
  EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})),
            (std::vector<std::string>{"Units", "Mixer", "Diagnostics"}));
  app.Document().UpdateAllViews(nullptr, QV_HINT_DECOMPOSITION_CLEARED);
  EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})), (std::vector<std::string>{"Units", "Mixer"}));

  // Excluded for this Explorer: nothing is made.
  frame->GetExclusionList()->Add(CLSID_QVEODiagnostic);
  app.Document().UpdateAllViews(nullptr, QV_HINT_DECOMPOSITION_READY);
  EXPECT_EQ(TreeChildren(frame, Item(frame, {"Simulation"})), (std::vector<std::string>{"Units", "Mixer"}));
}

class GroupsTest : public ExplorerWindowTest {
 protected:
  // Simulation > Diagnostics > G1 > G2 > G3, each group with equations.
  void SetUp() override {
    CStoreType& diagnostics = Model("Decomposition");
    Setup(diagnostics).label = "Diagnostics";
    CStoreType& g1 = Model("G1", CLSID_QVEOGroup);
    CStoreType& g2 = Model("G2", CLSID_QVEOGroup);
    CStoreType& g3 = Model("G3", CLSID_QVEOGroup);
    for (CStoreType* group : {&g1, &g2, &g3}) Setup(*group).groupChildren = {"e1", "e2"};
    Setup(diagnostics).children = {&g1};
    Setup(g1).children = {&g2};
    Setup(g2).children = {&g3};
    RootSetup().children = {&diagnostics};
    frame = Open();
    ASSERT_NE(frame, nullptr);
    tree = frame->GetTreeView();
  }

  CExplorerFrame* frame = nullptr;
  CExplorerTreeView* tree = nullptr;
};

TEST_F(GroupsTest, SwitchingToVariablesReplacesEquationsUnderEveryGroupAndReshowsTheGroupShown) {
  tree->ShowEqnsorVars();  // the stored setting: variables
  HTREEITEM g1 = Item(frame, {"Simulation", "Diagnostics", "G1"});
  ASSERT_TRUE(tree->UserClick(g1));
  EXPECT_EQ(TreeChildren(frame, g1), (std::vector<std::string>{"ve1", "ve2"}));
  const int fills = Fixtures::Log().listFills;
  frame->GetExclusionList()->SetShowVariablesInGroups(0, frame->GetRootObject());
  Pump();
  EXPECT_EQ(TreeChildren(frame, g1), (std::vector<std::string>{"e1", "e2"}));
  // The contents pane showing G1 was cleared and filled again for it, after each of the two walks.
  EXPECT_EQ(Fixtures::Log().listFills, fills + 2);
  EXPECT_EQ(Rows(frame), std::vector<std::string>{"G2"});
  EXPECT_EQ(frame->GetListView()->GetContext(), tree->GetExplorerObject(g1));
}

}  // namespace
}  // namespace window_test
