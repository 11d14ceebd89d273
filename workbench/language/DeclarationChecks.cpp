// The checks of a body's declarations, equation names and procedure calls:
// no repeats, types that exist and are of a kind that may stand there, and
// attribute lists that fit the kind of thing declared.
#include <unordered_map>

#include "workbench/language/BuiltinNames.h"
#include "workbench/language/CheckContext.h"
#include "workbench/language/TextCase.h"

namespace {

std::string Quoted(const std::string& name) { return "'" + name + "'"; }

// Whether a type of this kind may be declared with this mode in this body;
// the reason when it may not.
std::optional<std::string> KindRuleBroken(DefinitionKind owner, DefinitionKind kind, DeclarationMode mode,
                                          const std::string& typeName) {
  const std::string what = Quoted(typeName) + " is " + WithArticle(kind);
  if (owner == DefinitionKind::Port) {
    if (kind == DefinitionKind::Variable || kind == DefinitionKind::Parameter) {
      if (mode == DeclarationMode::Plain) return std::nullopt;
      return std::string("a port type declares its variables without Input, Output or external");
    }
    return what + "; a port type holds only variables and parameters";
  }
  switch (kind) {
    case DefinitionKind::Port:
      if (mode == DeclarationMode::Input || mode == DeclarationMode::Output) return std::nullopt;
      return what + "; declare ports 'as Input " + typeName + "' or 'as Output " + typeName + "'";
    case DefinitionKind::Structure:
      if (mode == DeclarationMode::External || mode == DeclarationMode::Global) return std::nullopt;
      return what + "; declare structures 'as external " + typeName + " (\"<default instance>\")'";
    case DefinitionKind::Variable:
    case DefinitionKind::Parameter:
    case DefinitionKind::Model:
    case DefinitionKind::Controller:
    case DefinitionKind::Stream:
      if (mode == DeclarationMode::Plain) return std::nullopt;
      if (mode == DeclarationMode::External) return what + "; only structure types are declared external";
      if (mode == DeclarationMode::Global) return what + "; only structure types are declared global";
      return what + "; only port types are declared as Input or Output";
    case DefinitionKind::Procedure: return what + "; call procedures with 'Call (...) = " + typeName + "(...)'";
    case DefinitionKind::Function: return what + "; use functions inside equations";
    case DefinitionKind::Task: return what + "; tasks cannot be declared";
  }
  return std::nullopt;
}

void CheckAttributes(const CCheckContext& c, const Declaration& d, DefinitionKind kind) {
  const bool variable = kind == DefinitionKind::Variable;
  const bool submodel = IsModelKind(kind);
  int values = 0, specs = 0;
  for (const DeclarationAttribute& a : d.attributes) {
    if (a.connection) {
      if (!submodel)
        c.report.Error(a.line, Quoted(d.name) + " is not a submodel, so '" + a.name + " = " + a.value +
                                   "' connects nothing");
    } else if (!a.name.empty()) {
      if (!EqualsNoCase(a.name, "description"))
        c.report.Error(a.line, "unknown attribute '" + a.name + "' of " + Quoted(d.name) +
                                   "; the only named attribute is description:\"...\"");
      else if (!a.stringValue)
        c.report.Error(a.line, "the description of " + Quoted(d.name) + " must be a string in double quotes");
    } else if (IsSpecWord(a.value)) {
      if (!variable)
        c.report.Error(a.line, "'" + a.value + "' is a fixing status, which only variables have; " +
                                   Quoted(d.name) + " is not a variable");
      else if (++specs == 2)
        c.report.Error(a.line, Quoted(d.name) + " has more than one fixing status");
    } else if (submodel) {
      c.report.Error(a.line, "the submodel " + Quoted(d.name) +
                                 " takes only connections ('variable = name') and a description");
    } else if (kind == DefinitionKind::Port) {
      c.report.Error(a.line, "the port " + Quoted(d.name) + " takes only a description");
    } else if (kind == DefinitionKind::Structure && !a.stringValue) {
      c.report.Error(a.line, "the default instance of " + Quoted(d.name) + " must be a string in double quotes");
    } else if (++values == 2) {
      c.report.Error(a.line, Quoted(d.name) + " has more than one default value");
    }
  }
}

void CheckDeclarationType(const CCheckContext& c, const Declaration& d) {
  if (c.IsSelf(d.typeName)) {
    c.report.Error(d.line, c.Noun() + " cannot contain itself (" + Quoted(d.name) + ")");
    return;
  }
  const std::optional<DefinitionKind> kind = c.KindOf(d.typeName);
  if (!kind) {
    c.report.Error(d.line, "unknown type '" + d.typeName + "' for " + Quoted(d.name));
    return;
  }
  if (std::optional<std::string> broken = KindRuleBroken(c.definition.kind, *kind, d.mode, d.typeName)) {
    c.report.Error(d.line, *broken);
    return;
  }
  CheckAttributes(c, d, *kind);
}

// A flowsheet's "Spec path (value, status, lower:..., upper:...)".
void CheckSpecStatement(const CCheckContext& c, const SpecStatement& s) {
  int values = 0, specs = 0;
  for (const DeclarationAttribute& a : s.attributes) {
    if (a.connection) {
      c.report.Error(a.line, "Spec " + s.path + " connects nothing; write its value, status and bounds");
    } else if (!a.name.empty()) {
      if (!EqualsNoCase(a.name, "lower") && !EqualsNoCase(a.name, "upper") && !EqualsNoCase(a.name, "description"))
        c.report.Error(a.line, "unknown attribute '" + a.name + "' of Spec " + s.path +
                                   "; Spec takes lower:, upper: and description:");
    } else if (IsSpecWord(a.value)) {
      if (++specs == 2) c.report.Error(a.line, "Spec " + s.path + " has more than one fixing status");
    } else if (++values == 2) {
      c.report.Error(a.line, "Spec " + s.path + " has more than one value");
    }
  }
}

void CheckCall(const CCheckContext& c, const ProcedureCall& call) {
  const std::optional<DefinitionKind> kind = c.KindOf(call.procedure);
  if (!kind)
    c.report.Error(call.line, "unknown procedure '" + call.procedure + "'");
  else if (*kind == DefinitionKind::Function)
    c.report.Error(call.line, Quoted(call.procedure) + " is a function; use it inside an equation, not with Call");
  else if (*kind != DefinitionKind::Procedure)
    c.report.Error(call.line, Quoted(call.procedure) + " is " + WithArticle(*kind) + ", not a procedure");
}

void ReportTwice(const CCheckContext& c, std::string_view what, const std::string& name, int line, int firstLine) {
  c.report.Error(line, std::string(what) + " " + Quoted(name) + " is declared twice (first at line " +
                           std::to_string(firstLine) + ")");
}

// Reports a name that stands twice; names compare without regard to case.
void CheckRepeat(const CCheckContext& c, std::unordered_map<std::string, int>& seen, const std::string& name, int line,
                 std::string_view what) {
  const auto [first, inserted] = seen.emplace(LowerAscii(name), line);
  if (!inserted) ReportTwice(c, what, name, line, first->second);
}

// Whether two equations stand in the Then and the Else part of one If block, so that never both are made.
bool ExcludeEachOther(const Equation& a, const Equation& b) {
  for (std::size_t k = 0; k < a.blocks.size() && k < b.blocks.size(); ++k) {
    const BlockFrame& x = a.blocks[k];
    const BlockFrame& y = b.blocks[k];
    if (x.line != y.line || x.expression != y.expression) return false;
    if (x.kind != y.kind) return true;  // Then and Else of one If
  }
  return false;
}

}  // namespace

void CheckDeclarations(const CCheckContext& c) {
  const Definition& d = c.definition;
  std::unordered_map<std::string, int> names;
  for (const Declaration& declaration : d.declarations) {
    if (c.report.Full()) return;
    CheckRepeat(c, names, declaration.name, declaration.line, "the name");
    CheckDeclarationType(c, declaration);
  }
  // An equation name stands once, except in the Then and the Else part of one If block.
  std::unordered_map<std::string, const Equation*> equationNames;
  for (const Equation& equation : d.equations) {
    if (equation.name.empty()) continue;
    const auto [first, inserted] = equationNames.emplace(LowerAscii(equation.name), &equation);
    if (!inserted && !ExcludeEachOther(*first->second, equation))
      ReportTwice(c, "the equation name", equation.name, equation.line, first->second->line);
  }
  for (const ProcedureCall& call : d.calls) {
    if (c.report.Full()) return;
    CheckCall(c, call);
  }
  for (const SpecStatement& statement : d.specStatements) {
    if (c.report.Full()) return;
    CheckSpecStatement(c, statement);
  }
}
