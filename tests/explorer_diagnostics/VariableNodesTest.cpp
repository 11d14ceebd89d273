// Variables and equations of a group: the nine columns of a variable row
// (derivatives, values the host does not know, the group each is solved in,
// bound states), equivalence labels and overlays, Find Equivalence opening a
// further Explorer, the equations that use a variable, and the live values
// while the rows are shown.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/nodes/diagnostics/QVEOEquation.h"
#include "explorer/nodes/diagnostics/QVEOEquivalence.h"
#include "explorer/nodes/diagnostics/QVEOEquivalenceHolder.h"
#include "explorer/nodes/diagnostics/QVEOGroup.h"
#include "explorer/nodes/diagnostics/QVEOVariable.h"
#include "explorer/resources/CommandIds.h"
#include "host/diagnostics/IZNDecompEquivalence.h"
#include "host/framework/CorvaneViewContext.h"
#include "tests/explorer_diagnostics/DiagnosticsTestSupport.h"

namespace diagnostics_test {
namespace {

class VariableNodesTest : public DiagnosticsTest {
 protected:
  // Group 1 solves T.x, T.y, T.z, T.x's derivative, an unknown P.k[3.5], a calculated C.c, a torn V.t
  // (torn group 3) and an equivalenced E.e; groups 2 and 3 are a group and a torn group of their own.
  void SetUp() override {
    CDiagnosticsBuilder builder;
    builder.Decomposition();
    const int x = builder.Variable("T.x", 1);
    const int y = builder.Variable("T.y", 1);
    const int z = builder.Variable("T.z", 1);
    const int dx = builder.Variable("T.x.Derivative", 1);
    const int k = builder.Variable("P.k[3.5]", 1);
    const int c = builder.Variable("C.c", ZN_VARIABLE_CALCULATED);
    const int t = builder.Variable("V.t", ZN_VARIABLE_TORN, 3);
    const int e = builder.Variable("E.e", 1);
    builder.VariableRecord(e).problem = true;
    const int first = builder.Equation("e.first", {x, y, dx}, 1);
    const int second = builder.Equation("e.second", {z, k, c, t, e}, -1);
    builder.Group(ZN_GROUP_NONLINEAR, {first, second}, {x, y, z, dx, k, c, t, e}, false);
    builder.Groups(1);
    builder.TornGroup(2, 1);
    builder.Equivalence({e}, 0, 1, 1);
    builder.Residual(first, 0.25, "T.x-2*T.y=0.25");
    Publish(builder);
    Flowsheet().Add("T.x", "5", "0", "10").properties["Derivative"] = "0.5";
    Flowsheet().Add("T.y", "0", "0", "10");
    Flowsheet().Add("T.z", "100.0000000000001", "-1", "100");
    Flowsheet().Add("C.c", "1");
    Flowsheet().Add("V.t", "2");
    Flowsheet().Add("E.e", "3");
    exclusions.SetShowVariablesInGroups(1, nullptr);
  }

  // Group 1 in the tree, its variables in the contents pane.
  CQVEOGroup& ShowGroupVariables() {
    auto* group = new CQVEOGroup(GroupOf(1), &exclusions, &owner);
    InTree(group);
    ShowInList(*group);
    return *group;
  }
  int RowOf(const std::string& name) const {
    for (int row = 0; row < list.GetItemCount(); ++row)
      if (list.GetItemText(row, 0) == name) return row;
    return -1;
  }
  Strings Row(const std::string& name) const {
    Strings texts;
    const int row = RowOf(name);
    for (int column = 0; row >= 0 && column < list.GetColumnCount(); ++column)
      texts.push_back(list.GetItemText(row, column));
    return texts;
  }
  CQVEOVariable& VariableRow(const std::string& name) { return *dynamic_cast<CQVEOVariable*>(RowNode(RowOf(name))); }
};

TEST_F(VariableNodesTest, VariableRowsShowValueUnitsGroupBoundsAndBoundState) {
  ShowGroupVariables();
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Value", "Units", "Spec", "Calculated", "Description", "Lower Bound",
                                     "Upper Bound", "On Bound"}));
  EXPECT_EQ(Row("T.x"), (Strings{"T.x", "5", "kg", "Free", "Group 1", "d", "0", "10", " "}));
  // At a lower bound of zero, and within the tolerance of a non-zero upper bound.
  EXPECT_EQ(Row("T.y")[8], "Lower");
  EXPECT_EQ(Row("T.z")[8], "Upper");
  // A derivative shows the variable's "Derivative" and no bound state.
  EXPECT_EQ(Row("T.x.Derivative")[1], "0.5");
  EXPECT_EQ(Row("T.x.Derivative")[8], " ");
  // A variable the host does not know shows the value in its name's brackets and nothing else.
  EXPECT_EQ(Row("P.k[3.5]"), (Strings{"P.k[3.5]", "3.5", "", "", "Group 1", "", "", "", ""}));
  EXPECT_EQ(Row("C.c")[4], "Calculated");
  EXPECT_EQ(Row("V.t")[4], "Torn in group 3");
  // The bound state is kept on the variable for sorting.
  std::string sortValue;
  EXPECT_TRUE(VariableRow("T.y").GetSortVal(8, sortValue));
  EXPECT_EQ(sortValue, "Lower");
}

TEST_F(VariableNodesTest, EquivalencedVariablesAreLabelledAndMarked) {
  ShowGroupVariables();
  const int row = RowOf("E.e (ZN_Equivalence_0001)");
  ASSERT_GE(row, 0);
  // In an equivalence (6) and in trouble (5).
  EXPECT_EQ(RowOverlay(row), 11);
  EXPECT_EQ(RowOverlay(RowOf("T.x")), 0);
  EXPECT_EQ(MenuTexts(*RowNode(row)), (Strings{"Find Group", "Find Equivalence"}));

  // In the tree the label carries the equivalence; the equivalence's own row gives its bounds.
  auto* equivalence = new CQVEOEquivalence(nullptr, &exclusions, &owner);
  EXPECT_EQ(equivalence->TreeText(), "Not loaded");
  delete equivalence;
  CComPtr<IZNDiagnostics> diagnostics;
  app.document.GetDiagnostics(&diagnostics);
  CComPtr<IEnum<IZNDecompEquivalence>> all;
  diagnostics->EnumEquivalences(&all);
  CComPtr<IZNDecompEquivalence> first;
  all->Next(&first);
  ClearPanes();
  auto* node = new CQVEOEquivalence(first, &exclusions, &owner);
  EXPECT_EQ(tree.GetItemText(InTree(node)), "ZN_Equivalence_0001");
  CQVEOEquivalenceHolder holder(diagnostics, &exclusions, &owner);
  ShowInList(holder);
  EXPECT_EQ(ListHeadings(), (Strings{"Name", "Variables", "Lower Bound", "Upper Bound", "Scale factor"}));
  Strings equivalenceRow;
  for (int column = 0; column < 5; ++column) equivalenceRow.push_back(list.GetItemText(0, column));
  EXPECT_EQ(equivalenceRow, (Strings{"ZN_Equivalence_0001", "1", "0", "1", "1"}));
  holder.ClearList(list);
}

// Finding a variable's group (torn or not) is walked by the command-line diagnostics tests.
TEST_F(VariableNodesTest, FindEquivalenceOpensTheEquivalenceAndACalculatedVariableHasNoGroup) {
  RecordingWindow main;
  CWnd* previous = AfxGetMainWnd();
  AfxSetMainWnd(&main);
  tag_CorvaneViewContext opened;
  main.onMessage = [&](const RecordedMessage& m) {
    if (m.message == WM_SHOW_CORVANEVIEW) opened = *reinterpret_cast<const tag_CorvaneViewContext*>(m.lParam);
  };
  ShowGroupVariables();

  // Solved outside every group: nothing to find.
  CQVEOVariable& calculated = VariableRow("C.c");
  EXPECT_FALSE(calculated.CanDoCommand(ID_EXPLORER_FIND_GROUP));
  EXPECT_TRUE(MenuTexts(calculated).empty());

  VariableRow("E.e (ZN_Equivalence_0001)").DoCommand(ID_EXPLORER_FIND_EQUIVALENCE);
  EXPECT_EQ(opened.viewClass, CLSID_ExplorerTemplate);
  EXPECT_EQ(opened.text, CLSID_QVEOEquivalence.ToString());
  EXPECT_EQ(opened.openAtEquivalence, 1);
  EXPECT_EQ(main.Count(WM_SHOW_CORVANEVIEW), 1);
  AfxSetMainWnd(previous);
}

TEST_F(VariableNodesTest, AnEquationListsItsVariablesSolvedOneFirstThenItsResidual) {
  CComPtr<IEnum<IZNDecompEquation>> equations;
  GroupOf(1)->EnumEquations(&equations);
  CComPtr<IZNDecompEquation> first;
  equations->Next(&first);
  auto* equation = new CQVEOEquation(first, &owner, &exclusions);
  InTree(equation);
  ShowInList(*equation);
  EXPECT_EQ(ListColumn(0), (Strings{"T.x", "T.y", "T.x.Derivative", " Residual"}));
  EXPECT_EQ(ListColumn(1).back(), "0.25");
  // The variable the equation is solved for comes selected.
  EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED), LVIS_SELECTED);
  EXPECT_EQ(list.GetItemState(0, LVIS_SELECTED), 0u);

  // A variable's own pane lists the equations of its group that use it.
  ClearPanes();
  auto* group = new CQVEOGroup(GroupOf(1), &exclusions, &owner);
  HTREEITEM item = InTree(group);
  Open(item);
  HTREEITEM child = tree.GetChildItem(item);
  while (child && tree.GetItemText(child) != "T.y") child = tree.GetNextSiblingItem(child);
  ASSERT_NE(child, nullptr);
  ShowInList(*dynamic_cast<CQVEOVariable*>(ItemNode(child)));
  EXPECT_EQ(ListColumn(0), (Strings{"e.first"}));
}

TEST_F(VariableNodesTest, ShownValuesFollowTheRunUntilTheSelectionLeaves) {
  CQVEOGroup& group = ShowGroupVariables();
  EXPECT_EQ(Flowsheet().Listeners(), 1);
  Flowsheet().Add("T.x", "0", "0", "10");
  Flowsheet().FireVariableChange();
  EXPECT_EQ(Row("T.x")[1], "0");
  EXPECT_EQ(Row("T.x")[8], "Lower");

  // Leaving the group stops the values.
  group.SelChanging();
  EXPECT_EQ(Flowsheet().Listeners(), 0);
  Flowsheet().Add("T.x", "7", "0", "10");
  Flowsheet().FireVariableChange();
  EXPECT_EQ(Row("T.x")[1], "0");
}

TEST_F(VariableNodesTest, AClosedExplorerHearsNoMoreValues) {
  CQVEOGroup& group = ShowGroupVariables();
  ASSERT_EQ(Flowsheet().Listeners(), 1);
  // The contents pane goes first (with its rows, as a closing window empties it), the group's node
  // later: events in between touch nothing.
  group.ClearList(list);
  list.DestroyWindow();
  Flowsheet().FireVariableChange();
  ClearPanes();
  EXPECT_EQ(Flowsheet().Listeners(), 0);
  Flowsheet().FireVariableChange();
}

}  // namespace
}  // namespace diagnostics_test
