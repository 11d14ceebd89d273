#include "workbench/document/ProcedureCode.h"

#include "workbench/language/Definition.h"

namespace {

std::string TypeList(const Definition& d, std::string_view property) {
  const Property* p = d.FindProperty(property);
  if (!p) return "none";
  const std::optional<std::vector<std::string>> names = p->Names();
  if (!names || names->empty()) return p->text.empty() ? "none" : p->text;
  std::string out;
  for (const std::string& name : *names) out += (out.empty() ? "" : ", ") + name;
  return out;
}

}  // namespace

std::string ProcedureDeclaration(const Definition& d) {
  const bool function = d.kind == DefinitionKind::Function;
  if (!function && d.kind != DefinitionKind::Procedure) return {};
  std::string routine = d.name;
  if (const Property* call = d.FindProperty("Call"); call && !call->words.empty()) routine = call->words.front().text;
  std::string out = "/* " + std::string(function ? "Function " : "Procedure ") + d.name + " */\n";
  if (function) {
    out += "double " + routine + "(const double* inputs /* " + TypeList(d, "Inputs") + " */);\n";
    out += "/* returns: " + TypeList(d, "Output") + " */\n";
  } else {
    out += "void " + routine + "(const double* inputs /* " + TypeList(d, "Inputs") + " */, double* outputs /* " +
           TypeList(d, "Outputs") + " */);\n";
  }
  return out;
}
