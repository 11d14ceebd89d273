// The checks of names used in equations, calls and connections: names that
// are not declared, things called that are not functions, and ports that
// nothing uses.
#include <unordered_set>

#include "workbench/language/BuiltinNames.h"
#include "workbench/language/CheckContext.h"
#include "workbench/language/TextCase.h"

namespace {

void CheckCalled(const CCheckContext& c, const NameUse& use) {
  if (IsBuiltinFunction(use.name)) return;
  const std::optional<DefinitionKind> kind = c.KindOf(use.name);
  if (!kind)
    c.report.Warning(use.line, "unknown function '" + use.name + "'");
  else if (*kind == DefinitionKind::Procedure)
    c.report.Error(use.line, "'" + use.name + "' is a procedure; use 'Call (...) = " + use.name + "(...)'");
  else if (*kind != DefinitionKind::Function)
    c.report.Error(use.line, "'" + use.name + "' is " + WithArticle(*kind) + ", not a function");
}

// A stream type's ports are what the flowsheet connects it by, so only the
// ports of models, controllers and structures must take part in equations.
void WarnUnusedPorts(const CCheckContext& c, const std::unordered_set<std::string>& used) {
  if (c.definition.kind == DefinitionKind::Stream) return;
  for (const Declaration& d : c.definition.declarations) {
    if (d.mode != DeclarationMode::Input && d.mode != DeclarationMode::Output) continue;
    if (!used.count(LowerAscii(d.name)))
      c.report.Warning(d.line, "port '" + d.name + "' is not used in any equation, Call or connection");
  }
}

}  // namespace

void CheckExpressionNames(const CCheckContext& c) {
  const Definition& d = c.definition;
  if (d.kind == DefinitionKind::Port) return;
  std::unordered_set<std::string> declared;
  for (const Declaration& declaration : d.declarations) declared.insert(LowerAscii(declaration.name));
  // Names declared in a base type are not known here.
  const bool mayBeInherited = !d.base.empty();
  std::unordered_set<std::string> used;
  std::unordered_set<std::string> reported;
  for (const NameUse& use : d.nameUses) {
    if (c.report.Full()) return;
    const std::string key = LowerAscii(use.name);
    used.insert(key);
    if (declared.count(key) || !reported.insert(key).second) continue;
    if (use.called)
      CheckCalled(c, use);
    else if (!mayBeInherited && !IsBuiltinName(use.name) && !IsSpecWord(use.name))
      c.report.Warning(use.line, "'" + use.name + "' is not declared in " + c.Noun());
  }
  WarnUnusedPorts(c, used);
}
