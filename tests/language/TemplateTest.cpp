// The texts new types are created from must read without errors, each as the
// kind and name it was made for.
#include <gtest/gtest.h>

#include <string>

#include "tests/language/LanguageTestSupport.h"
#include "workbench/language/DefinitionChecker.h"

namespace {

std::string ModelTemplate(const std::string& name) {
  return "Model " + name + "\n// <parameter name> as <parameter type> (<default>, description:\"<description>\");\n" +
         "// <variable name>  as <variable type> (default, <spec>, description:\"<description>\");\n" +
         "// <submodel name>  as <model type> (<submodel variable> = <variable name>,...);\n" +
         "// <structure name> as external <structure type>(\"<default instance>\");\n" +
         "// <port name>      as <Input or Output> <port type>;\n" +
         "// <equation_name> : <expression1> = <expression2>;\n" +
         "// Call (<output argument list>) = <procedure name>(<input argument list>);\n" + "End\n";
}

std::string StructureTemplate(const std::string& name) {
  return "Structure " + name +
         "\n// <parameter name> as <parameter type> (<default>, description:\"<description>\");\n" +
         "// <variable name>  as <variable type> (default, <spec>, description:\"<description>\");\n" +
         "// <equation_name> : <expression1> = <expression2>;\n" +
         "// Call (<output argument list>) = <procedure name>(<input argument list>);\n" + "End\n";
}

std::string StreamTemplate(const std::string& name) {
  return "Stream " + name +
         "\n// <parameter name> as <parameter type> (<default value>, description:\"<description>\");\n" +
         "// <variable name>  as <variable type> (<default value>, <default spec>, description:\"<description>\";\n" +
         "// <submodel name>  as <model type> (<submodel variable> = <variable name>,...);\n" +
         "// <structure name> as external <structure type>(\"<default instance>\");\n" +
         "// Source           as Input  <port type>;\n" + "// Destination      as Output <port type>;\n" +
         "// <equation_name> : <expression1> = <expression2>;\n" +
         "// Call (<output arguments>) = <procedure name>(<input arguments>);\n" + "End\n";
}

std::string VariableTemplate(const std::string& name) {
  return "Variable " + name + "\n// Lower: <lower limit>;\n" + "// Upper: <upper limit>;\n" +
         "// Value: <default value>;\n" + "// PhysicalQuantity : \"<physical quantity name>\";\n" +
         "// Scale : <scaling value>;\n" + "End\n";
}

std::string ParameterTemplate(const std::string& name, int kind) {
  std::string text = "Parameter " + name;
  switch (kind) {
    case 0: text += " Uses IntegerParameter\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n// Value: <default value>;\n"; break;
    case 1: text += " Uses LogicalParameter\n// Value: <default value, True or False>;\n"; break;
    case 2:
      text += " Uses RealParameter\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n// Value: <default value>;\n// "
              "PhysicalQuantity : \"<physical quantity name>\";\n";
      break;
    case 3: text += " Uses StringParameter\n// Valid as StringSet ([\"<valid1>\",\"<valid2>\",...]);\n// Value: \"<default value>\";\n"; break;
    default: text += "\n"; break;  // no kind: the header and End alone, each on its line
  }
  return text + "End\n";
}

std::string PortTemplate(const std::string& name) {
  return "Port " + name + "\n// <variable name> as <variable type> (<default value>, description:\"<description>\");\n" +
         "End\n";
}

std::string ProcedureTemplate(const std::string& name) {
  return "Procedure " + name + "\n// Library:        \"<dll path>\"; \n" + "// Call:           <subroutine name>; \n" +
         "   Compatibility:  \"KTR2004\"; \n" + "// Implementation: <Subroutine or Function> \"<source file path>\";\n" +
         "// Language:       <FORTRAN or C or \"C++\">;\n" + "// Options:        <options list>;\n" +
         "// Workspace:      <workspace size>;\n" + "// Inputs:         <variable type list>;\n" +
         "// Outputs:        <variable type list>;\n" + "End\n";
}

std::string FunctionTemplate(const std::string& name) {
  return "Function " + name + "\n// Library:        \"<dll path>\"; \n" + "// Call:           <function name>; \n" +
         "   Compatibility:  \"KTR2004\"; \n" + "// Implementation: Function \"<source file path>\";\n" +
         "// Language:       <FORTRAN or C or \"C++\">;\n" + "// Options:        <options list>;\n" +
         "// Workspace:      <workspace size>;\n" + "// Inputs:         <variable type list>;\n" +
         "// Output:         <variable type>;\n" + "End\n";
}

struct TemplateCase {
  std::string text;
  DefinitionKind kind;
  std::string name;
};

TEST(TemplateTest, EveryNewTypeTemplateReadsWithoutErrorsAsItsKindAndName) {
  const std::vector<TemplateCase> cases = {
      {ModelTemplate("Reactor"), DefinitionKind::Model, "Reactor"},
      {StructureTemplate("Props"), DefinitionKind::Structure, "Props"},
      {StreamTemplate("Steam"), DefinitionKind::Stream, "Steam"},
      {VariableTemplate("Pressure"), DefinitionKind::Variable, "Pressure"},
      {ParameterTemplate("Stages", 0), DefinitionKind::Parameter, "Stages"},
      {ParameterTemplate("Enabled", 1), DefinitionKind::Parameter, "Enabled"},
      {ParameterTemplate("Gain", 2), DefinitionKind::Parameter, "Gain"},
      {ParameterTemplate("Mode", 3), DefinitionKind::Parameter, "Mode"},
      {ParameterTemplate("Other", 7), DefinitionKind::Parameter, "Other"},
      {PortTemplate("Material"), DefinitionKind::Port, "Material"},
      {ProcedureTemplate("Flash"), DefinitionKind::Procedure, "Flash"},
      {FunctionTemplate("Enthalpy"), DefinitionKind::Function, "Enthalpy"},
  };
  for (const TemplateCase& c : cases) {
    SCOPED_TRACE(c.text);
    CheckOptions options;
    options.expectedKind = c.kind;
    options.expectedName = c.name;
    const CheckedDefinition checked = CheckDefinitionText(c.text, TypeResolver{}, options);
    ASSERT_TRUE(checked.definition.has_value());
    EXPECT_EQ(checked.report.ErrorCount(), 0) << ::testing::PrintToString(Errors(checked.report));
    EXPECT_EQ(checked.definition->kind, c.kind);
    EXPECT_EQ(checked.definition->name, c.name);
    EXPECT_TRUE(checked.definition->closed);
  }
}

TEST(TemplateTest, TemplatesKeepWhatTheirUncommentedLinesSay) {
  const CheckedDefinition procedure = CheckDefinitionText(ProcedureTemplate("Flash"), TypeResolver{});
  ASSERT_TRUE(procedure.definition);
  ASSERT_EQ(procedure.definition->properties.size(), 1u);
  EXPECT_EQ(procedure.definition->properties[0].name, "Compatibility");
  EXPECT_EQ(procedure.definition->properties[0].String(), "KTR2004");
  EXPECT_EQ(procedure.definition->properties[0].line, 4);
  EXPECT_EQ(procedure.definition->endLine, 11);

  const CheckedDefinition parameter = CheckDefinitionText(ParameterTemplate("Mode", 3), TypeResolver{});
  ASSERT_TRUE(parameter.definition);
  EXPECT_EQ(parameter.definition->base, "StringParameter");
  EXPECT_TRUE(parameter.definition->properties.empty());
  EXPECT_EQ(parameter.report.WarningCount(), 0);

  // A new variable type says nothing of its default value: the one warning.
  const CheckedDefinition variable = CheckDefinitionText(VariableTemplate("Pressure"), TypeResolver{});
  EXPECT_EQ(Warnings(variable.report),
            std::vector<std::string>{"1:variable type 'Pressure' has no default Value; its variables start from 0"});
}

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
