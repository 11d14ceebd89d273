// The texts new types start from read without errors as the kind and name they
// were made for, and keep the one line of a procedure that is not a comment.
#include <gtest/gtest.h>

#include "explorer/core/TypeTemplates.h"
#include "workbench/language/DefinitionChecker.h"

namespace {

struct TemplateCase {
  NewTypeKind kind;
  int parameterKind;
  DefinitionKind expected;
  std::string base;  // what a parameter uses
};

TEST(TypeTemplatesTest, EveryTemplateReadsWithoutErrorsAsItsKindAndName) {
  const std::vector<TemplateCase> cases = {
      {NewTypeKind::Model, -1, DefinitionKind::Model, ""},
      {NewTypeKind::Structure, -1, DefinitionKind::Structure, ""},
      {NewTypeKind::Stream, -1, DefinitionKind::Stream, ""},
      {NewTypeKind::Variable, -1, DefinitionKind::Variable, ""},
      {NewTypeKind::Parameter, 0, DefinitionKind::Parameter, "IntegerParameter"},
      {NewTypeKind::Parameter, 1, DefinitionKind::Parameter, "LogicalParameter"},
      {NewTypeKind::Parameter, 2, DefinitionKind::Parameter, "RealParameter"},
      {NewTypeKind::Parameter, 3, DefinitionKind::Parameter, "StringParameter"},
      {NewTypeKind::Parameter, -1, DefinitionKind::Parameter, ""},
      {NewTypeKind::Parameter, 9, DefinitionKind::Parameter, ""},
      {NewTypeKind::Port, -1, DefinitionKind::Port, ""},
      {NewTypeKind::Procedure, -1, DefinitionKind::Procedure, ""},
      {NewTypeKind::Function, -1, DefinitionKind::Function, ""},
  };
  for (const TemplateCase& c : cases) {
    const std::string text = NewTypeTemplate(c.kind, "Made", c.parameterKind);
    SCOPED_TRACE(text);
    CheckOptions options;
    options.expectedKind = c.expected;
    options.expectedName = "Made";
    const CheckedDefinition checked = CheckDefinitionText(text, TypeResolver{}, options);
    ASSERT_TRUE(checked.definition.has_value());
    EXPECT_EQ(checked.report.ErrorCount(), 0);
    EXPECT_EQ(checked.definition->kind, c.expected);
    EXPECT_EQ(checked.definition->name, "Made");
    EXPECT_EQ(checked.definition->base, c.base);
    EXPECT_TRUE(checked.definition->closed);
    const bool procedure = c.kind == NewTypeKind::Procedure || c.kind == NewTypeKind::Function;
    ASSERT_EQ(checked.definition->properties.size(), procedure ? 1u : 0u) << "only comments to fill in";
    if (procedure) {
      EXPECT_EQ(checked.definition->properties[0].String(), "KTR2004");
    }
  }
}

}  // namespace
