#include "workbench/language/DefinitionWriter.h"

#include "workbench/language/TextCase.h"

namespace {

constexpr std::string_view kIndent = "  ";

std::string_view ModeWord(DeclarationMode mode) {
  switch (mode) {
    case DeclarationMode::Plain: return "";
    case DeclarationMode::Input: return "Input ";
    case DeclarationMode::Output: return "Output ";
    case DeclarationMode::External: return "external ";
    case DeclarationMode::Global: return "global ";
  }
  return "";
}

void WriteAttributes(std::string& out, const std::vector<DeclarationAttribute>& attributes) {
  if (attributes.empty()) return;
  out += " (";
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    const DeclarationAttribute& a = attributes[i];
    if (i > 0) out += ", ";
    if (a.connection)
      out += a.name + " = ";
    else if (!a.name.empty())
      out += a.name + ":";
    out += a.value;
  }
  out += ")";
}

void WriteProperty(std::string& out, const Property& p) {
  out += kIndent;
  if (EqualsNoCase(p.name, "Valid"))
    out += p.name + " as StringSet (" + p.text + ");\n";
  else
    out += p.name + ": " + p.text + ";\n";
}

void WriteDeclaration(std::string& out, const Declaration& d) {
  out += kIndent;
  out += d.name + " as ";
  out += ModeWord(d.mode);
  out += d.typeName;
  WriteAttributes(out, d.attributes);
  out += ";\n";
}

void WriteCall(std::string& out, const ProcedureCall& call) {
  const auto list = [](const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) text += (i > 0 ? ", " : "") + items[i];
    return text;
  };
  out += kIndent;
  out += "Call (" + list(call.outputs) + ") = " + call.procedure + "(" + list(call.inputs) + ");\n";
}

bool EndsWithLineFeed(std::string_view text) { return !text.empty() && text.back() == '\n'; }

}  // namespace

std::string WriteDefinition(const Definition& d) {
  std::string out(DefinitionKeyword(d.kind));
  out += " " + d.name;
  if (d.kind == DefinitionKind::Task) {
    if (!d.headerRest.empty()) out += " " + d.headerRest;
    out += "\n" + d.body;
    if (!d.body.empty() && !EndsWithLineFeed(d.body)) out += "\n";
    return out + "End\n";
  }
  if (!d.base.empty()) out += " Uses " + d.base;
  out += "\n";
  for (const Property& p : d.properties) WriteProperty(out, p);
  for (const Declaration& declaration : d.declarations) WriteDeclaration(out, declaration);
  for (const Equation& e : d.equations) {
    if (e.inBlock) continue;  // written with its block
    out += kIndent;
    if (!e.name.empty()) out += e.name + " : ";
    out += e.text + ";\n";
  }
  for (const StatementBlock& block : d.blocks) out += std::string(kIndent) + block.text + "\n";
  for (const ProcedureCall& call : d.calls)
    if (!call.inBlock) WriteCall(out, call);
  for (const SpecStatement& spec : d.specStatements) {
    out += std::string(kIndent) + "Spec " + spec.path;
    WriteAttributes(out, spec.attributes);
    if (spec.attributes.empty()) out += " ()";
    out += ";\n";
  }
  return out + "End\n";
}

std::string JoinDefinitions(const std::vector<SourceDefinition>& definitions, std::string_view trailingText) {
  std::size_t size = trailingText.size();
  for (const SourceDefinition& d : definitions) size += d.leadingText.size() + d.text.size() + 1;
  std::string out;
  out.reserve(size);
  for (std::size_t i = 0; i < definitions.size(); ++i) {
    out += definitions[i].leadingText;
    out += definitions[i].text;
    const std::string_view following =
        i + 1 < definitions.size() ? std::string_view(definitions[i + 1].leadingText) : trailingText;
    const bool somethingFollows = i + 1 < definitions.size() || !trailingText.empty();
    if (somethingFollows && !EndsWithLineFeed(definitions[i].text) && (following.empty() || (following.front() != '\n' && following.front() != '\r')))
      out += "\n";
  }
  out += trailingText;
  return out;
}
