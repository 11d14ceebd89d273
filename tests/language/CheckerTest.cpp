// The checks beyond form: repeats, unknown and unsuitable types, property
// values and bounds, and the warnings.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/DefinitionChecker.h"

namespace {

QVParseReport Check(std::string_view text, const CheckOptions& options = {}) {
  TableResolver types = StandardTypes();
  return CheckDefinitionText(text, types.Resolver(), options).report;
}

TEST(CheckerTest, AWellFormedModelHasNoMessages) {
  const QVParseReport report = Check(
      "Model Reactor\n"
      "  N as Count (3, description:\"stages\");\n"
      "  P, T as Pressure (1.0e5, Fixed);\n"
      "  F as Flow (Free);\n"
      "  Inlet as Input Material;\n"
      "  Outlet as Output Material;\n"
      "  Props as external PropsTable (\"Water\");\n"
      "  Vessel as Tank (F = Inlet.F, description:\"the vessel\");\n"
      "  Loop as PIDControl;\n"
      "  mass : $F = Inlet.F - Outlet.F + N * Time;\n"
      "  P = Enthalpy(T) + exp(T);\n"
      "  For i In [1:N] Do F = i; EndFor\n"
      "  Call (T) = Flash(P, Props.x);\n"
      "End\n");
  EXPECT_TRUE(report.Empty()) << ::testing::PrintToString(Errors(report)) << ::testing::PrintToString(Warnings(report));
}

TEST(CheckerTest, RepeatedNamesAreErrorsWithTheFirstLine) {
  const QVParseReport report = Check(
      "Model M\n"
      "  P as Pressure;\n"
      "  T, p as Temperature;\n"
      "  e1 : P = T;\n"
      "  E1 : T = 2;\n"
      "End\n");
  EXPECT_EQ(Errors(report), (std::vector<std::string>{"3:the name 'p' is declared twice (first at line 2)",
                                                      "5:the equation name 'E1' is declared twice (first at line 4)"}));
  EXPECT_TRUE(HasError(Check("Variable V\n  Value: 1;\n  value: 2;\nEnd\n"), 3,
                       "property 'value' is given twice (first at line 2)"));
  // One name in the Then and the Else part of an If: only one of them is ever made. Twice in one part is an error.
  const QVParseReport branches = Check(
      "Model M\n  P as Pressure;\n  T as Temperature;\n"
      "  If T > 2 Then e : P = 1; Else e : P = 2; EndIf\n"
      "  If T > 3 Then f : P = 1; f : T = 2; EndIf\n"
      "End\n");
  EXPECT_EQ(Errors(branches), std::vector<std::string>{"5:the equation name 'f' is declared twice (first at line 5)"});
}

TEST(CheckerTest, UnknownTypesAreErrorsNamingTypeAndDeclaration) {
  const QVParseReport report = Check(
      "Model M Uses Vesel\n"
      "  P as Pressur;\n"
      "  Call (x) = Flsh(P);\n"
      "End\n");
  EXPECT_EQ(Errors(report), (std::vector<std::string>{"1:unknown base type 'Vesel' for model 'M'",
                                                      "2:unknown type 'Pressur' for 'P'",
                                                      "3:unknown procedure 'Flsh'"}));
  EXPECT_TRUE(HasError(Check("Procedure Q\n  Inputs: Pressure, Presure;\nEnd\n"), 2,
                       "unknown type 'Presure' in property 'Inputs'"));
}

TEST(CheckerTest, TypesOfTheWrongKindAreErrors) {
  const QVParseReport report = Check(
      "Model M\n"
      "  a as Input Tank;\n"        // 2: a model as a port
      "  b as Material;\n"          // 3: a port without Input/Output
      "  c as PropsTable;\n"        // 4: a structure not external
      "  d as external Pressure;\n" // 5
      "  e as Flash;\n"             // 6
      "  f as Output Pressure;\n"   // 7
      "  g as M;\n"                 // 8: itself
      "  Call (x) = Enthalpy(a);\n" // 9
      "  Call (y) = Tank(a);\n"     // 10
      "  x = Flash(y) + Pressure(x);\n"  // 11
      "End\n");
  EXPECT_EQ(Errors(report),
            (std::vector<std::string>{
                "2:'Tank' is a model; only port types are declared as Input or Output",
                "3:'Material' is a port type; declare ports 'as Input Material' or 'as Output Material'",
                "4:'PropsTable' is a structure type; declare structures 'as external PropsTable (\"<default instance>\")'",
                "5:'Pressure' is a variable type; only structure types are declared external",
                "6:'Flash' is a procedure; call procedures with 'Call (...) = Flash(...)'",
                "7:'Pressure' is a variable type; only port types are declared as Input or Output",
                "8:model 'M' cannot contain itself ('g')",
                "9:'Enthalpy' is a function; use it inside an equation, not with Call",
                "10:'Tank' is a model, not a procedure",
                "11:'Flash' is a procedure; use 'Call (...) = Flash(...)'",
                "11:'Pressure' is a variable type, not a function"}));
  EXPECT_TRUE(HasError(Check("Parameter P Uses Pressure\nEnd\n"), 1,
                       "'Pressure' is a variable type; a parameter type can only be based on a parameter type"));
  EXPECT_TRUE(HasError(Check("Port Q\n  x as Tank;\nEnd\n"), 2, "a port type holds only variables and parameters"));
  EXPECT_TRUE(HasError(Check("Procedure Q Uses Flash\nEnd\n"), 1, "cannot be based on another type"));
  // A controller may be based on a model, and the other way round.
  EXPECT_TRUE(Check("Controller C Uses Tank\nEnd\n").Empty());
}

TEST(CheckerTest, AttributesMustFitWhatIsDeclared) {
  const QVParseReport report = Check(
      "Model M\n"
      "  a as Count (Fixed);\n"                   // 2
      "  b as Pressure (1, 2);\n"                 // 3
      "  c as Pressure (Fixed, Free);\n"          // 4
      "  d as Pressure (x = 1);\n"                // 5
      "  e as Tank (3);\n"                        // 6
      "  f as Pressure (units:\"bar\");\n"        // 7
      "  g as Pressure (description:3);\n"        // 8
      "  h as external PropsTable (Water);\n"     // 9
      "  i as Input Material (1);\n"              // 10
      "  a = b + c + d + f + g + i.x + Water;\n"  // 11
      "End\n");
  EXPECT_EQ(Errors(report),
            (std::vector<std::string>{
                "2:'Fixed' is a fixing status, which only variables have; 'a' is not a variable",
                "3:'b' has more than one default value", "4:'c' has more than one fixing status",
                "5:'d' is not a submodel, so 'x = 1' connects nothing",
                "6:the submodel 'e' takes only connections ('variable = name') and a description",
                "7:unknown attribute 'units' of 'f'; the only named attribute is description:\"...\"",
                "8:the description of 'g' must be a string in double quotes",
                "9:the default instance of 'h' must be a string in double quotes",
                "10:the port 'i' takes only a description"}));
}

TEST(CheckerTest, PropertyValuesMustHaveTheirForm) {
  const QVParseReport variable = Check(
      "Variable V\n  Lower: abc;\n  Upper: \"1\";\n  Value: 1 + 2;\n  PhysicalQuantity : Pressure;\n"
      "  Units: \"bar\";\nEnd\n");
  EXPECT_EQ(Errors(variable),
            (std::vector<std::string>{"2:property 'Lower' must be a number", "3:property 'Upper' must be a number",
                                      "4:property 'Value' must be a number",
                                      "5:property 'PhysicalQuantity' must be a string in double quotes",
                                      "6:'Units' is not a property of a variable type; it takes Lower, Upper, Value, "
                                      "PhysicalQuantity, Scale"}));
  EXPECT_TRUE(HasError(Check("Parameter I Uses IntegerParameter\n  Value: 1.5;\nEnd\n"), 2,
                       "property 'Value' must be a whole number"));
  EXPECT_TRUE(HasError(Check("Parameter L Uses LogicalParameter\n  Value: yes;\nEnd\n"), 2, "must be True or False"));
  EXPECT_TRUE(HasError(Check("Parameter L Uses LogicalParameter\n  Lower: 1;\nEnd\n"), 2,
                       "'Lower' is not a property of a parameter type based on LogicalParameter; it takes Value"));
  EXPECT_TRUE(HasError(Check("Parameter R Uses RealParameter\n  Valid as StringSet ([\"a\"]);\nEnd\n"), 2,
                       "'Valid' is not a property"));
  EXPECT_TRUE(Check("Parameter L Uses LogicalParameter\n  Value: TRUE;\nEnd\n").Empty());
  const QVParseReport procedure = Check(
      "Procedure P\n  Implementation: Fortran \"x.f\";\n  Language: Pascal;\n  Workspace: big;\n"
      "  Call: \"x\";\n  Outputs: Tank;\nEnd\n");
  EXPECT_EQ(Errors(procedure),
            (std::vector<std::string>{
                "2:property 'Implementation' must be Subroutine or Function followed by the source file path in "
                "double quotes",
                "3:property 'Language' must be FORTRAN, C or \"C++\"", "4:property 'Workspace' must be a whole number",
                "5:property 'Call' must be a name",
                "6:'Tank' in property 'Outputs' is a model; only variable and parameter types can stand there"}));
  EXPECT_TRUE(HasError(Check("Function F\n  Implementation: Subroutine \"f.c\";\nEnd\n"), 2,
                       "property 'Implementation' must be"));
  EXPECT_TRUE(HasError(Check("Function F\n  Output: Pressure, Flow;\nEnd\n"), 2, "must be a type name"));
}

TEST(CheckerTest, BoundsAreCheckedAgainstEachOther) {
  EXPECT_EQ(Errors(Check("Variable V\n  Lower: 10;\n  Upper: 5;\nEnd\n")),
            std::vector<std::string>{"3:Lower (10) is greater than Upper (5) in variable type 'V'"});
  EXPECT_EQ(Warnings(Check("Variable V\n  Lower: 0;\n  Upper: 1e3;\n  Value: -2.5;\nEnd\n")),
            std::vector<std::string>{"4:Value -2.5 lies outside the bounds (0 to 1000) of variable type 'V'"});
  EXPECT_EQ(Warnings(Check("Parameter N Uses IntegerParameter\n  Upper: 3;\n  Value: 4;\nEnd\n")),
            std::vector<std::string>{"3:Value 4 lies outside the bounds (- to 3) of parameter type 'N'"});
  EXPECT_EQ(Warnings(Check("Parameter S Uses StringParameter\n  Valid as StringSet ([\"a\",\"b\"]);\n"
                           "  Value: \"c\";\nEnd\n")),
            std::vector<std::string>{"3:Value \"c\" is not one of the valid strings of parameter type 'S'"});
}

TEST(CheckerTest, WarningsForUnusedPortsUndeclaredNamesAndUnknownFunctions) {
  const QVParseReport report = Check(
      "Model S\n"
      "  Source as Input Material;\n"       // 2
      "  Destination as Output Material;\n" // 3
      "  Spare as Input Material;\n"        // 4
      "  F as Flow;\n"                      // 5
      "  F = Source.F + Destination.F * k + mystery(F) + k;\n"  // 6
      "End\n");
  EXPECT_EQ(Warnings(report), (std::vector<std::string>{"6:'k' is not declared in model 'S'",
                                                        "6:unknown function 'mystery'",
                                                        "4:port 'Spare' is not used in any equation, Call or connection"}));
  EXPECT_EQ(report.ErrorCount(), 0);
  // A stream type is connected by its ports; they need no equations.
  EXPECT_TRUE(Check("Stream P\n  Source as Input Material;\n  Destination as Output Material;\nEnd\n").Empty());
  // With a base type, names may be declared there: no undeclared-name warnings.
  EXPECT_TRUE(Check("Model M Uses Tank\n  x = y;\nEnd\n").Empty());
  // A port used only in a connection or a Call is used.
  EXPECT_TRUE(Check("Model M\n  In1 as Input Material;\n  Out1 as Output Material;\n  v as Tank (F = In1.F);\n"
                    "  Call (Out1.F) = Flash(v.P);\nEnd\n")
                  .Empty());
}

TEST(CheckerTest, ExpectedKindAndNameAreChecked) {
  CheckOptions options;
  options.expectedKind = DefinitionKind::Variable;
  options.expectedName = "Pressure";
  EXPECT_TRUE(Check("Variable PRESSURE\n  Value: 1;\nEnd\n", options).Empty());
  EXPECT_EQ(Errors(Check("Port Pressure2\nEnd\n", options)),
            (std::vector<std::string>{"1:the text defines a port type, but a variable type is expected here",
                                      "1:the text defines 'Pressure2', but the type is named 'Pressure'"}));
}

TEST(CheckerTest, BasesThatComeBackInACircleAreErrorsWhateverTheirLength) {
  TableResolver types({{"A", DefinitionKind::Variable}, {"B", DefinitionKind::Variable},
                       {"C", DefinitionKind::Variable}, {"D", DefinitionKind::Variable},
                       {"Pressure", DefinitionKind::Variable}});
  // A Uses B (being checked); B Uses C, C Uses A; D Uses C only leads into that circle.
  const std::map<std::string, std::string> bases{{"a", "B"}, {"b", "C"}, {"c", "A"}, {"d", "C"}};
  CheckOptions options;
  options.baseOf = [&bases](std::string_view name) -> std::optional<std::string> {
    auto it = bases.find(LowerAscii(name));
    if (it == bases.end()) return std::nullopt;
    return it->second;
  };
  auto check = [&](std::string_view text) { return CheckDefinitionText(text, types.Resolver(), options).report; };

  EXPECT_EQ(Errors(check("Variable B Uses A\n  Value: 1;\nEnd\n")),
            std::vector<std::string>{"1:variable type 'B' is based on a circle of types (B Uses A Uses B)"});
  EXPECT_EQ(Errors(check("Variable A Uses B\nEnd\n")),
            std::vector<std::string>{"1:variable type 'A' is based on a circle of types (A Uses B Uses C Uses A)"});
  // A type whose bases run into a circle elsewhere cannot be built either; the walk still ends.
  EXPECT_EQ(Errors(check("Variable E Uses D\nEnd\n")),
            std::vector<std::string>{
                "1:variable type 'E' is based on a circle of types (E Uses D Uses C Uses A Uses B Uses C)"});
  // A chain that ends is fine.
  EXPECT_TRUE(Errors(check("Variable A Uses Pressure\nEnd\n")).empty());
  EXPECT_TRUE(Errors(check("Variable A\nEnd\n")).empty());
}

TEST(CheckerTest, WithoutAResolverEveryStoredTypeIsUnknownButTheCheckRuns) {
  const CheckedDefinition alone = CheckDefinitionText("Model M\n  P as Pressure;\nEnd\n", TypeResolver{});
  EXPECT_TRUE(HasError(alone.report, 2, "unknown type 'Pressure'"));
}

}  // namespace
