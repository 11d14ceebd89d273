// Equations inside For and If blocks: an If block's Then or Else part as its
// condition decides on the model's declared values, a For block's body once
// for each value of its range with the index written as that value.
#include <gtest/gtest.h>

#include "tests/workbench_solver/SolverTestSupport.h"
#include "workbench/language/BoundedReport.h"
#include "workbench/language/DefinitionParser.h"
#include "workbench/simulation/BlockExpansion.h"

namespace {

TEST(BlockEquationsTest, AModelSolvesWithTheBranchesItsValuesChooseAndItsLoopsUnrolled) {
  SolverFlowsheet sheet({{"Box", "Model Box\n  N as Value (2, Fixed);\n  Mode as Value (N - 1, Fixed);\n"
                                 "  x, y, z as Value (0, Free);\n"
                                 "  If Mode == 1 and not (N > 5) Then\n    pick : x = 10;\n  Else\n    pick : x = 20;\n  EndIf\n"
                                 "  For i In [1:N] Do\n    If i = 1 Then y = x + i; Else z = y * I; EndIf\n  EndFor\n"
                                 "End\n"}},
                        "  B as Box;\n");
  std::vector<std::string> written;
  for (const InstanceEquation& e : sheet.Flowsheet().Equations()) written.push_back(e.name + ": " + e.text);
  EXPECT_EQ(written, (std::vector<std::string>{"B.pick: x = 10", "B.#1: y = x + 1", "B.#2: z = y * 2"}));
  const SolveOutcome outcome = sheet.Solve();
  ASSERT_TRUE(outcome.converged) << JoinedMessages(outcome);
  EXPECT_DOUBLE_EQ(sheet.Value("B.z"), 22.0);
}

std::vector<ExpandedEquation> Expanded(const std::string& body, std::string& problem) {
  CBoundedReport report = CBoundedReport::Discarding();
  const std::optional<Definition> definition = ParseDefinition("Model M\n" + body + "End\n", report);
  std::vector<ExpandedEquation> out;
  if (!definition) return out;
  const DeclaredValue declared = [](std::string_view name) -> std::optional<double> {
    if (name == "K") return 2.0;
    return std::nullopt;
  };
  for (const Equation& equation : definition->equations)
    if (!ExpandBlocks(equation, declared, out, problem)) break;
  return out;
}

TEST(BlockEquationsTest, RangesListsNamesAndWhatCannotBeWorkedOut) {
  std::string problem;
  // Lists and spans; a named equation is named by its indices; members after '.' are no indices.
  std::vector<ExpandedEquation> out =
      Expanded("  For i In [1, 3:K + 2] Do\n    For j In [K:1] Do\n      skipped : a = j;\n    EndFor\n"
               "    w : q(i) = i * Inlet.i;\n  EndFor\n",
               problem);
  EXPECT_EQ(problem, "");
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0].name, "w(1)");
  EXPECT_EQ(out[2].name, "w(4)");
  EXPECT_EQ(out[2].text, "q(4) = 4 * Inlet.i");

  const auto problemOf = [&](const std::string& body) {
    std::string why;
    Expanded(body, why);
    return why;
  };
  EXPECT_EQ(problemOf("  If Mode > 1 Then x = 1; EndIf\n"),
            "the condition of the If block at line 2 cannot be worked out: 'Mode' has no value");
  EXPECT_EQ(problemOf("  For i In [1:2.5] Do x = i; EndFor\n"),
            "the range of the For block at line 2 cannot be worked out: its bound 2.500000 is not a whole number");
  EXPECT_EQ(problemOf("  For i In [1:1e9] Do x = i; EndFor\n"),
            "the range of the For block at line 2 cannot be worked out: it has more than 100000 values");
  EXPECT_EQ(problemOf("  For i In [1:50000] Do For j In [1:50000] Do If i < 0 Then x = i; EndIf EndFor EndFor\n"),
            "the blocks around the equation at line 2 stand for more than 300000 cases");
  EXPECT_EQ(problemOf("  If 1 / (K - 2) > 0 Then x = 1; EndIf\n"),
            "the condition of the If block at line 2 cannot be worked out: it divides by 0");
}

}  // namespace
