// Names in equations read in each unit: a model's text compiled once and
// bound to every block of the model (submodels writing the same text in
// other scopes, names in another case, two names for one variable), a name
// that is no variable named in every block that writes it, and the
// flowsheet's path index found without regard to case.
#include <gtest/gtest.h>

#include "tests/workbench_solver/SolverTestSupport.h"
#include "workbench/solver/EquationSystem.h"
#include "workbench/store/StoreType.h"

namespace {

const std::pair<std::string, std::string> kHalf{
    "Half", "Model Half\n  a as Value (1, Free);\n  b as Value (1, Fixed);\n  c as Value (0, Free);\n"
            "  a = 3 * b;\n  c = a + A;\nEnd\n"};
const std::pair<std::string, std::string> kPair{
    "Pair", "Model Pair\n  L as Half;\n  R as Half;\n  total as Value (0, Free);\n  total = L.a + r.A;\nEnd\n"};

TEST(NameResolutionTest, EveryBlockOfAModelReadsItsOwnVariables) {
  SolverFlowsheet sheet({kHalf, kPair}, "  P1 as Pair;\n  P2 as Pair;\n  Spec P1.L.b (2, Fixed);\n"
                                        "  Spec P2.R.b (5, Fixed);\n");
  const SolveOutcome outcome = sheet.Solve();
  ASSERT_TRUE(outcome.converged) << JoinedMessages(outcome);
  // a = 3 b in each half, c = 2 a, total = L.a + R.a.
  EXPECT_DOUBLE_EQ(sheet.Value("P1.L.a"), 6.0);
  EXPECT_DOUBLE_EQ(sheet.Value("P1.R.a"), 3.0);
  EXPECT_DOUBLE_EQ(sheet.Value("P2.L.a"), 3.0);
  EXPECT_DOUBLE_EQ(sheet.Value("P2.R.a"), 15.0);
  EXPECT_DOUBLE_EQ(sheet.Value("P1.L.c"), 12.0);
  EXPECT_DOUBLE_EQ(sheet.Value("P2.R.c"), 30.0);
  EXPECT_DOUBLE_EQ(sheet.Value("P1.total"), 9.0);
  EXPECT_DOUBLE_EQ(sheet.Value("P2.total"), 18.0);

  // "c = a + A" reads a once: one term for both names, the derivative doubled.
  std::vector<std::string> messages;
  const std::unique_ptr<CEquationSystem> system =
      CEquationSystem::Make(sheet.Flowsheet(), ZN_RUN_STEADY_STATE, false, messages);
  ASSERT_TRUE(system);
  const std::vector<InstanceEquation>& equations = sheet.Flowsheet().Equations();
  int checked = 0;
  for (std::size_t e = 0; e < equations.size(); ++e) {
    if (equations[e].text != "c = a + A") continue;
    const int equation = static_cast<int>(e);
    ASSERT_EQ(system->Equations().TermCount(equation), 2) << equations[e].name;
    const int a = sheet.Flowsheet().FindVariableIndex(equations[e].scope, "a");
    EXPECT_EQ(TermVariable(system->Equations().Terms(equation)[1]), a) << equations[e].name;
    double residual = 0.0, gradient[2] = {0.0, 0.0};
    ASSERT_TRUE(system->Equations().Evaluate(equation, system->Values().data(), system->Derivatives().data(),
                                             std::vector<double>(64).data(), &residual, gradient));
    EXPECT_DOUBLE_EQ(gradient[1], -2.0);
    ++checked;
  }
  EXPECT_EQ(checked, 4);
}

TEST(NameResolutionTest, ANameThatIsNoVariableIsNamedInEveryBlock) {
  SolverFlowsheet sheet({{"Odd", "Model Odd\n  x as Value (1, Free);\n  x = 2 * zz;\nEnd\n"}},
                        "  B1 as Odd;\n  B2 as Odd;\n");
  const SolveOutcome outcome = sheet.Solve();
  EXPECT_FALSE(outcome.started);
  const std::string messages = JoinedMessages(outcome);
  EXPECT_NE(messages.find("Equation 'B1.#1': 'zz' is not a variable here"), std::string::npos) << messages;
  EXPECT_NE(messages.find("Equation 'B2.#1': 'zz' is not a variable here"), std::string::npos) << messages;
}

TEST(NameResolutionTest, PathsAreFoundWithoutRegardToCase) {
  CFlowsheet flowsheet;
  for (int u = 0; u < 40; ++u) {  // enough to make the index grow several times
    FlowsheetUnit unit;
    unit.name = "Tank" + std::to_string(u);
    unit.path = unit.name;
    unit.parent = 0;
    const int made = flowsheet.AddUnit(unit);
    for (const char* name : {"Level", "Outlet.F"}) {
      InstanceVariable variable;
      variable.path = unit.path + "." + name;
      variable.unit = made;
      flowsheet.AddVariable(variable);
    }
  }
  InstanceVariable repeat;
  repeat.path = "TANK7.level";
  repeat.value = 99.0;
  flowsheet.AddVariable(repeat);  // the first of a path stays
  ASSERT_EQ(flowsheet.Variables().size(), 80u);
  EXPECT_EQ(flowsheet.FindUnit("tank39"), 40);
  EXPECT_EQ(flowsheet.FindUnit(""), 0);
  EXPECT_EQ(flowsheet.FindUnit("Tank40"), -1);
  EXPECT_EQ(flowsheet.FindVariableIndex("TANK7", "LEVEL"), 14);
  EXPECT_EQ(flowsheet.FindVariableIndex("", "tank7.outlet.f"), 15);
  EXPECT_EQ(flowsheet.FindVariableIndex("Tank7.Outlet", "F"), 15);
  EXPECT_EQ(flowsheet.FindVariableIndex("Tank7", "Outlet"), -1);
  ASSERT_TRUE(flowsheet.FindVariable("Tank7.Level"));
  EXPECT_EQ(flowsheet.FindVariable("Tank7.Level")->value, 0.0);
  EXPECT_EQ(flowsheet.FirstVariable(8), 14);
  EXPECT_EQ(flowsheet.LastVariable(8), 15);
  EXPECT_EQ(flowsheet.FirstVariable(0), -1);
}

}  // namespace
