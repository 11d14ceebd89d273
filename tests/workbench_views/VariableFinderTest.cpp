// The variable finder: wildcard patterns below a starting block, with values
// in the units shown; patterns that match nothing and everything; a large
// flowsheet searched in one pass.
#include <gtest/gtest.h>

#include "tests/workbench_views/ViewsTestSupport.h"
#include "workbench/simulation/Flowsheet.h"
#include "workbench/store/UnitSets.h"

namespace {

std::vector<std::string> Paths(const std::vector<FoundVariable>& found) {
  std::vector<std::string> paths;
  for (const FoundVariable& f : found) paths.push_back(f.path);
  return paths;
}

}  // namespace

TEST(Wildcards, StarsAndQuestionMarksMatchWithoutRegardToCase) {
  EXPECT_TRUE(MatchesWildcard("*", ""));
  EXPECT_TRUE(MatchesWildcard("*.p", "Outlet.P"));
  EXPECT_TRUE(MatchesWildcard("T10?.Level", "t102.level"));
  EXPECT_FALSE(MatchesWildcard("T10?.Level", "T1020.Level"));
  EXPECT_TRUE(MatchesWildcard("*a*b*c", "xxaxxbxxbxc"));
  EXPECT_FALSE(MatchesWildcard("*a*b*c", "xxaxxbxxbx"));
  EXPECT_FALSE(MatchesWildcard("", "x"));
  // No backtracking blow-up on a long run of stars against a long text.
  EXPECT_FALSE(MatchesWildcard(std::string(200, '*') + "b", std::string(100000, 'a')));
}

TEST_F(SampleViewsTest, TheFinderSearchesBelowItsStartWithValuesInTheUnitsShown) {
  const std::vector<FoundVariable> everything = views->Find("", "*");
  EXPECT_EQ(everything.size(), views->Flowsheet().Variables().size());
  EXPECT_EQ(views->Find("", "").size(), everything.size());
  EXPECT_TRUE(views->Find("", "NoSuchThing*").empty());
  EXPECT_TRUE(views->Find("NoSuchBlock", "*").empty());

  // Below a hierarchy the pattern reads the paths from there.
  EXPECT_EQ(Paths(views->Find("Train2", "*.Level")), (std::vector<std::string>{"Train2.T201.Level"}));
  EXPECT_EQ(Paths(views->Find("", "T10?.level")), (std::vector<std::string>{"T101.Level", "T102.Level"}));
  // "T1" is no block: a start is a whole block, never the beginning of a name.
  EXPECT_TRUE(views->Find("T1", "*").empty());
  const std::vector<FoundVariable> tank = views->Find("T101", "*");
  ASSERT_FALSE(tank.empty());
  for (const FoundVariable& f : tank) EXPECT_EQ(f.path.rfind("T101.", 0), 0u) << f.path;

  // Values in the current set's units: the sample's Metric set shows pressures in bar.
  std::vector<FoundVariable> pressure = views->Find("Feed", "P");
  ASSERT_EQ(pressure.size(), 1u);
  EXPECT_EQ(pressure[0].unit, "bar");
  EXPECT_DOUBLE_EQ(pressure[0].value, 3.0);
  EXPECT_EQ(pressure[0].spec, "Fixed");
  EXPECT_EQ(pressure[0].unitPath, "Feed");
  ASSERT_EQ(app.Document().Store().UnitSets().SetUnit("Metric", "Pressure", "kPa"), S_OK);
  pressure = views->Find("Feed", "P");
  EXPECT_EQ(pressure[0].unit, "kPa");
  EXPECT_DOUBLE_EQ(pressure[0].value, 300.0);
}

TEST(VariableFinderLarge, OneHundredThousandVariablesAreSearchedInOnePass) {
  CFlowsheet flowsheet;
  FlowsheetUnit top;
  top.kind = UnitKind::Flowsheet;
  flowsheet.Reserve(20001, 100000, 0);
  flowsheet.AddUnit(top);
  for (int b = 0; b < 20000; ++b) {
    FlowsheetUnit unit;
    unit.name = "B" + std::to_string(b);
    unit.path = unit.name;
    unit.parent = 0;
    const int index = flowsheet.AddUnit(unit);
    for (const char* name : {"F", "P", "T", "Level", "x"}) {
      InstanceVariable variable;
      variable.path = unit.path + "." + name;
      variable.unit = index;
      variable.value = b;
      flowsheet.AddVariable(variable);
    }
  }
  CUnitSets units;
  EXPECT_EQ(FindVariables(flowsheet, units, "", "*").size(), 100000u);
  EXPECT_EQ(FindVariables(flowsheet, units, "", "*.Level").size(), 20000u);
  EXPECT_EQ(FindVariables(flowsheet, units, "", "B1999?.x").size(), 10u);
  EXPECT_EQ(FindVariables(flowsheet, units, "B12345", "*").size(), 5u);
  EXPECT_TRUE(FindVariables(flowsheet, units, "", "*.Q").empty());
}
