// The Diagnostics node and the decompositions, groups, torn groups and pages
// below it, in both panes: absent before a run, one row per run mode, pages of
// the host's page size with one question above 1000, the first unconverged
// group alone when asked, and the rows' texts and sorting.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/nodes/diagnostics/QVEODecomposition.h"
#include "explorer/nodes/diagnostics/QVEODiagnostic.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "explorer/nodes/diagnostics/QVEOTornGroup.h"
#include "explorer/resources/CommandIds.h"
#include "platform/Registry.h"
#include "tests/explorer_diagnostics/DiagnosticsTestSupport.h"

namespace diagnostics_test {
namespace {

class DecompositionNodesTest : public DiagnosticsTest {
 protected:
  // A decomposition node in the tree as a root, and its item.
  HTREEITEM DecompositionInTree() {
    return InTree(new CQVEODecomposition(FirstDecomposition(), &exclusions, &owner));
  }
  CQVEODecomposition& DecompositionNode(HTREEITEM item) { return *dynamic_cast<CQVEODecomposition*>(ItemNode(item)); }
};

TEST_F(DecompositionNodesTest, DiagnosticsAppearOnlyAfterARunWithOneRowPerRunMode) {
  HTREEITEM simulation = tree.InsertItem("Simulation");
  auto* before = new CQVEODiagnostic(nullptr, &exclusions, &owner);
  EXPECT_EQ(before->ShowContents(tree, simulation), nullptr);
  EXPECT_TRUE(TreeChildren(simulation).empty());
  delete before;

  CDiagnosticsBuilder builder;
  builder.Decomposition(ZN_RUN_STEADY_STATE).Groups(3, {2});
  builder.TornGroup(2, 1);
  builder.Decomposition(ZN_RUN_DYNAMIC).Groups(2);
  Publish(builder);
  auto* diagnostics = new CQVEODiagnostic(nullptr, &exclusions, &owner);
  HTREEITEM item = InTree(diagnostics, simulation);
  EXPECT_EQ(tree.GetItemText(item), "Diagnostics");
  // The solver compresses equal variables by default, so the equivalences follow the decompositions.
  EXPECT_EQ(TreeChildren(item), (Strings{"Steady state decomposition", "Dynamic decomposition", "Equivalences"}));
  // The unconverged decomposition carries the error mark in the tree.
  EXPECT_EQ(tree.GetItemState(tree.GetChildItem(item), TVIS_OVERLAYMASK), INDEXTOOVERLAYMASK(1));

  ShowInList(*diagnostics);
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Equations", "Groups", "Explicit groups", "Linear groups",
                                     "Nonlinear groups", "Torn groups", "Most equations in a group", "Status"}));
  ASSERT_EQ(list.GetItemCount(), 3);
  // Three one-equation groups and a torn group of two: five equations, four groups.
  Strings steady;
  for (int column = 0; column < 9; ++column) steady.push_back(list.GetItemText(0, column));
  EXPECT_EQ(steady, (Strings{"Steady state", "5", "4", "3", "0", "0", "1", "2", "Unconverged"}));
  EXPECT_EQ(list.GetItemText(1, 8), "Converged");
  EXPECT_EQ(RowOverlay(0), 1);
  EXPECT_EQ(RowOverlay(1), 0);
  EXPECT_EQ(ListColumn(0)[2], "Equivalences");
}

TEST_F(DecompositionNodesTest, DiagnosticsCommandsAndTheStoredFirstUnconvergedChoice) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(2);
  Publish(builder);
  RecordingWindow window;
  CQVEODiagnostic diagnostics(nullptr, &exclusions, &window);
  EXPECT_EQ(MenuTexts(diagnostics), (Strings{"Properties...", "Show first unconverged only", "Go to first unconverged",
                                             "Show variables"}));
  CCmdUI check(ID_EXPLORER_FIRST_UNCONVERGED_ONLY);
  diagnostics.SetCommandState(&check);
  EXPECT_EQ(check.GetCheck(), 0);

  diagnostics.DoCommand(ID_EXPLORER_FIRST_UNCONVERGED_ONLY);
  EXPECT_EQ(exclusions.GetOnlyFirstUnconverged(), 1);
  diagnostics.SetCommandState(&check);
  EXPECT_EQ(check.GetCheck(), 1);
  CRegKey key;
  DWORD stored = 0;
  ASSERT_EQ(key.Open(HKEY_CURRENT_USER, CQVExplorer::GetSettingsRootKeyName()), ERROR_SUCCESS);
  EXPECT_EQ(key.QueryDWORDValue("OnlyShowFirstUnconvergedGroup", stored), ERROR_SUCCESS);
  EXPECT_EQ(stored, 1u);

  diagnostics.DoCommand(ID_EXPLORER_GOTO_FIRST_UNCONVERGED);
  diagnostics.DoCommand(ID_EXPLORER_SHOW_VARIABLES);
  EXPECT_EQ(exclusions.GetShowVariablesInGroups(), 1);
  EXPECT_EQ(MenuTexts(diagnostics).back(), "Show equations");
  MessageQueue::Pump();
  EXPECT_EQ(window.Count(EXPLORER_DECOMP_UPDATE), 1);
  EXPECT_EQ(window.Count(EXPLORER_GOTO_FIRST_UNCONVERGED), 1);
  EXPECT_EQ(window.Count(EXPLORER_SHOW_EQNORVARS), 1);
}

TEST_F(DecompositionNodesTest, AThousandGroupsAPageNeedNoQuestionAndMoreAreAskedAboutOnceWhicheverPaneFillsFirst) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(2500);
  Publish(builder);
  SetGroupsPerPage(1000);
  HTREEITEM plain = DecompositionInTree();
  Open(plain);
  EXPECT_EQ(TreeChildren(plain), (Strings{"1 to 1000", "1001 to 2000", "2001 to 2500"}));

  // The list first: the question comes once, and the tree that follows does not ask again.
  SetGroupsPerPage(1001);
  HTREEITEM listFirst = DecompositionInTree();
  ui.AnswerYes();
  ShowInList(DecompositionNode(listFirst));
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Status"}));
  EXPECT_EQ(ListColumn(0), (Strings{"1 to 1001", "1002 to 2002", "2003 to 2500"}));
  Open(listFirst);
  EXPECT_EQ(TreeChildren(listFirst), (Strings{"1 to 1001", "1002 to 2002", "2003 to 2500"}));
  ShowInList(DecompositionNode(listFirst));
  ui.ExpectAllAnswersUsed();

  // The tree first, answered No: both panes stay empty from then on, without asking again.
  HTREEITEM declined = DecompositionInTree();
  ui.AnswerNo();
  Open(declined);
  ShowInList(DecompositionNode(declined));
  Open(declined);
  EXPECT_EQ(TreeChildren(declined), (Strings{"No data yet. Re-open the group node"}));
  EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(DecompositionNodesTest, PagesCoverEveryGroupAndTakeTheirStatusFromTheFirstUnconvergedGroup) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(2000, {1500});
  Publish(builder);
  HTREEITEM item = DecompositionInTree();
  Open(item);
  EXPECT_EQ(TreeChildren(item), (Strings{"1 to 1000", "1001 to 2000"}));
  ShowInList(DecompositionNode(item));
  EXPECT_EQ(ListColumn(1), (Strings{"Converged", "Unconverged"}));
  EXPECT_EQ(RowOverlay(1), 1);

  // A page lists its own groups, numbered as in the decomposition.
  HTREEITEM second = tree.GetNextSiblingItem(tree.GetChildItem(item));
  Open(second);
  const Strings groups = TreeChildren(second);
  ASSERT_EQ(groups.size(), 1000u);
  EXPECT_EQ(groups.front(), "1001");
  EXPECT_EQ(groups.back(), "2000");
  ShowInList(*dynamic_cast<CExplorerContainerObject*>(ItemNode(second)));
  EXPECT_EQ(list.GetItemCount(), 1000);
  EXPECT_EQ(list.GetItemText(499, 0), "1500");
  EXPECT_EQ(list.GetItemText(499, 5), "UnConverged");
}

TEST_F(DecompositionNodesTest, ATornGroupPagesItsSubGroupsLikeADecomposition) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(1);
  builder.TornGroup(2500, 4, {2200});
  Publish(builder);
  HTREEITEM torn = InTree(new CQVEOTornGroup(GroupOf(2), &exclusions, &owner));
  EXPECT_EQ(tree.GetItemText(torn), "2");
  Open(torn);
  EXPECT_EQ(TreeChildren(torn), (Strings{"1 to 1000", "1001 to 2000", "2001 to 2500"}));
  // A torn group's pages take the torn group's own status.
  ShowInList(*dynamic_cast<CExplorerContainerObject*>(ItemNode(torn)));
  EXPECT_EQ(ListColumn(1), (Strings{"Unconverged", "Unconverged", "Unconverged"}));

  // In the decomposition's list the torn group reads "Unconverged", a group "UnConverged".
  builder = CDiagnosticsBuilder();
  builder.Decomposition().Groups(1, {1});
  builder.TornGroup(3, 2, {1});
  Publish(builder);
  ClearPanes();
  HTREEITEM item = DecompositionInTree();
  ShowInList(DecompositionNode(item));
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Type", "Equations", "Variables", "Non-zeros", "Status"}));
  EXPECT_EQ(ListColumn(5), (Strings{"UnConverged", "Unconverged"}));
  Strings tornRow;
  for (int column = 0; column < 6; ++column) tornRow.push_back(list.GetItemText(1, column));
  EXPECT_EQ(tornRow, (Strings{"2", "Torn", "3", "3", "3", "Unconverged"}));

  // A group node over a torn group is the "Torn" row: its torn size twice and no non-zeros.
  auto* asGroup = new CQVEOGroup(GroupOf(2), &exclusions, &owner);
  const int row = asGroup->AddItem(list, list.GetItemCount());
  Strings groupRow;
  for (int column = 0; column < 6; ++column) groupRow.push_back(list.GetItemText(row, column));
  EXPECT_EQ(groupRow, (Strings{"Torn", "Torn", "2", "2", "-", "UnConverged"}));
}

TEST_F(DecompositionNodesTest, OnlyTheFirstUnconvergedGroupIsShownWhenAskedAndNeverInPages) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(2500, {1700, 1800});
  builder.Decomposition(ZN_RUN_DYNAMIC).Groups(5);
  Publish(builder);
  exclusions.SetOnlyFirstUnconverged(1);
  HTREEITEM item = DecompositionInTree();
  Open(item);
  EXPECT_EQ(TreeChildren(item), (Strings{"1700"}));
  ShowInList(DecompositionNode(item));
  EXPECT_EQ(ListColumn(0), (Strings{"1700"}));

  // A converged decomposition has nothing to show.
  CComPtr<IZNDecomposition> dynamic = DecompositionAt(1);
  HTREEITEM converged = InTree(new CQVEODecomposition(dynamic, &exclusions, &owner));
  Open(converged);
  EXPECT_TRUE(TreeChildren(converged).empty());
  ShowInList(DecompositionNode(converged));
  EXPECT_EQ(ListColumn(0), (Strings{"No unconverged group to display."}));
}

TEST_F(DecompositionNodesTest, GroupsSortByNumber) {
  CDiagnosticsBuilder builder;
  builder.Decomposition().Groups(12);
  Publish(builder);
  HTREEITEM item = DecompositionInTree();
  ShowInList(DecompositionNode(item));
  LISTSORTINFO byName;
  ASSERT_TRUE(DecompositionNode(item).GetSortType(byName));
  EXPECT_EQ(byName.type, LSI_INTEGER);
  // "9" comes before "10", as numbers do.
  EXPECT_LT(CompareExplorerObjects(*RowNode(8), *RowNode(9), byName), 0);
}

}  // namespace
}  // namespace diagnostics_test
