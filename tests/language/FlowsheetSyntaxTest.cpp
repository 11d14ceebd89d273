// The flowsheet's statements: global structure instances, streams connected
// by their ports, and Specs of block variables; what the parser keeps, what
// the checker refuses, and the writer's text that reads back the same.
#include <gtest/gtest.h>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/BoundedReport.h"
#include "workbench/language/DefinitionChecker.h"
#include "workbench/language/DefinitionParser.h"
#include "workbench/language/DefinitionWriter.h"

namespace {

const char* const kFlowsheet =
    "Model Flowsheet\n"                                                          // 1
    "  Water as global PropsTable;\n"                                            // 2
    "  A, B as Tank (description:\"tanks\");\n"                                  // 3
    "  S as Pipe (Source = A.Outlet, Destination = B.Inlet);\n"                  // 4
    "  Spec A.Level (1.5, Initial, lower:0, upper: 6);\n"                        // 5
    "  Spec B . Sub.P (Fixed);\n"                                                // 6
    "  Spec(1) = A.x;\n"                                                         // 7: an equation, not a Spec
    "End\n";

TEST(FlowsheetSyntaxTest, GlobalStructuresStreamsAndSpecsAreRead) {
  CBoundedReport report = CBoundedReport::Discarding();
  const std::optional<Definition> d = ParseDefinition(kFlowsheet, report);
  ASSERT_TRUE(d);
  ASSERT_EQ(d->declarations.size(), 4u);
  EXPECT_EQ(d->declarations[0].mode, DeclarationMode::Global);
  const Declaration& stream = d->declarations[3];
  ASSERT_EQ(stream.attributes.size(), 2u);
  EXPECT_TRUE(stream.attributes[0].connection);
  EXPECT_EQ(stream.attributes[0].name, "Source");
  EXPECT_EQ(stream.attributes[0].value, "A.Outlet");
  ASSERT_EQ(d->specStatements.size(), 2u);
  const SpecStatement& level = d->specStatements[0];
  EXPECT_EQ(level.path, "A.Level");
  EXPECT_EQ(level.line, 5);
  EXPECT_EQ(level.Value(), "1.5");
  EXPECT_EQ(level.Spec(), "Initial");
  EXPECT_EQ(level.Named("lower"), "0");
  EXPECT_EQ(level.Named("upper"), "6");
  EXPECT_EQ(d->specStatements[1].path, "B.Sub.P");
  EXPECT_EQ(d->specStatements[1].Value(), std::nullopt);
  EXPECT_EQ(d->equations.size(), 1u);

  // Written from what was read, it reads back to the same statements.
  const std::string written = WriteDefinition(*d);
  const std::optional<Definition> again = ParseDefinition(written, report);
  ASSERT_TRUE(again) << written;
  ASSERT_EQ(again->specStatements.size(), 2u);
  EXPECT_EQ(again->specStatements[0].path, "A.Level");
  EXPECT_EQ(again->specStatements[0].Named("upper"), "6");
  EXPECT_EQ(again->declarations[0].mode, DeclarationMode::Global);
}

TEST(FlowsheetSyntaxTest, TheCheckerRefusesSpecsAndGlobalsThatDoNotFit) {
  TableResolver types = StandardTypes();
  const QVParseReport report = CheckDefinitionText(
                                   "Model Flowsheet\n"
                                   "  A as Tank;\n"
                                   "  G as global Tank;\n"                       // 3
                                   "  Spec A.L (1, 2, Fixed, Free);\n"           // 4
                                   "  Spec A.L (units:\"m\", x = 1);\n"          // 5
                                   "  Spec Nobody.L (1);\n"                      // 6
                                   "  For i In [1:2] Do Spec A.L (1); EndFor;\n" // 7
                                   "End\n",
                                   types.Resolver(), {})
                                   .report;
  const std::vector<std::string> errors = Errors(report);
  const auto has = [&](const std::string& line) {
    return std::find(errors.begin(), errors.end(), line) != errors.end();
  };
  EXPECT_TRUE(has("3:'Tank' is a model; only structure types are declared global")) << ::testing::PrintToString(errors);
  EXPECT_TRUE(has("4:Spec A.L has more than one value")) << ::testing::PrintToString(errors);
  EXPECT_TRUE(has("4:Spec A.L has more than one fixing status"));
  EXPECT_TRUE(has("5:unknown attribute 'units' of Spec A.L; Spec takes lower:, upper: and description:"));
  EXPECT_TRUE(has("5:Spec A.L connects nothing; write its value, status and bounds"));
  EXPECT_TRUE(HasMessage(report, QV_SEVERITY_WARNING, 6, "'Nobody' is not declared"));
  EXPECT_TRUE(HasError(report, 7, "Spec statements cannot stand inside For or If blocks"));
}

}  // namespace
