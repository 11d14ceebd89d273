// The decomposition of random sparse systems keeps its invariants: every
// group square, no equation using an unknown of a later group, every unknown
// in exactly one group, and the solution found group by group satisfies every
// equation.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "tests/workbench_solver/SolverTestSupport.h"

namespace {

// n equations in n unknowns: equation i uses x(i) (so a full transversal exists) and a few others at random,
// some through a non-linear term.
std::string RandomModel(int n, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> pick(1, n), extra(0, 3), kind(0, 3);
  std::string text = "Model R\n";
  for (int i = 1; i <= n; ++i) text += "  x" + std::to_string(i) + " as Value (1, Free);\n";
  for (int i = 1; i <= n; ++i) {
    text += "  e" + std::to_string(i) + " : 4 * x" + std::to_string(i);
    for (int k = extra(random); k > 0; --k) {
      const std::string other = "x" + std::to_string(pick(random));
      text += kind(random) == 0 ? " + 0.1 * " + other + " * " + other : " + 0.5 * " + other;
    }
    text += " = " + std::to_string(i) + ";\n";
  }
  return text + "End\n";
}

TEST(DecompositionTest, RandomSystemsKeepTheInvariants) {
  int coupledGroups = 0, tornGroups = 0;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    const int n = 5 + static_cast<int>(seed) * 7;
    SolverFlowsheet sheet({{"R", RandomModel(n, seed)}}, "  B as R;\n");
    const SolveOutcome outcome = sheet.Solve();
    ASSERT_TRUE(outcome.started) << JoinedMessages(outcome);
    const DecompositionRecord& d = outcome.decomposition;
    std::vector<int> groupOfVariable(d.variables.size(), 0);
    int equations = 0;
    for (const DecompGroupRecord& g : d.groups) {
      EXPECT_EQ(g.number, static_cast<int>(&g - d.groups.data()) + 1);
      EXPECT_EQ(g.equations.size(), g.variables.size()) << "seed " << seed << " group " << g.number;
      equations += static_cast<int>(g.equations.size());
      coupledGroups += g.equations.size() > 1 ? 1 : 0;
      tornGroups += g.type == ZN_GROUP_TORN ? 1 : 0;
      for (int v : g.variables) {
        EXPECT_EQ(groupOfVariable[static_cast<std::size_t>(v)], 0) << d.variables[static_cast<std::size_t>(v)].name;
        groupOfVariable[static_cast<std::size_t>(v)] = g.number;
      }
    }
    EXPECT_EQ(equations, n);
    for (std::size_t v = 0; v < d.variables.size(); ++v) {
      EXPECT_NE(groupOfVariable[v], 0) << d.variables[v].name;  // every unknown in a group
      const int index = d.variables[v].groupIndex;
      EXPECT_EQ(index == ZN_VARIABLE_TORN ? d.variables[v].subGroupIndex : index, groupOfVariable[v]);
    }
    for (const DecompGroupRecord& g : d.groups)
      for (int e : g.equations)
        for (int v : d.equations[static_cast<std::size_t>(e)].variables)
          EXPECT_LE(groupOfVariable[static_cast<std::size_t>(v)], g.number)
              << d.equations[static_cast<std::size_t>(e)].name << " uses " << d.variables[static_cast<std::size_t>(v)].name;
    // Solved group by group, the whole system holds.
    ASSERT_TRUE(outcome.converged) << "seed " << seed << ": " << JoinedMessages(outcome);
    for (std::size_t e = 0; e < d.equations.size(); ++e) {
      double residual = 1;
      ASSERT_TRUE(d.residuals->Residual(static_cast<int>(e), residual));
      EXPECT_LE(std::fabs(residual), 1e-7) << d.equations[e].name;
    }
  }
  // The systems were coupled enough to exercise the groups of several equations and the tearing.
  EXPECT_GT(coupledGroups, 0);
  EXPECT_GT(tornGroups, 0);
}

}  // namespace
