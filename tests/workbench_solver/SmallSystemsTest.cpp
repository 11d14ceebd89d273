// Small flowsheets whose answers are worked out by hand: linear and
// non-linear groups, bounds, a recycle loop that must be torn, equivalences
// on and off, over-, under-specified and singular systems with their
// messages, a failing group stopping the run, and the flowsheet as a DAE.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "host/store/TypeFlags.h"
#include "tests/workbench_solver/SolverTestSupport.h"
#include "workbench/solver/EquationSystem.h"
#include "workbench/store/StoreType.h"

namespace {

const std::pair<std::string, std::string> kTank{
    "Tank",
    "Model Tank\n  Area as Value (2, Fixed);\n  Level as Value (1, Initial);\n  k as Value (0.3, Fixed);\n"
    "  Inlet as Input Material;\n  Outlet as Output Material;\n"
    "  mass : Area * $Level = Inlet.F - Outlet.F;\n  valve : Outlet.F = k * sqrt(Level);\n"
    "  Outlet.P = Inlet.P;\nEnd\n"};
const std::pair<std::string, std::string> kFeed{
    "Feed", "Model Feed\n  F as MassFlow (0.6, Fixed);\n  Outlet as Output Material;\n  Outlet.F = F;\n"
            "  Outlet.P = 101325;\nEnd\n"};

int GroupOf(const SolveOutcome& outcome, const std::string& variable) {
  for (const DecompVariableRecord& v : outcome.decomposition.variables)
    if (v.name == variable) return v.groupIndex;
  return -100;
}

TEST(SmallSystemsTest, LinearAndNonLinearGroupsReachTheirHandSolutions) {
  SolverFlowsheet sheet({{"Box", "Model Box\n  x, y as Value (1, Free);\n  u as Value (0.5, Free);\n"
                                 "  v as Value (1, Free);\n  w as Value (0.1, Free);\n"
                                 "  a : x + y = 10;\n  b : x - 2 * y = 1;\n  c : u^2 + v^2 = 25;\n  d : u - v = 1;\n"
                                 "  e : w * w = 4 * x / 7;\nEnd\n"}},
                        "  B as Box;\n  Spec B.v (1, Free, lower:0);\n  Spec B.w (0.1, Free, lower:0);\n");
  const SolveOutcome outcome = sheet.Solve();
  ASSERT_TRUE(outcome.converged) << JoinedMessages(outcome);
  // x + y = 10, x - 2y = 1: y = 3, x = 7.
  EXPECT_NEAR(sheet.Value("B.x"), 7.0, 1e-12);
  EXPECT_NEAR(sheet.Value("B.y"), 3.0, 1e-12);
  // u = v + 1, (v + 1)^2 + v^2 = 25: v = 3 (v = -4 is below v's bound), u = 4.
  EXPECT_NEAR(sheet.Value("B.u"), 4.0, 1e-9);
  EXPECT_NEAR(sheet.Value("B.v"), 3.0, 1e-9);
  // w^2 = 4, w >= 0.
  EXPECT_NEAR(sheet.Value("B.w"), 2.0, 1e-9);
  const DecompositionRecord& d = outcome.decomposition;
  ASSERT_EQ(d.groups.size(), 3u);
  // The linear pair comes before w, which needs x; the non-linear pair stands on its own.
  EXPECT_LT(GroupOf(outcome, "B.x"), GroupOf(outcome, "B.w"));
  EXPECT_EQ(d.groups[static_cast<std::size_t>(GroupOf(outcome, "B.x") - 1)].type, ZN_GROUP_LINEAR);
  EXPECT_EQ(d.groups[static_cast<std::size_t>(GroupOf(outcome, "B.x") - 1)].nonZeros, 4);
  EXPECT_EQ(d.groups[static_cast<std::size_t>(GroupOf(outcome, "B.u") - 1)].type, ZN_GROUP_NONLINEAR);
  EXPECT_EQ(d.groups[static_cast<std::size_t>(GroupOf(outcome, "B.w") - 1)].type, ZN_GROUP_SINGLE_NONLINEAR);
  // The equation solved for w names w as its solved variable, with x among its variables but not active.
  for (const DecompEquationRecord& e : d.equations) {
    if (e.name != "B.e") continue;
    ASSERT_GE(e.solvedVariable, 0);
    EXPECT_EQ(d.variables[static_cast<std::size_t>(e.variables[static_cast<std::size_t>(e.solvedVariable)])].name, "B.w");
    EXPECT_EQ(e.variables.size(), 2u);
    EXPECT_EQ(e.activeVariableCount, 1);
    EXPECT_EQ(e.elementCount, 4);  // w, w, x counted once each as variables, and the numbers 4 and 7
    EXPECT_EQ(d.residuals->LongResidualText(static_cast<int>(&e - d.equations.data())).rfind("2 * 2 = 4 * 7 / 7", 0),
              0u);
  }
}

TEST(SmallSystemsTest, ARecycleLoopOfNonLinearEquationsIsTorn) {
  // x1 = 0.5 x10 + 1 and x(i) = sqrt(x(i-1)) + 1: one cycle of ten non-linear equations.
  std::string model = "Model Loop\n";
  for (int i = 1; i <= 10; ++i) model += "  x" + std::to_string(i) + " as Value (1, Free);\n";
  model += "  r1 : x1 = 0.5 * x10 + 1;\n";
  for (int i = 2; i <= 10; ++i)
    model += "  r" + std::to_string(i) + " : x" + std::to_string(i) + " = sqrt(x" + std::to_string(i - 1) + ") + 1;\n";
  SolverFlowsheet sheet({{"Loop", model + "End\n"}}, "  L as Loop;\n");
  const SolveOutcome outcome = sheet.Solve();
  ASSERT_TRUE(outcome.converged) << JoinedMessages(outcome);
  // The same fixed point by plain substitution.
  double x[11] = {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  for (int sweep = 0; sweep < 200; ++sweep) {
    x[1] = 0.5 * x[10] + 1;
    for (int i = 2; i <= 10; ++i) x[i] = std::sqrt(x[i - 1]) + 1;
  }
  for (int i = 1; i <= 10; ++i) EXPECT_NEAR(sheet.Value("L.x" + std::to_string(i)), x[i], 1e-9) << i;
  const DecompositionRecord& d = outcome.decomposition;
  ASSERT_EQ(d.groups.size(), 1u);
  const DecompGroupRecord& torn = d.groups[0];
  EXPECT_EQ(torn.type, ZN_GROUP_TORN);
  EXPECT_EQ(torn.tornSize, 1);  // one tear breaks one cycle
  ASSERT_EQ(torn.subGroups.size(), 9u);
  int tornVariables = 0;
  for (const DecompVariableRecord& v : d.variables)
    if (v.groupIndex == ZN_VARIABLE_TORN) {
      ++tornVariables;
      EXPECT_EQ(v.subGroupIndex, 1);
    }
  EXPECT_EQ(tornVariables, 1);
  for (const DecompGroupRecord& sub : torn.subGroups) {
    EXPECT_EQ(sub.equations.size(), 1u);
    const DecompVariableRecord& v = d.variables[static_cast<std::size_t>(sub.variables.at(0))];
    EXPECT_EQ(v.groupIndex, 1);
    EXPECT_EQ(v.subGroupIndex, sub.number);
  }
}

TEST(SmallSystemsTest, CompressionGivesTheSameSolutionWithEquivalences) {
  const std::string flowsheet =
      "  F as Feed;\n  T1 as Tank;\n  T2 as Tank;\n"
      "  S1 as Pipe (Source = F.Outlet, Destination = T1.Inlet);\n"
      "  S2 as Pipe (Source = T1.Outlet, Destination = T2.Inlet);\n";
  SolverFlowsheet on({kFeed, kTank}, flowsheet), off({kFeed, kTank}, flowsheet);
  ASSERT_EQ(off.Options().SetProperty("Compression", VARIANT::Bool(false)), S_OK);
  const SolveOutcome compressed = on.Solve(), plain = off.Solve();
  ASSERT_TRUE(compressed.converged) << JoinedMessages(compressed);
  ASSERT_TRUE(plain.converged) << JoinedMessages(plain);
  // Steady state: each tank passes the feed, so 0.6 = 0.3 sqrt(level): level 4 (to the residual tolerance).
  EXPECT_NEAR(on.Value("T2.Level"), 4.0, 1e-5);
  for (const InstanceVariable& v : on.Flowsheet().Variables()) EXPECT_NEAR(v.value, off.Value(v.path), 1e-5) << v.path;
  EXPECT_TRUE(plain.equivalences.empty());
  ASSERT_FALSE(compressed.equivalences.empty());
  EXPECT_LT(compressed.decomposition.equations.size(), plain.decomposition.equations.size());
  for (std::size_t i = 0; i < compressed.equivalences.size(); ++i) {
    const DecompEquivalenceRecord& e = compressed.equivalences[i];
    EXPECT_EQ(e.number, static_cast<int>(i) + 1);
    EXPECT_GE(e.variables.size(), 2u);
    for (int v : e.variables) EXPECT_EQ(compressed.decomposition.variables[static_cast<std::size_t>(v)].equivalence, e.number);
  }
  // The flows of S1 and T1's inlet are one equivalence, with the port's mass flow bounds merged.
  const auto find = [&](const std::string& name) {
    for (const DecompVariableRecord& v : compressed.decomposition.variables)
      if (v.name == name) return v.equivalence;
    return -1;
  };
  EXPECT_GT(find("S1.Destination.F"), 0);
  EXPECT_EQ(find("S1.Destination.F"), find("T1.Inlet.F"));
}

TEST(SmallSystemsTest, AProprietaryModelKeepsItsVariablesAndEquationsHidden) {
  SolverFlowsheet sheet({kFeed, kTank}, "  F as Feed;\n  T as Tank;\n  S as Pipe (Source = F.Outlet, Destination = T.Inlet);\n");
  CStoreType* tank = sheet.Store().SimulationPalette()->Find("Tank");
  ASSERT_TRUE(tank);
  tank->SetFlags(tank->Flags() | FT_PROPRIETARY);
  const SolveOutcome outcome = sheet.Solve();
  ASSERT_TRUE(outcome.converged) << JoinedMessages(outcome);
  const DecompositionRecord& d = outcome.decomposition;
  for (const DecompEquationRecord& e : d.equations) EXPECT_EQ(e.visible, e.name.rfind("T.", 0) != 0) << e.name;
  for (const DecompVariableRecord& v : d.variables) EXPECT_EQ(v.visible, v.name.rfind("T.", 0) != 0) << v.name;
  // The tank's inlet flow is one with the pipe's: that equivalence cannot be shown either.
  bool hiddenEquivalence = false;
  for (const DecompEquivalenceRecord& e : outcome.equivalences) hiddenEquivalence = hiddenEquivalence || !e.visible;
  EXPECT_TRUE(hiddenEquivalence);
}

TEST(SmallSystemsTest, BadlyPosedSystemsAreNamed) {
  // Under-specified: one equation for two unknowns.
  SolverFlowsheet under({{"U", "Model U\n  x, y as Value (1, Free);\n  sum : x + y = 1;\nEnd\n"}}, "  B as U;\n");
  SolveOutcome outcome = under.Solve();
  EXPECT_TRUE(outcome.started);
  EXPECT_FALSE(outcome.converged);
  EXPECT_NE(JoinedMessages(outcome).find("Under-specified: 2 unknowns (B.x, B.y) in 1 equation (B.sum)"),
            std::string::npos) << JoinedMessages(outcome);
  // Square but structurally singular: x is given twice, y and z share one equation.
  SolverFlowsheet singular({{"S", "Model S\n  x, y, z as Value (1, Free);\n  a : x = 1;\n  b : 2 * x = 2;\n"
                                  "  c : y + z = 3;\nEnd\n"}},
                           "  B as S;\n");
  outcome = singular.Solve();
  const std::string messages = JoinedMessages(outcome);
  EXPECT_NE(messages.find("Over-specified: 2 equations (B.a, B.b) for 1 unknown (B.x)"), std::string::npos) << messages;
  EXPECT_NE(messages.find("Under-specified: 2 unknowns (B.y, B.z) in 1 equation (B.c)"), std::string::npos) << messages;
  EXPECT_EQ(outcome.decomposition.firstUnconvergedGroup, 1);
  EXPECT_FALSE(outcome.decomposition.groups.back().converged);  // the under-specified part comes last
  // Numerically singular: two parallel lines.
  SolverFlowsheet parallel({{"P", "Model P\n  x, y as Value (1, Free);\n  a : x + y = 1;\n  b : 2 * x + 2 * y = 3;\nEnd\n"}},
                           "  B as P;\n");
  outcome = parallel.Solve();
  EXPECT_NE(JoinedMessages(outcome).find("Group 1 (linear, 2 equations) did not converge: the Jacobian is singular here"),
            std::string::npos) << JoinedMessages(outcome);
  // An equation that cannot be evaluated stops the run before it starts.
  SolverFlowsheet unknown({{"Q", "Model Q\n  x as Value (1, Free);\n  a : x = Gain(2);\nEnd\n"}}, "  B as Q;\n");
  outcome = unknown.Solve();
  EXPECT_FALSE(outcome.started);
  EXPECT_EQ(outcome.summary, "Steady state run could not start: 1 equation cannot be evaluated");
  EXPECT_EQ(JoinedMessages(outcome), "Equation 'B.a': procedure not available: 'Gain' cannot be evaluated by this solver\n");
  // Runs the stand-in does not offer say so and change nothing.
  outcome = unknown.Solve(ZN_RUN_OPTIMIZATION);
  EXPECT_FALSE(outcome.started);
  EXPECT_EQ(outcome.summary, "Optimization runs are not offered by this simulator");
}

TEST(SmallSystemsTest, AFailedGroupMarksItsVariablesAndStopsTheRun) {
  SolverFlowsheet sheet({{"F", "Model F\n  x as Value (0.5, Free);\n  y as Value (7, Free);\n"
                                "  a : x * x = -1;\n  b : y = 2 * x;\nEnd\n"}},
                        "  B as F;\n");
  ASSERT_EQ(sheet.Options().SetProperty(std::string(CSolverOptions::kMaxIterations), VARIANT::Int(5)), S_OK);
  const SolveOutcome outcome = sheet.Solve();
  EXPECT_TRUE(outcome.started);
  EXPECT_FALSE(outcome.converged);
  const DecompositionRecord& d = outcome.decomposition;
  ASSERT_EQ(d.groups.size(), 2u);
  EXPECT_EQ(d.firstUnconvergedGroup, 1);
  EXPECT_FALSE(d.groups[0].converged);
  EXPECT_FALSE(d.groups[1].converged);  // never attempted
  EXPECT_DOUBLE_EQ(sheet.Value("B.y"), 7.0);
  for (const DecompVariableRecord& v : d.variables) EXPECT_EQ(v.problem, v.name == "B.x") << v.name;
  EXPECT_NE(JoinedMessages(outcome).find("Group 1 (single non-linear, 1 equation) did not converge"), std::string::npos)
      << JoinedMessages(outcome);
}

// sqrt's derivative is infinite at 0: a residual already within tolerance there is a solution, one that is
// not cannot be stepped from, and says which it is.
TEST(SmallSystemsTest, AnInfiniteDerivativeAtTheSolutionStillConverges) {
  const auto drain = [](const char* flow) {
    return std::pair<std::string, std::string>{
        "Drain", std::string("Model Drain\n  L as Value (0, Free);\n  F as Value (") + flow +
                     ", Fixed);\n  u, w as Value (0, Free);\n  valve : F = 0.3 * sqrt(L);\n"
                     "  a : u = 0.3 * sqrt(w);\n  b : u + w = 0;\nEnd\n"};
  };
  SolverFlowsheet empty({drain("0")}, "  D as Drain;\n");
  const SolveOutcome rested = empty.Solve();
  EXPECT_TRUE(rested.converged) << JoinedMessages(rested);
  const std::vector<DecompGroupRecord>& groups = rested.decomposition.groups;
  ASSERT_EQ(groups.size(), 2u);  // L alone, and the pair u, w solved together
  EXPECT_TRUE(groups[0].equations.size() == 2u || groups[1].equations.size() == 2u);

  SolverFlowsheet flowing({drain("0.6")}, "  D as Drain;\n");
  const SolveOutcome stuck = flowing.Solve();
  EXPECT_FALSE(stuck.converged);
  EXPECT_NE(JoinedMessages(stuck).find("did not converge: the equation's derivative cannot be evaluated at these values"),
            std::string::npos)
      << JoinedMessages(stuck);
}

TEST(SmallSystemsTest, TheFlowsheetAsADaeHasAnExactJacobian) {
  SolverFlowsheet sheet({kFeed, kTank}, "  F as Feed;\n  T as Tank;\n  S as Pipe (Source = F.Outlet, Destination = T.Inlet);\n");
  std::string problem;
  std::unique_ptr<IDaeSystem> dae = MakeFlowsheetDae(sheet.Flowsheet(), sheet.Options(), problem);
  ASSERT_TRUE(dae) << problem;
  int level = -1, outflow = -1;
  for (int i = 0; i < dae->Size(); ++i) {
    if (dae->UnknownName(i) == "T.Level") level = i;
    if (dae->UnknownName(i) == "T.Outlet.F") outflow = i;
  }
  ASSERT_GE(level, 0);
  ASSERT_GE(outflow, 0);
  EXPECT_TRUE(dae->IsDifferential(level));
  EXPECT_FALSE(dae->IsDifferential(outflow));
  std::vector<double> y, yp;
  dae->StartingPoint(y, yp);
  y[static_cast<std::size_t>(level)] = 2.25;
  yp[static_cast<std::size_t>(level)] = 0.1;
  std::vector<int> starts, rows;
  dae->JacobianPattern(starts, rows);
  ASSERT_EQ(starts.size(), static_cast<std::size_t>(dae->Size()) + 1);
  std::vector<double> values(rows.size()), residual(static_cast<std::size_t>(dae->Size()));
  const double alpha = 3.0;
  ASSERT_TRUE(dae->Jacobian(0.0, alpha, y.data(), yp.data(), values.data()));
  ASSERT_TRUE(dae->Residual(0.0, y.data(), yp.data(), residual.data()));
  // In the level's column: the mass balance gives alpha * Area, the valve -k / (2 sqrt(level)).
  std::vector<double> column;
  for (int k = starts[static_cast<std::size_t>(level)]; k < starts[static_cast<std::size_t>(level) + 1]; ++k)
    column.push_back(values[static_cast<std::size_t>(k)]);
  std::sort(column.begin(), column.end());
  ASSERT_EQ(column.size(), 2u);
  EXPECT_NEAR(column[0], -0.3 / (2 * 1.5), 1e-12);
  EXPECT_NEAR(column[1], alpha * 2.0, 1e-12);
  // Among the residuals: the mass balance 2 * 0.1 - (inflow - outflow) and the valve outflow - 0.3 sqrt(2.25).
  int inflow = -1;
  for (int i = 0; i < dae->Size(); ++i)
    if (dae->UnknownName(i) == "T.Inlet.F") inflow = i;
  ASSERT_GE(inflow, 0);
  const double mass = 2 * 0.1 - (y[static_cast<std::size_t>(inflow)] - y[static_cast<std::size_t>(outflow)]);
  const double valve = y[static_cast<std::size_t>(outflow)] - 0.3 * 1.5;
  EXPECT_EQ(std::count_if(residual.begin(), residual.end(), [&](double r) { return std::fabs(r - mass) < 1e-12; }), 1);
  EXPECT_EQ(std::count_if(residual.begin(), residual.end(), [&](double r) { return std::fabs(r - valve) < 1e-12; }), 1);
  dae->Publish(1.0, y.data(), yp.data());
  EXPECT_DOUBLE_EQ(sheet.Value("T.Level"), 2.25);
  EXPECT_DOUBLE_EQ(sheet.Derivative("T.Level"), 0.1);
  // A flowsheet that cannot be integrated says why.
  SolverFlowsheet under({{"U", "Model U\n  x, y as Value (1, Free);\n  sum : x + y = 1;\nEnd\n"}}, "  B as U;\n");
  EXPECT_FALSE(MakeFlowsheetDae(under.Flowsheet(), under.Options(), problem));
  EXPECT_EQ(problem, "Under-specified: 2 unknowns (B.x, B.y) in 1 equation (B.sum); fix a variable or add an equation");
}

}  // namespace

namespace {

// An equivalence's column is bounded by the tightest bounds among its members; a variable without any is unbounded.
TEST(SmallSystemsTest, AnEquivalenceTakesTheTightestBoundsOfItsMembers) {
  SolverFlowsheet sheet({{"Chain", "Model Chain\n  x, y, z as Value (1, Free);\n  w as Value (2, Free);\n"
                                   "  x = y;\n  y = z;\n  x + y + z = 3 * w;\n  w = 2;\nEnd\n"}},
                        "  C as Chain;\n  Spec C.x (1, Free, lower:-2);\n  Spec C.y (1, Free, upper:5);\n"
                        "  Spec C.z (1, Free, lower:0, upper:7);\n");
  std::vector<std::string> messages;
  const std::unique_ptr<CEquationSystem> system =
      CEquationSystem::Make(sheet.Flowsheet(), ZN_RUN_STEADY_STATE, true, messages);
  ASSERT_TRUE(system) << messages.size();
  const auto column = [&](const char* path) {
    return system->ColumnOfTerm(TermKey(sheet.Flowsheet().FindVariableIndex({}, path), false));
  };
  const int chain = column("C.x");
  ASSERT_GE(chain, 0);
  EXPECT_EQ(column("C.y"), chain);
  EXPECT_EQ(column("C.z"), chain);
  EXPECT_EQ(system->Equivalence(chain), 1);
  ASSERT_EQ(system->MemberCount(chain), 3);
  EXPECT_EQ(system->Members(chain)[0], TermKey(sheet.Flowsheet().FindVariableIndex({}, "C.x"), false));  // the lead
  EXPECT_DOUBLE_EQ(system->Lower(chain), 0.0);
  EXPECT_DOUBLE_EQ(system->Upper(chain), 5.0);
  const int alone = column("C.w");
  ASSERT_GE(alone, 0);
  EXPECT_NE(alone, chain);
  EXPECT_TRUE(std::isinf(system->Lower(alone)) && system->Lower(alone) < 0);
  EXPECT_TRUE(std::isinf(system->Upper(alone)) && system->Upper(alone) > 0);
  // Equations of one text share a number, and only they do.
  const std::vector<InstanceEquation>& equations = sheet.Flowsheet().Equations();
  for (const InstanceEquation& a : equations)
    for (const InstanceEquation& b : equations) EXPECT_EQ(a.textNumber == b.textNumber, a.text == b.text) << a.name << b.name;
  EXPECT_EQ(sheet.Flowsheet().EquationTextCount(), 4);
}

}  // namespace
