// Templates of new types, filled in by a modelling engineer, read as written.
#include <gtest/gtest.h>

#include <string>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/DefinitionChecker.h"

namespace {

TEST(TemplateTest, FilledInTemplatesOfEveryKindReadAsWritten) {
  TableResolver types = StandardTypes();
  const std::string parameter =
      "Parameter Mode Uses StringParameter\n  Valid as StringSet ([\"Open\",\"Closed\"]);\n  Value: \"Open\";\nEnd\n";
  const CheckedDefinition p = CheckDefinitionText(parameter, types.Resolver());
  ASSERT_TRUE(p.Ok()) << ::testing::PrintToString(Errors(p.report));
  EXPECT_EQ(p.definition->FindProperty("Valid")->Strings(), (std::vector<std::string>{"Open", "Closed"}));
  EXPECT_EQ(p.definition->FindProperty("value")->String(), "Open");

  const std::string procedure =
      "Procedure Flash\n  Library:        \"C:\\\\dlls\\\\flash.dll\"; \n  Call:           flash2; \n"
      "   Compatibility:  \"KTR2004\"; \n  Implementation: Subroutine \"flash.f\";\n  Language:       FORTRAN;\n"
      "  Options:        fast, safe;\n  Workspace:      200;\n  Inputs:         Pressure, Temperature;\n"
      "  Outputs:        Flow;\nEnd\n";
  const CheckedDefinition proc = CheckDefinitionText(procedure, types.Resolver());
  ASSERT_TRUE(proc.Ok()) << ::testing::PrintToString(Errors(proc.report));
  EXPECT_EQ(proc.definition->FindProperty("Library")->String(), "C:\\dlls\\flash.dll");
  EXPECT_EQ(proc.definition->FindProperty("Workspace")->Integer(), 200);
  EXPECT_EQ(proc.definition->FindProperty("Inputs")->Names(),
            (std::vector<std::string>{"Pressure", "Temperature"}));

  const std::string function =
      "Function Enthalpy2\n  Call: h; \n  Implementation: Function \"h.c\";\n  Language: \"C++\";\n"
      "  Inputs: Temperature;\n  Output: Flow;\nEnd\n";
  EXPECT_TRUE(CheckDefinitionText(function, types.Resolver()).Ok());
}

}  // namespace
