#include "tests/workbench_store/StoreTestSupport.h"

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
    case 0:
      text += " Uses IntegerParameter\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n// Value: <default value>;\n";
      break;
    case 1: text += " Uses LogicalParameter\n// Value: <default value, True or False>;\n"; break;
    case 2:
      text +=
          " Uses RealParameter\n// Lower: <lower limit>;\n// Upper: <upper limit>;\n// Value: <default value>;\n"
          "// PhysicalQuantity : \"<physical quantity name>\";\n";
      break;
    case 3:
      text += " Uses StringParameter\n// Valid as StringSet ([\"<valid1>\",\"<valid2>\",...]);\n"
              "// Value: \"<default value>\";\n";
      break;
    default: text += "\n"; break;  // no kind: the header and End each on its own line
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

std::vector<std::string> ErrorLines(const QVParseReport& report) {
  std::vector<std::string> lines;
  for (const QVParseMessage& m : report.messages)
    if (m.IsError()) lines.push_back(std::to_string(m.line) + ":" + m.message);
  return lines;
}
