#include "workbench/language/TypeReferences.h"

#include <algorithm>
#include <unordered_set>

#include "workbench/language/DefinitionParser.h"
#include "workbench/language/TextCase.h"

std::vector<std::string> ReferencedTypeNames(const Definition& definition) {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  for (const TypeReference& reference : definition.references)
    if (seen.insert(LowerAscii(reference.name)).second) names.push_back(reference.name);
  return names;
}

bool ReferencesType(const Definition& definition, std::string_view typeName) {
  return std::any_of(definition.references.begin(), definition.references.end(),
                     [&](const TypeReference& r) { return EqualsNoCase(r.name, typeName); });
}

ReferenceRename RenameTypeReferences(std::string_view text, std::string_view oldName, std::string_view newName) {
  ReferenceRename result;
  QVParseReport parseReport;
  CBoundedReport report(parseReport);
  const std::optional<Definition> definition = ParseDefinition(text, report);
  result.complete = definition.has_value() && !parseReport.HasErrors();
  std::vector<std::size_t> offsets;
  if (definition)
    for (const TypeReference& r : definition->references)
      if (EqualsNoCase(r.name, oldName)) offsets.push_back(r.offset);
  std::sort(offsets.begin(), offsets.end());
  offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
  result.text.reserve(text.size() + offsets.size() * newName.size());
  std::size_t copied = 0;
  for (std::size_t offset : offsets) {
    result.text.append(text.substr(copied, offset - copied));
    result.text.append(newName);
    copied = offset + oldName.size();
  }
  result.text.append(text.substr(copied));
  result.replaced = static_cast<int>(offsets.size());
  return result;
}
