#include "workbench/store/PaletteDefinitions.h"

#include <utility>

#include "host/store/Status.h"
#include "workbench/language/DefinitionSplitter.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TypeCompiler.h"

std::vector<PaletteDefinition> PaletteDefinitions(CStorePalette& palette) {
  std::vector<PaletteDefinition> definitions;
  for (const auto& type : palette.Types()) {
    if (!DefinitionKindOf(type->Kind())) continue;
    definitions.push_back(PaletteDefinition{type.Get(), type->Kind(), type->FullText()});
  }
  return definitions;
}

HRESULT LoadDefinitionsText(CStorePalette& palette, std::string_view text) {
  const SplitFile split = SplitDefinitions(text);
  if (!split.Ok()) return FE_BADFILE;
  std::vector<std::pair<CComPtr<CStoreType>, std::string>> made;
  for (const SourceDefinition& definition : split.definitions) {
    // A full text brings back its last good version beside the uncompiled edit.
    CTypeTexts::FullParts parts = CTypeTexts::SplitFull(definition.leadingText + definition.text);
    CComPtr<CStoreType> type = MakeComObject<CStoreType>(StoreKindOf(definition.kind), definition.name);
    std::string definitionText = parts.embeddedLatest ? *parts.embeddedLatest : parts.good;
    type->RestoreTexts(parts.embeddedLatest ? std::move(parts.good) : std::string(), definitionText, false);
    if (FAILED(palette.Place(type))) {
      for (const auto& entry : made) palette.Remove(entry.first->Name());
      return FE_BADFILE;
    }
    made.emplace_back(type, std::move(definitionText));
  }
  for (auto& [type, definitionText] : made) type->RecordCompile(definitionText, CheckTypeText(*type, definitionText));
  return S_OK;
}
