// libFuzzer target for the modelling language. Any bytes must be read, checked,
// split, renamed and written without a crash, a hang or a sanitizer report,
// and these must hold:
//   - a file that splits cleanly, and whose definitions each end their line,
//     is given back byte for byte by joining its pieces;
//   - a definition without any error, written out again, reads again without
//     any error and with the same contents;
//   - renaming a header makes the header carry the new name;
//   - the checker's report is bounded and names only lines the text has.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "workbench/language/DefinitionChecker.h"
#include "workbench/language/DefinitionHeader.h"
#include "workbench/language/DefinitionSplitter.h"
#include "workbench/language/DefinitionWriter.h"
#include "workbench/language/TypeReferences.h"

namespace {

// Every name is a type of some kind, chosen by its length; names that begin
// with 'u' are unknown.
std::optional<DefinitionKind> FuzzResolver(std::string_view name) {
  if (name.empty() || name[0] == 'u' || name[0] == 'U') return std::nullopt;
  return static_cast<DefinitionKind>(name.size() % 10);
}

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckSplitJoin(std::string_view text) {
  const SplitFile split = SplitDefinitions(text);
  if (!split.Ok()) return;
  for (std::size_t i = 0; i + 1 < split.definitions.size(); ++i)
    if (split.definitions[i].text.empty() || split.definitions[i].text.back() != '\n') return;
  if (!split.definitions.empty() && !split.trailingText.empty() && split.definitions.back().text.back() != '\n')
    return;
  Require(JoinDefinitions(split.definitions, split.trailingText) == text);
}

void CheckWriteAgain(std::string_view text) {
  const CheckedDefinition first = CheckDefinitionText(text, FuzzResolver);
  if (!first.definition || first.report.HasErrors() || first.definition->kind == DefinitionKind::Task) return;
  const std::string written = WriteDefinition(*first.definition);
  const CheckedDefinition second = CheckDefinitionText(written, FuzzResolver);
  Require(second.definition.has_value() && second.report.ErrorCount() == 0);
  const Definition& a = *first.definition;
  const Definition& b = *second.definition;
  Require(a.name == b.name && a.kind == b.kind && a.base == b.base);
  Require(a.declarations.size() == b.declarations.size() && a.properties.size() == b.properties.size() &&
          a.equations.size() == b.equations.size() && a.calls.size() == b.calls.size() &&
          a.blocks.size() == b.blocks.size());
}

void CheckHeaderRename(std::string_view text) {
  const std::optional<DefinitionHeader> header = ReadDefinitionHeader(text);
  if (!header) return;
  const std::optional<std::string> renamed = RenameDefinitionHeader(text, header->name, "Renamed");
  Require(renamed.has_value());
  const std::optional<DefinitionHeader> again = ReadDefinitionHeader(*renamed);
  Require(again.has_value() && again->name == "Renamed" && again->kind == header->kind);
}

void CheckReport(std::string_view text) {
  const CheckedDefinition checked = CheckDefinitionText(text, FuzzResolver);
  Require(static_cast<int>(checked.report.messages.size()) <= CBoundedReport::kMaxMessages);
  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  for (const QVParseMessage& m : checked.report.messages) Require(m.line >= 0 && m.line <= lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckSplitJoin(text);
  CheckWriteAgain(text);
  CheckHeaderRename(text);
  CheckReport(text);
  (void)RenameTypeReferences(text, "Pressure", "Druck");
  return 0;
}
