// Form texts read and made concrete on the sample's flowsheet: what each
// form shows, statements that make no sense, variables that do not exist.
#include <gtest/gtest.h>

#include "tests/workbench_views/ViewsTestSupport.h"
#include "workbench/views/FormDefinition.h"

TEST(FormText, StatementsAreReadAndWhatMakesNoSenseIsReportedByLineAndSkipped) {
  const CFormDefinition plot = ParseFormText(FormLayout::Plot,
                                             "{\nDisplayAs : History\n}\n"
                                             "// trends\n"
                                             "X Time\n"
                                             "Y Level 0 6\n"
                                             "Y Outlet.F\n"
                                             "Inlet.F\n"
                                             "X Distance\n"
                                             "Y Level 6 0\n"
                                             "Y 3bad\n"
                                             "Level Outlet.F\n");
  EXPECT_EQ(plot.displayAs, "History");
  ASSERT_EQ(plot.variables.size(), 4u);
  EXPECT_EQ(plot.variables[0].path, "Level");
  EXPECT_EQ(plot.variables[0].low, 0.0);
  EXPECT_EQ(plot.variables[0].high, 6.0);
  EXPECT_FALSE(plot.variables[1].low);
  EXPECT_EQ(plot.variables[2].path, "Inlet.F");
  // A reversed range is dropped, the trend kept and scaled automatically.
  EXPECT_EQ(plot.variables[3].line, 10);
  EXPECT_FALSE(plot.variables[3].low);
  EXPECT_EQ(plot.problems, (std::vector<std::string>{"line 9: a plot's horizontal axis is Time",
                                                     "line 10: an axis range is two numbers, the lower first",
                                                     "line 11: \"3bad\" is not a variable path",
                                                     "line 12: one variable a line"}));

  const CFormDefinition profile = ParseFormText(FormLayout::Profile, "X Along the line\nA.P\nB.P\nY C.P\n{ DisplayAs : Sideways");
  EXPECT_EQ(profile.axisLabel, "Along the line");
  EXPECT_EQ(profile.variables.size(), 2u);
  EXPECT_EQ(profile.problems, (std::vector<std::string>{"line 4: only plot forms have Y trends",
                                                        "line 5: DisplayAs is Table, Plot or History, not \"Sideways\"",
                                                        "line 5: the settings block has no \"}\""}));
  EXPECT_TRUE(ParseFormText(FormLayout::Table, "").variables.empty());
  EXPECT_FALSE(IsVariablePath("a..b"));
  EXPECT_FALSE(IsVariablePath("a."));
  EXPECT_TRUE(IsVariablePath("_T1.Outlet.P"));
}

TEST_F(SampleViewsTest, AModelsFormIsShownForEveryBlockOfItsTypeOrOfATypeThatUsesIt) {
  std::optional<CFormContents> trend = BindForm(Form("BufferTank", "LevelTrend"), views->Flowsheet(), app.Document().Store());
  ASSERT_TRUE(trend);
  EXPECT_EQ(trend->layout, FormLayout::Plot);
  EXPECT_EQ(trend->Paths(), (std::vector<std::string>{"T101.Level", "T102.Level"}));  // T102 is a ProductTank
  EXPECT_EQ(trend->rows[0].high, 6.0);
  EXPECT_TRUE(trend->problems.empty());

  std::optional<CFormContents> operating = BindForm(Form("", "Operating"), views->Flowsheet(), app.Document().Store());
  ASSERT_TRUE(operating);
  EXPECT_EQ(operating->rows.front().path, "T101.Level");
  EXPECT_TRUE(operating->problems.empty()) << operating->problems.front();

  // The profile of a type no block has says so instead of showing nothing silently.
  std::optional<CFormContents> unused = BindForm(Form("TankFarm", "Pressures"), views->Flowsheet(), app.Document().Store());
  ASSERT_TRUE(unused);
  EXPECT_TRUE(unused->rows.empty());
  EXPECT_EQ(unused->problems, (std::vector<std::string>{"no block of type TankFarm in the flowsheet"}));
  // The system form lists every variable of each block of the type, without a text.
  std::optional<CFormContents> all = BindForm(Form("BufferTank", "AllVariables"), views->Flowsheet(), app.Document().Store());
  ASSERT_TRUE(all);
  EXPECT_EQ(all->rows.size(), 9u + 10u);  // T101's nine variables, T102's ten (its overflow height too)
  EXPECT_EQ(all->rows.front().path, "T101.Area");
  EXPECT_TRUE(all->problems.empty());
  // Custom and help forms are not these views'.
  EXPECT_FALSE(BindForm(Form("ControlValve", "Faceplate"), views->Flowsheet(), app.Document().Store()));
}

TEST_F(SampleViewsTest, MissingVariablesAreReportedPerRowAndTheRestShown) {
  CStoreType& form = Form("BufferTank", "Levels");
  form.SetText("Level\nLevle\nOutlet.Q\n");
  const tag_CorvaneViewContext request = FormRequest(form, "");
  std::optional<HostViewRequest> view = views->RequestFor(request);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->kind, HostViewKind::Table);
  EXPECT_EQ(view->title, "BufferTank.Levels - Table");
  const std::vector<TableRowValues> rows = views->TableRows(view->form);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_TRUE(rows[0].problem.empty());
  EXPECT_EQ(rows[0].value, 1.5);
  EXPECT_EQ(rows[0].unit, "m");
  EXPECT_EQ(rows[1].problem, "T101.Levle: no such variable");
  EXPECT_EQ(rows[5].problem, "T102.Outlet.Q: no such variable");
  EXPECT_EQ(view->form.problems.size(), 4u);
  const std::string text = TableRowsText(rows);
  EXPECT_NE(text.find("T101.Level\t1.5\tm\tInitial\t0\t6\tliquid level\n"), std::string::npos) << text;
  EXPECT_NE(text.find("T101.Levle\tT101.Levle: no such variable"), std::string::npos);
}

TEST_F(SampleViewsTest, ShowAsModesPickTheViewAndOtherRequestsAreLeftToTheApplication) {
  auto kind = [&](CStoreType& form, const std::string& mode) {
    std::optional<HostViewRequest> view = views->RequestFor(FormRequest(form, mode));
    return view ? std::string(HostViewKindText(view->kind)) : std::string("none");
  };
  CStoreType& trend = Form("BufferTank", "LevelTrend");
  EXPECT_EQ(kind(trend, ""), "Plot");
  EXPECT_EQ(kind(trend, "Plot"), "Plot");
  EXPECT_EQ(kind(trend, "History"), "History");
  trend.SetText("{\nDisplayAs : History\n}\nY Level\n");
  EXPECT_EQ(kind(trend, ""), "History");  // opened plainly, the form's own setting counts
  CStoreType& profile = Form("Flowsheet", "LinePressures");
  EXPECT_EQ(kind(profile, "Plot"), "Profile");
  EXPECT_EQ(kind(profile, "History"), "Profile Table");
  EXPECT_EQ(kind(Form("ControlValve", "Faceplate"), ""), "none");

  // The editor's class: with a type it is the editor, with a starting block only the finder.
  tag_CorvaneViewContext edit;
  edit.viewClass = CLSID_QVTextEditorView;
  edit.optionWord = CORVANE_EDITOR_OPTIONS;
  edit.typeName = "BufferTank";
  EXPECT_FALSE(views->RequestFor(edit));
  tag_CorvaneViewContext find = edit;
  find.typeName.clear();
  find.text = "Train2";
  std::optional<HostViewRequest> finder = views->RequestFor(find);
  ASSERT_TRUE(finder);
  EXPECT_EQ(finder->kind, HostViewKind::Finder);
  EXPECT_EQ(finder->start, "Train2");
  EXPECT_EQ(finder->title, "Find in Train2");
}
