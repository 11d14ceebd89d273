// Renaming a definition's header, and following a renamed type into the
// definitions that refer to it.
#include <gtest/gtest.h>

#include <string>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/DefinitionChecker.h"
#include "workbench/language/DefinitionHeader.h"
#include "workbench/language/TypeReferences.h"

namespace {

TEST(RenameTest, HeaderRenameTouchesOnlyTheHeaderName) {
  const std::string text = "Model  Tank\n  // Tank holds Tank\n  t as Tank;\n  x = \"Tank\";\nEnd\n";
  EXPECT_EQ(RenameDefinitionHeader(text, "tank", "Tank2"),
            "Model  Tank2\n  // Tank holds Tank\n  t as Tank;\n  x = \"Tank\";\nEnd\n");
  // Comments before the keyword are passed over and kept.
  EXPECT_EQ(RenameDefinitionHeader("/* a */\n// b\nVariable P End", "P", "Q"), "/* a */\n// b\nVariable Q End");
  // Only a whole name is renamed.
  EXPECT_EQ(RenameDefinitionHeader("Model Tanker\nEnd\n", "Tank", "Vat"), std::nullopt);
  EXPECT_EQ(RenameDefinitionHeader("x = 1;\n", "x", "y"), std::nullopt);
}

TEST(RenameTest, HeaderIsReadWithKindNameAndLine) {
  const std::optional<DefinitionHeader> header = ReadDefinitionHeader("\n/* x\n */ parameter Gain Uses RealParameter");
  ASSERT_TRUE(header);
  EXPECT_EQ(header->kind, DefinitionKind::Parameter);
  EXPECT_EQ(header->name, "Gain");
  EXPECT_EQ(header->line, 3);
  EXPECT_EQ(ReadDefinitionHeader("Flowsheet F\nEnd\n"), std::nullopt);
}

TEST(RenameTest, ReferencesAreRenamedWhereverATypeIsNamed) {
  const std::string text =
      "Model Pressure2 Uses Pressure\n"
      "  Pressure as Pressure (description:\"Pressure\");\n"  // the declared name stays
      "  q as PRESSURE;\n"
      "  r as Pressures;\n"
      "  // Pressure in a comment stays\n"
      "  x = Pressure(q) + Pressure.y;\n"  // a call of an undeclared name is a function; Pressure.y is a variable
      "  Call (x) = Pressure(q);\n"
      "End\n";
  const ReferenceRename rename = RenameTypeReferences(text, "pressure", "Druck");
  EXPECT_TRUE(rename.complete);
  EXPECT_EQ(rename.replaced, 4);
  EXPECT_EQ(rename.text,
            "Model Pressure2 Uses Druck\n"
            "  Pressure as Druck (description:\"Pressure\");\n"
            "  q as Druck;\n"
            "  r as Pressures;\n"
            "  // Pressure in a comment stays\n"
            "  x = Pressure(q) + Pressure.y;\n"
            "  Call (x) = Druck(q);\n"
            "End\n");
  const std::string procedure = "Procedure P\n  Inputs: Flow, Pressure;\n  Outputs: Pressure;\nEnd\n";
  EXPECT_EQ(RenameTypeReferences(procedure, "Pressure", "Druck").text,
            "Procedure P\n  Inputs: Flow, Druck;\n  Outputs: Druck;\nEnd\n");
  const std::string functionUse = "Model M\n  x = Enthalpy(x);\nEnd\n";
  EXPECT_EQ(RenameTypeReferences(functionUse, "Enthalpy", "H").text, "Model M\n  x = H(x);\nEnd\n");
}

TEST(RenameTest, RenameInATextWithErrorsSaysItIsIncomplete) {
  const ReferenceRename rename = RenameTypeReferences("Model M\n  a as Flow;\n  b as ;\n", "Flow", "F");
  EXPECT_FALSE(rename.complete);
  EXPECT_EQ(rename.replaced, 1);
  EXPECT_EQ(rename.text, "Model M\n  a as F;\n  b as ;\n");
  const ReferenceRename nothing = RenameTypeReferences("not a definition", "Flow", "F");
  EXPECT_FALSE(nothing.complete);
  EXPECT_EQ(nothing.text, "not a definition");
}

TEST(RenameTest, ReferencedTypeNamesAreDistinctInOrderOfUse) {
  TableResolver types = StandardTypes();
  const CheckedDefinition checked = CheckDefinitionText(
      "Model M Uses Tank\n  a, b as Pressure;\n  c as pressure;\n  d as Input Material;\n"
      "  x = Enthalpy(a) + exp(b);\n  Call (c) = Flash(d.F);\nEnd\n",
      types.Resolver());
  ASSERT_TRUE(checked.definition);
  EXPECT_EQ(ReferencedTypeNames(*checked.definition),
            (std::vector<std::string>{"Tank", "Pressure", "Material", "Flash", "Enthalpy"}));
  EXPECT_TRUE(ReferencesType(*checked.definition, "FLASH"));
  EXPECT_FALSE(ReferencesType(*checked.definition, "exp"));
  EXPECT_FALSE(ReferencesType(*checked.definition, "M"));
}

}  // namespace
