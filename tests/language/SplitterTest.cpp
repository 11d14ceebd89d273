// Splitting files of many definitions, joining them back, and writing
// definitions built in code.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/DefinitionChecker.h"
#include "workbench/language/DefinitionWriter.h"
#include "workbench/language/TypeReferences.h"

namespace {

const char* const kLibrary =
    "// Library of the plant\n"                  // 1
    "\n"                                         // 2
    "Variable Pressure\n"                        // 3
    "  Value: 1; // bar\n"                       // 4
    "End // of Pressure\n"                       // 5
    "/* a block comment\n"                       // 6
    "   over two lines */\n"                     // 7
    "Model Tank\n"                               // 8
    "  P as Pressure;\n"                         // 9
    "  x = P; End;\n"                            // 10
    "Task Startup runs once\n"                   // 11
    "  Tank.P : 3;\n"                            // 12
    "End\n"                                      // 13
    "Parameter Mode Uses StringParameter\n"      // 14
    "  Value: \"a\";\n"                          // 15
    "End\n"                                      // 16
    "\n// the end\n";                            // 17, 18

TEST(SplitterTest, GivesEachDefinitionsExactTextLineAndLeadingComments) {
  const SplitFile split = SplitDefinitions(kLibrary);
  ASSERT_TRUE(split.Ok()) << split.error->Describe();
  ASSERT_EQ(split.definitions.size(), 4u);
  const SourceDefinition& pressure = split.definitions[0];
  EXPECT_EQ(std::tie(pressure.kind, pressure.name, pressure.line, pressure.leadingText),
            (std::tuple{DefinitionKind::Variable, "Pressure", 3, "// Library of the plant\n\n"}));
  EXPECT_EQ(pressure.text, "Variable Pressure\n  Value: 1; // bar\nEnd // of Pressure\n");
  const SourceDefinition& tank = split.definitions[1];
  EXPECT_EQ(std::tie(tank.leadingText, tank.text, tank.line),
            (std::tuple{"/* a block comment\n   over two lines */\n", "Model Tank\n  P as Pressure;\n  x = P; End;\n",
                        8}));
  EXPECT_EQ(split.definitions[2].kind, DefinitionKind::Task);
  EXPECT_EQ(split.definitions[2].text, "Task Startup runs once\n  Tank.P : 3;\nEnd\n");
  EXPECT_EQ(split.definitions[3].line, 14);
  EXPECT_EQ(split.definitions[3].text, "Parameter Mode Uses StringParameter\n  Value: \"a\";\nEnd\n");
  EXPECT_EQ(split.trailingText, "\n// the end\n");
  EXPECT_EQ(JoinDefinitions(split.definitions, split.trailingText), kLibrary);
}

TEST(SplitterTest, EachSplitTextChecksOnItsOwn) {
  TableResolver types = StandardTypes();
  const SplitFile split = SplitDefinitions(kLibrary);
  ASSERT_TRUE(split.Ok());
  for (const SourceDefinition& d : split.definitions) {
    SCOPED_TRACE(d.text);
    CheckOptions options;
    options.expectedKind = d.kind;
    options.expectedName = d.name;
    EXPECT_TRUE(CheckDefinitionText(d.text, types.Resolver(), options).Ok());
  }
}

TEST(SplitterTest, TruncatedFileIsReportedAtTheDefinitionThatIsCut) {
  const std::string text(kLibrary);
  const std::string cut = text.substr(0, text.find("  x = P;"));
  const SplitFile split = SplitDefinitions(cut);
  ASSERT_FALSE(split.Ok());
  EXPECT_EQ(split.error->line, 8);
  EXPECT_EQ(split.error->message, "'End' is missing for the model 'Tank' that begins here; the file may be cut short");
  EXPECT_EQ(split.definitions.size(), 1u);  // what came before is still listed

  const SplitFile comment = SplitDefinitions("Model A\nEnd\n\n/* cut");
  ASSERT_FALSE(comment.Ok());
  EXPECT_EQ(comment.error->Describe(), "Line 4: comment '/*' is not closed with '*/'; the file may be cut short");
}

TEST(SplitterTest, SomethingOtherThanADefinitionIsReportedWithWhatWasExpected) {
  const SplitFile split = SplitDefinitions("Model A\nEnd\n\n  Modle B\nEnd\n");
  ASSERT_FALSE(split.Ok());
  EXPECT_EQ(split.error->Describe(),
            "Line 4: expected a definition (Model, Controller, Stream, Structure, Variable, Parameter, Port, "
            "Procedure, Function, Task) but found 'Modle'");
  const SplitFile noName = SplitDefinitions("Model A\nEnd\nPort\n;");
  EXPECT_EQ(noName.error->Describe(), "Line 4: expected the name of the port type after 'Port' but found ';'");
}

TEST(SplitterTest, BodiesWithErrorsAreSplitWhole) {
  const std::string text = "Model A\n  x as ;\n  y = \xFF;\n  \"open\nEnd\nModel B\nEnd\n";
  const SplitFile split = SplitDefinitions(text);
  ASSERT_TRUE(split.Ok());
  ASSERT_EQ(split.definitions.size(), 2u);
  EXPECT_EQ(split.definitions[0].text, "Model A\n  x as ;\n  y = \xFF;\n  \"open\nEnd\n");
  EXPECT_EQ(JoinDefinitions(split.definitions, split.trailingText), text);
  const SplitFile crlf = SplitDefinitions("Model A\r\nEnd\r\n// c\r\nModel B\r\nEnd");
  ASSERT_EQ(crlf.definitions.size(), 2u);
  EXPECT_EQ(std::tie(crlf.definitions[0].text, crlf.definitions[1].leadingText, crlf.definitions[1].line),
            (std::tuple{"Model A\r\nEnd\r\n", "// c\r\n", 4}));
  EXPECT_TRUE(SplitDefinitions("").Ok());
  EXPECT_TRUE(SplitDefinitions("  // nothing\n").definitions.empty());
}

TEST(SplitterTest, JoiningTextsThatLackALineFeedKeepsEndsApart) {
  std::vector<SourceDefinition> definitions(2);
  definitions[0].text = "Model A\nEnd // a";
  definitions[1].text = "Model B\nEnd";
  const std::string joined = JoinDefinitions(definitions);
  EXPECT_EQ(joined, "Model A\nEnd // a\nModel B\nEnd");
  const SplitFile split = SplitDefinitions(joined);
  ASSERT_TRUE(split.Ok());
  EXPECT_EQ(split.definitions.size(), 2u);
  EXPECT_TRUE(IsSelfContainedDefinition("// c\nModel A\nEnd\n"));
  for (const char* text : {"Model A\nEnd\n// after\n", "Model A\n", "Model A\nEnd\nModel B\nEnd\n"})
    EXPECT_FALSE(IsSelfContainedDefinition(text)) << text;
}

TEST(SplitterTest, WrittenDefinitionsReadBackTheSame) {
  TableResolver types = StandardTypes();
  const char* const texts[] = {
      "Model Tank Uses Vessel\n  /* c */ N as Count (3, description:\"n\");\n  In1 as Input Material;\n"
      "  S as external PropsTable (\"W\");\n  V as Tank2 (F = In1.F);\n  e : N = In1.F;\n"
      "  If N > 1 Then N = 2; EndIf;\n  Call (N) = Flash(In1.F);\nEnd\n",
      "Parameter Mode Uses StringParameter\n  Valid as StringSet ([\"a\", \"b\"]);\n  Value: \"a\";\nEnd\n",
      "Procedure P\n  Library: \"x.dll\";\n  Implementation: Subroutine \"p.f\";\n  Inputs: Flow, Pressure;\nEnd\n",
      "Task T every 5\n  x : 1;\nEnd\n",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    const CheckedDefinition first = CheckDefinitionText(text, types.Resolver());
    ASSERT_TRUE(first.definition);
    const std::string written = WriteDefinition(*first.definition);
    const CheckedDefinition second = CheckDefinitionText(written, types.Resolver());
    ASSERT_TRUE(second.definition);
    EXPECT_EQ(Errors(second.report), Errors(first.report)) << written;
    EXPECT_EQ(WriteDefinition(*second.definition), written);
    EXPECT_EQ(second.definition->declarations.size(), first.definition->declarations.size());
    EXPECT_EQ(second.definition->equations.size(), first.definition->equations.size());
    EXPECT_EQ(ReferencedTypeNames(*second.definition), ReferencedTypeNames(*first.definition));
  }
}

TEST(SplitterTest, DefinitionsBuiltInCodeAreWrittenInTheUsualLayout) {
  Definition d;
  d.kind = DefinitionKind::Model;
  d.name = "Pump";
  Declaration p;
  p.name = "P";
  p.typeName = "Pressure";
  p.attributes.push_back(DeclarationAttribute{"", false, "1.5", std::nullopt, 0});
  p.attributes.push_back(DeclarationAttribute{"", false, "Fixed", std::nullopt, 0});
  p.attributes.push_back(DeclarationAttribute{"description", false, "\"head\"", "head", 0});
  d.declarations.push_back(p);
  Declaration in;
  in.name = "Inlet";
  in.typeName = "Material";
  in.mode = DeclarationMode::Input;
  d.declarations.push_back(in);
  d.equations.push_back(Equation{"head", "P = Inlet.P * 2", 0, false, {}});
  d.calls.push_back(ProcedureCall{"Flash", {"P"}, {"Inlet.F", "2"}, 0, false});
  EXPECT_EQ(WriteDefinition(d),
            "Model Pump\n"
            "  P as Pressure (1.5, Fixed, description:\"head\");\n"
            "  Inlet as Input Material;\n"
            "  head : P = Inlet.P * 2;\n"
            "  Call (P) = Flash(Inlet.F, 2);\n"
            "End\n");
}

}  // namespace
