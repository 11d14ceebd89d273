#include "explorer/core/TypeTemplates.h"

#include "explorer/resources/StringIds.h"

namespace {

std::string ModelLines() {
  return "\n// <parameter name> as <parameter type> (<default>, description:\"<description>\");\n"
         "// <variable name>  as <variable type> (default, <spec>, description:\"<description>\");\n"
         "// <submodel name>  as <model type> (<submodel variable> = <variable name>,...);\n"
         "// <structure name> as external <structure type>(\"<default instance>\");\n"
         "// <port name>      as <Input or Output> <port type>;\n"
         "// <equation_name> : <expression1> = <expression2>;\n"
         "// Call (<output argument list>) = <procedure name>(<input argument list>);\n";
}

std::string StructureLines() {
  return "\n// <parameter name> as <parameter type> (<default>, description:\"<description>\");\n"
         "// <variable name>  as <variable type> (default, <spec>, description:\"<description>\");\n"
         "// <equation_name> : <expression1> = <expression2>;\n"
         "// Call (<output argument list>) = <procedure name>(<input argument list>);\n";
}

std::string StreamLines() {
  return "\n// <parameter name> as <parameter type> (<default value>, description:\"<description>\");\n"
         "// <variable name>  as <variable type> (<default value>, <default spec>, description:\"<description>\";\n"
         "// <submodel name>  as <model type> (<submodel variable> = <variable name>,...);\n"
         "// <structure name> as external <structure type>(\"<default instance>\");\n"
         "// Source           as Input  <port type>;\n"
         "// Destination      as Output <port type>;\n"
         "// <equation_name> : <expression1> = <expression2>;\n"
         "// Call (<output arguments>) = <procedure name>(<input arguments>);\n";
}

std::string VariableLines() {
  return "\n// Lower: <lower limit>;\n"
         "// Upper: <upper limit>;\n"
         "// Value: <default value>;\n"
         "// PhysicalQuantity : \"<physical quantity name>\";\n"
         "// Scale : <scaling value>;\n";
}

std::string ParameterLines(int parameterKind) {
  switch (parameterKind) {
    case 0:
      return " Uses IntegerParameter\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n// Value: <default value>;\n";
    case 1:
      return " Uses LogicalParameter\n// Value: <default value, True or False>;\n";
    case 2:
      return " Uses RealParameter\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n// Value: <default value>;\n"
             "// PhysicalQuantity : \"<physical quantity name>\";\n";
    case 3:
      return " Uses StringParameter\n// Valid as StringSet ([\"<valid1>\",\"<valid2>\",...]);\n"
             "// Value: \"<default value>\";\n";
    default:
      // No base type: the header still ends its line, so "End" stays a line of its own.
      return "\n";
  }
}

std::string PortLines() {
  return "\n// <variable name> as <variable type> (<default value>, description:\"<description>\");\n";
}

std::string ProcedureLines() {
  return "\n// Library:        \"<dll path>\"; \n"
         "// Call:           <subroutine name>; \n"
         "   Compatibility:  \"KTR2004\"; \n"
         "// Implementation: <Subroutine or Function> \"<source file path>\";\n"
         "// Language:       <FORTRAN or C or \"C++\">;\n"
         "// Options:        <options list>;\n"
         "// Workspace:      <workspace size>;\n"
         "// Inputs:         <variable type list>;\n"
         "// Outputs:        <variable type list>;\n";
}

std::string FunctionLines() {
  return "\n// Library:        \"<dll path>\"; \n"
         "// Call:           <function name>; \n"
         "   Compatibility:  \"KTR2004\"; \n"
         "// Implementation: Function \"<source file path>\";\n"
         "// Language:       <FORTRAN or C or \"C++\">;\n"
         "// Options:        <options list>;\n"
         "// Workspace:      <workspace size>;\n"
         "// Inputs:         <variable type list>;\n"
         "// Output:         <variable type>;\n";
}

}  // namespace

std::string NewTypeTemplate(NewTypeKind kind, const std::string& name, int parameterKind) {
  switch (kind) {
    case NewTypeKind::Model: return "Model " + name + ModelLines() + "End\n";
    case NewTypeKind::Structure: return "Structure " + name + StructureLines() + "End\n";
    case NewTypeKind::Stream: return "Stream " + name + StreamLines() + "End\n";
    case NewTypeKind::Variable: return "Variable " + name + VariableLines() + "End\n";
    case NewTypeKind::Parameter: return "Parameter " + name + ParameterLines(parameterKind) + "End\n";
    case NewTypeKind::Port: return "Port " + name + PortLines() + "End\n";
    case NewTypeKind::Procedure: return "Procedure " + name + ProcedureLines() + "End\n";
    case NewTypeKind::Function: return "Function " + name + FunctionLines() + "End\n";
  }
  return {};
}

UINT NewTypeFailureMessage(NewTypeKind kind) {
  switch (kind) {
    case NewTypeKind::Model: return IDS_MODEL_NAME_TAKEN;
    case NewTypeKind::Structure: return IDS_STRUCTURE_NAME_TAKEN;
    case NewTypeKind::Stream: return IDS_STREAM_NAME_TAKEN;
    case NewTypeKind::Variable: return IDS_VARIABLE_NAME_TAKEN;
    case NewTypeKind::Parameter: return IDS_PARAMETER_NAME_TAKEN;
    case NewTypeKind::Port: return IDS_PORT_NAME_TAKEN;
    case NewTypeKind::Procedure: return IDS_PROCEDURE_NAME_TAKEN;
    case NewTypeKind::Function: return IDS_FUNCTION_NAME_TAKEN;
  }
  return 0;
}
