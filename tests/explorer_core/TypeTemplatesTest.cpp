// The texts new types start from, exactly as the modelling engineer sees them.
#include <gtest/gtest.h>

#include "explorer/core/TypeTemplates.h"
#include "explorer/resources/StringIds.h"

namespace {

TEST(TypeTemplatesTest, ModelStructureAndStreamTemplatesListTheirDeclarationsAsComments) {
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Model, "Tank"),
            "Model Tank\n"
            "// <parameter name> as <parameter type> (<default>, description:\"<description>\");\n"
            "// <variable name>  as <variable type> (default, <spec>, description:\"<description>\");\n"
            "// <submodel name>  as <model type> (<submodel variable> = <variable name>,...);\n"
            "// <structure name> as external <structure type>(\"<default instance>\");\n"
            "// <port name>      as <Input or Output> <port type>;\n"
            "// <equation_name> : <expression1> = <expression2>;\n"
            "// Call (<output argument list>) = <procedure name>(<input argument list>);\n"
            "End\n");
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Structure, "Props"),
            "Structure Props\n"
            "// <parameter name> as <parameter type> (<default>, description:\"<description>\");\n"
            "// <variable name>  as <variable type> (default, <spec>, description:\"<description>\");\n"
            "// <equation_name> : <expression1> = <expression2>;\n"
            "// Call (<output argument list>) = <procedure name>(<input argument list>);\n"
            "End\n");
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Stream, "Pipe"),
            "Stream Pipe\n"
            "// <parameter name> as <parameter type> (<default value>, description:\"<description>\");\n"
            "// <variable name>  as <variable type> (<default value>, <default spec>, description:\"<description>\";\n"
            "// <submodel name>  as <model type> (<submodel variable> = <variable name>,...);\n"
            "// <structure name> as external <structure type>(\"<default instance>\");\n"
            "// Source           as Input  <port type>;\n"
            "// Destination      as Output <port type>;\n"
            "// <equation_name> : <expression1> = <expression2>;\n"
            "// Call (<output arguments>) = <procedure name>(<input arguments>);\n"
            "End\n");
}

TEST(TypeTemplatesTest, VariableAndPortTemplates) {
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Variable, "Flow"),
            "Variable Flow\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n// Value: <default value>;\n"
            "// PhysicalQuantity : \"<physical quantity name>\";\n// Scale : <scaling value>;\nEnd\n");
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Port, "Inlet"),
            "Port Inlet\n// <variable name> as <variable type> (<default value>, description:\"<description>\");\n"
            "End\n");
}

TEST(TypeTemplatesTest, ParameterTemplatesFollowTheChosenKind) {
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Parameter, "N", 0),
            "Parameter N Uses IntegerParameter\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n"
            "// Value: <default value>;\nEnd\n");
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Parameter, "On", 1),
            "Parameter On Uses LogicalParameter\n// Value: <default value, True or False>;\nEnd\n");
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Parameter, "K", 2),
            "Parameter K Uses RealParameter\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n"
            "// Value: <default value>;\n// PhysicalQuantity : \"<physical quantity name>\";\nEnd\n");
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Parameter, "Mode", 3),
            "Parameter Mode Uses StringParameter\n// Valid as StringSet ([\"<valid1>\",\"<valid2>\",...]);\n"
            "// Value: \"<default value>\";\nEnd\n");
  // Without a kind the header still ends its line: "End" is never glued to the name.
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Parameter, "P", -1), "Parameter P\nEnd\n");
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Parameter, "P", 9), "Parameter P\nEnd\n");
}

TEST(TypeTemplatesTest, ProcedureAndFunctionTemplatesKeepTheirOneUncommentedLine) {
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Procedure, "Props"),
            "Procedure Props\n"
            "// Library:        \"<dll path>\"; \n"
            "// Call:           <subroutine name>; \n"
            "   Compatibility:  \"KTR2004\"; \n"
            "// Implementation: <Subroutine or Function> \"<source file path>\";\n"
            "// Language:       <FORTRAN or C or \"C++\">;\n"
            "// Options:        <options list>;\n"
            "// Workspace:      <workspace size>;\n"
            "// Inputs:         <variable type list>;\n"
            "// Outputs:        <variable type list>;\n"
            "End\n");
  EXPECT_EQ(NewTypeTemplate(NewTypeKind::Function, "Density"),
            "Function Density\n"
            "// Library:        \"<dll path>\"; \n"
            "// Call:           <function name>; \n"
            "   Compatibility:  \"KTR2004\"; \n"
            "// Implementation: Function \"<source file path>\";\n"
            "// Language:       <FORTRAN or C or \"C++\">;\n"
            "// Options:        <options list>;\n"
            "// Workspace:      <workspace size>;\n"
            "// Inputs:         <variable type list>;\n"
            "// Output:         <variable type>;\n"
            "End\n");
}

TEST(TypeTemplatesTest, EachKindHasItsOwnFailureMessage) {
  EXPECT_EQ(NewTypeFailureMessage(NewTypeKind::Model), IDS_MODEL_NAME_TAKEN);
  EXPECT_EQ(NewTypeFailureMessage(NewTypeKind::Structure), IDS_STRUCTURE_NAME_TAKEN);
  EXPECT_EQ(NewTypeFailureMessage(NewTypeKind::Stream), IDS_STREAM_NAME_TAKEN);
  EXPECT_EQ(NewTypeFailureMessage(NewTypeKind::Variable), IDS_VARIABLE_NAME_TAKEN);
  EXPECT_EQ(NewTypeFailureMessage(NewTypeKind::Parameter), IDS_PARAMETER_NAME_TAKEN);
  EXPECT_EQ(NewTypeFailureMessage(NewTypeKind::Port), IDS_PORT_NAME_TAKEN);
  EXPECT_EQ(NewTypeFailureMessage(NewTypeKind::Procedure), IDS_PROCEDURE_NAME_TAKEN);
  EXPECT_EQ(NewTypeFailureMessage(NewTypeKind::Function), IDS_FUNCTION_NAME_TAKEN);
}

}  // namespace
