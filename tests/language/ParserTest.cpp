// What the parser reads from definitions, and the form errors it reports with
// the lines they are on.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/DefinitionParser.h"

namespace {

struct Parsed {
  QVParseReport report;
  std::optional<Definition> definition;
};

Parsed Parse(std::string_view text) {
  Parsed parsed;
  CBoundedReport report(parsed.report);
  parsed.definition = ParseDefinition(text, report);
  return parsed;
}

const char* const kTank =
    "/* Tank model\n"                                                    // 1
    "   with a comment over two lines */\n"                              // 2
    "Model Tank Uses Vessel\n"                                           // 3
    "  N as Count (3, description:\"stages\");\n"                        // 4
    "  P, T as Pressure (1.0e5, Fixed, description:\"In \\\"P\\\"\");\n"  // 5
    "  Inlet as Input Material;\n"                                       // 6
    "  Outlet as Output  Material (description:\"out\");\n"              // 7
    "  Props as external PropsTable (\"Water\");\n"                      // 8
    "  Sub as Tank2 (F = Inlet.F, description:\"inner\");\n"             // 9
    "  balance : $M = Inlet.F - Outlet.F;\n"                             // 10
    "  P = 2 * exp(-T / 300) + Enthalpy(T, P)^2;\n"                      // 11
    "  For i In [1:N] Do\n"                                              // 12
    "    x(i) = i;\n"                                                    // 13
    "  EndFor;\n"                                                        // 14
    "  If P > 3 and not (T == 2) Then y = 1; Else y = 2; EndIf\n"        // 15
    "  Call (h, s) = Flash(P, T + 1);\n"                                 // 16
    "End\n";                                                             // 17

TEST(ParserTest, ModelBodyIsReadWithLinesTypesAndAttributes) {
  const Parsed parsed = Parse(kTank);
  ASSERT_TRUE(parsed.definition);
  EXPECT_TRUE(parsed.report.Empty()) << ::testing::PrintToString(Errors(parsed.report));
  const Definition& d = *parsed.definition;
  EXPECT_EQ(std::tie(d.kind, d.name, d.line, d.base, d.closed, d.endLine),
            (std::tuple{DefinitionKind::Model, "Tank", 3, "Vessel", true, 17}));

  ASSERT_EQ(d.declarations.size(), 7u);
  const Declaration& p = d.declarations[1];
  EXPECT_EQ(std::tuple(p.name, p.typeName, p.line, p.DefaultValue(), p.Spec(), p.Description()),
            (std::tuple{"P", "Pressure", 5, "1.0e5", "Fixed", "In \"P\""}));
  EXPECT_EQ(d.declarations[2].name, "T");  // "P, T as ..." declares both
  EXPECT_EQ(d.declarations[2].Spec(), "Fixed");
  EXPECT_EQ(d.FindDeclaration("inlet")->mode, DeclarationMode::Input);
  EXPECT_EQ(d.FindDeclaration("Outlet")->mode, DeclarationMode::Output);
  EXPECT_EQ(d.FindDeclaration("Props")->mode, DeclarationMode::External);
  EXPECT_EQ(d.FindDeclaration("Props")->attributes[0].stringValue, "Water");
  const Declaration* sub = d.FindDeclaration("Sub");
  ASSERT_EQ(sub->attributes.size(), 2u);
  EXPECT_EQ(std::tie(sub->attributes[0].connection, sub->attributes[0].name, sub->attributes[0].value),
            (std::tuple{true, "F", "Inlet.F"}));

  ASSERT_EQ(d.equations.size(), 5u);
  EXPECT_EQ(std::tie(d.equations[0].name, d.equations[0].text, d.equations[0].line),
            (std::tuple{"balance", "$M = Inlet.F - Outlet.F", 10}));
  EXPECT_EQ(std::tie(d.equations[1].name, d.equations[1].line, d.equations[2].inBlock, d.equations[2].line),
            (std::tuple{"", 11, true, 13}));
  ASSERT_EQ(d.blocks.size(), 2u);
  EXPECT_EQ(d.blocks[0].text, "For i In [1:N] Do\n    x(i) = i;\n  EndFor;");
  EXPECT_EQ(d.blocks[1].line, 15);

  ASSERT_EQ(d.calls.size(), 1u);
  EXPECT_EQ(std::tie(d.calls[0].procedure, d.calls[0].outputs, d.calls[0].inputs, d.calls[0].line),
            (std::tuple{"Flash", std::vector<std::string>{"h", "s"}, std::vector<std::string>{"P", "T + 1"}, 16}));
}

TEST(ParserTest, ReferencesNameEveryTypeUsedWithItsPlace) {
  const Parsed parsed = Parse(kTank);
  ASSERT_TRUE(parsed.definition);
  std::vector<std::string> found;
  for (const TypeReference& r : parsed.definition->references) {
    found.push_back(r.name + "@" + std::to_string(r.line));
    EXPECT_EQ(std::string_view(kTank).substr(r.offset, r.name.size()), r.name);
  }
  // exp is built in and x(i) is declared nowhere but called: a function.
  EXPECT_EQ(found, (std::vector<std::string>{"Vessel@3", "Count@4", "Pressure@5", "Pressure@5", "Material@6",
                                             "Material@7", "PropsTable@8", "Tank2@9", "Flash@16", "Enthalpy@11",
                                             "x@13"}));
}

TEST(ParserTest, ErrorsCarryTheLineAfterBlockCommentsAndReadingGoesOn) {
  const Parsed parsed = Parse(
      "/* header\n"          // 1
      "   comment\n"         // 2
      "*/ Model M\n"         // 3
      "  /* one\n"           // 4
      "     two */\n"        // 5
      "  a as ;\n"           // 6
      "  b = (c + ;\n"       // 7
      "  d as T (x y);\n"    // 8
      "  e = f\n"            // 9
      "  g as T;\n"          // 10
      "  Call x = p(y);\n"   // 11
      "End\n");              // 12
  ASSERT_TRUE(parsed.definition);
  EXPECT_EQ(Errors(parsed.report),
            (std::vector<std::string>{"6:expected a type name after 'as' but found ';'",
                                      "7:expected a value or a name but found ';'",
                                      "8:expected ')' to close the list of 'd' but found 'y'",
                                      "10:expected ';' after the equation but found 'g'",
                                      "11:expected '=' in the equation but found 'x'"}));
  EXPECT_TRUE(parsed.definition->closed);
  EXPECT_EQ(parsed.definition->endLine, 12);
}

TEST(ParserTest, MissingEndIsReportedAtTheDefinition) {
  const Parsed parsed = Parse("// c\n\nStream Steam\n  x as Flow;\n  y = x;\n");
  EXPECT_EQ(Errors(parsed.report), std::vector<std::string>{"3:'End' is missing: stream type 'Steam' is not closed"});
  ASSERT_TRUE(parsed.definition);
  EXPECT_FALSE(parsed.definition->closed);
  EXPECT_EQ(parsed.definition->declarations.size(), 1u);

  // An open For block is named; the End still closes the model.
  const Parsed block = Parse("Model M\n  For i In [1:3] Do\n    x = i;\nEnd\n");
  EXPECT_EQ(Errors(block.report), std::vector<std::string>{"4:'EndFor' is missing for the block that starts at line 2"});
  EXPECT_TRUE(block.definition->closed);
}

TEST(ParserTest, UnknownKeywordAndTextAroundTheDefinitionAreErrors) {
  EXPECT_TRUE(HasError(Parse("\n Modle Tank\nEnd\n").report, 2, "unknown keyword 'Modle'"));
  EXPECT_TRUE(HasError(Parse("42\n").report, 1, "expected a definition (Model, Controller, Stream"));
  EXPECT_EQ(Errors(Parse("  // only a comment\n").report),
            std::vector<std::string>{"0:the text holds no definition; it must begin with one of Model, Controller, "
                                     "Stream, Structure, Variable, Parameter, Port, Procedure, Function, Task"});
  EXPECT_TRUE(HasError(Parse("Model\n").report, 2, "expected the name of the model after 'Model'"));
  EXPECT_TRUE(HasError(Parse("Model A\nEnd\nModel B\nEnd\n").report, 3, "only one definition may stand here"));
  EXPECT_TRUE(HasError(Parse("Model A\nEnd;\nx\n").report, 3, "unexpected 'x' after the End of model 'A'"));
  EXPECT_TRUE(HasError(Parse("Model A extra\nEnd\n").report, 1, "unexpected 'extra' after the header"));
  // End closes a definition at the start of a statement: first on its line or after ';'.
  const Parsed sameLine = Parse("Model A\n  x = 1; End");
  EXPECT_TRUE(sameLine.definition->closed);
}

TEST(ParserTest, PortsHoldDeclarationsAndPropertyBodiesHoldProperties) {
  const Parsed port = Parse("Port Material\n  F as Flow;\n  F = 2;\nEnd\n");
  EXPECT_TRUE(HasError(port.report, 3, "a port type holds only declarations"));
  EXPECT_EQ(port.definition->declarations.size(), 1u);

  const Parsed variable = Parse("Variable V\n  Lower: -1e3;\n  Upper: +.5\n  Value: 0;\n  x as T;\nEnd\n");
  EXPECT_EQ(Errors(variable.report),
            (std::vector<std::string>{"4:expected ';' after the value of property 'Upper' but found 'Value'",
                                      "5:expected a property ('Name: value;') of the variable type but found 'x'"}));
  ASSERT_EQ(variable.definition->properties.size(), 3u);
  EXPECT_EQ(variable.definition->FindProperty("Lower")->Number(), -1000.0);
  EXPECT_EQ(variable.definition->FindProperty("Upper")->Number(), 0.5);
  EXPECT_EQ(variable.definition->properties[2].line, 4);

  const Parsed set = Parse("Parameter S Uses StringParameter\n  Valid as StringSet ([\"a\", 3]);\nEnd\n");
  EXPECT_TRUE(HasError(set.report, 2, "the members of a StringSet are strings, but found number 3"));
}

TEST(ParserTest, TaskKeepsItsHeaderRestAndBodyAsWritten) {
  const Parsed parsed = Parse("Task Startup runs at 10 // soon\n  Tank.P : 3;\n  WAIT 5 ;\nEnd\n");
  ASSERT_TRUE(parsed.definition);
  EXPECT_TRUE(parsed.report.Empty());
  const Definition& d = *parsed.definition;
  EXPECT_EQ(std::tie(d.kind, d.headerRest, d.body, d.closed),
            (std::tuple{DefinitionKind::Task, "runs at 10 // soon", "  Tank.P : 3;\n  WAIT 5 ;\n", true}));
  // A task needs its End like any definition.
  EXPECT_EQ(Parse("Task T\n  x;\n").report.ErrorCount(), 1);
}

TEST(ParserTest, DeepNestingIsRefusedNotFollowed) {
  const std::string deep = "Model M\n  x = " + std::string(100000, '(') + "1" + std::string(100000, ')') + ";\nEnd\n";
  const Parsed parsed = Parse(deep);
  EXPECT_TRUE(HasError(parsed.report, 2, "expression is nested too deeply"));
  EXPECT_TRUE(parsed.definition->closed);

  const std::string signs = "Model M\n  x = " + std::string(100000, '-') + "1;\nEnd\n";
  EXPECT_TRUE(HasError(Parse(signs).report, 2, "nested too deeply"));

  std::string blocks = "Model M\n";
  for (int i = 0; i < 40; ++i) blocks += "If a Then\n";
  blocks += "End\n";
  EXPECT_TRUE(HasError(Parse(blocks).report, 34, "blocks are nested too deeply"));
}

TEST(ParserTest, KeywordsAreCaseInsensitiveAndContextual) {
  const Parsed parsed = Parse(
      "MODEL m\n  input AS INPUT Material;\n  call as Flow;\n  If as Flow;\n  call : If = 1;\n"
      "  CALL (a) = p(b);\nend\n");
  ASSERT_TRUE(parsed.definition);
  EXPECT_TRUE(parsed.report.Empty()) << ::testing::PrintToString(Errors(parsed.report));
  const Definition& d = *parsed.definition;
  EXPECT_EQ(std::tie(d.declarations[0].name, d.declarations[0].mode, d.declarations[1].name, d.declarations[2].name),
            (std::tuple{"input", DeclarationMode::Input, "call", "If"}));
  EXPECT_EQ(d.equations[0].name, "call");
  EXPECT_EQ(d.calls.size(), 1u);
}

}  // namespace
