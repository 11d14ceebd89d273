#include "workbench/store/TypeCompiler.h"

#include "host/framework/CQVGeneralUtil.h"
#include "workbench/language/DefinitionChecker.h"
#include "workbench/language/DefinitionHeader.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"

namespace {

std::string Quoted(std::string_view name) { return Concat({"'", name, "'"}); }

const CStoreType* TypeSeenFrom(const CStorePalette& palette, std::string_view name) {
  const CStoreType* type = palette.FindVisible(name);
  if (!type) {
    // A model's own palette (its tasks) sees what the model sees.
    const CStoreType* owner = palette.Owner();
    const CStorePalette* outer = owner && IsModelLike(owner->Kind()) ? owner->HoldingPalette() : nullptr;
    if (outer) type = outer->FindVisible(name);
  }
  return type;
}

std::optional<DefinitionKind> KindSeenFrom(const CStorePalette& palette, std::string_view name) {
  const CStoreType* type = TypeSeenFrom(palette, name);
  if (!type) return std::nullopt;
  return DefinitionKindOf(type->Kind());
}

std::optional<std::string> BaseSeenFrom(const CStorePalette& palette, std::string_view name) {
  const CStoreType* type = TypeSeenFrom(palette, name);
  if (!type) return std::nullopt;
  const Definition* definition = type->ParsedDefinition();
  return definition ? definition->base : std::string();
}

// Why a type called name cannot be made in palette; nothing when it can.
std::optional<std::string> PlacementProblem(const CStorePalette& palette, const std::string& name,
                                            bool ignoreReadOnly) {
  if (!palette.IsUsable()) return Concat({"the place for ", Quoted(name), " no longer exists"});
  if (palette.IsReadOnly() && !ignoreReadOnly)
    return Concat({Quoted(palette.Name()), " is a read-only library; ", Quoted(name), " cannot be added to it"});
  if (!CQVGeneralUtil::IsValidNameNoMessage(name))
    return Concat({Quoted(name),
                   " is not a valid name: a name is a letter or an underscore followed by letters, digits and "
                   "underscores, at most 80 in all"});
  if (palette.Find(name))
    return Concat({"a definition named ", Quoted(palette.Find(name)->Name()), " already exists in ",
                   Quoted(palette.Name())});
  return std::nullopt;
}

}  // namespace

TypeResolver PaletteResolver(const CStorePalette& palette) {
  return [&palette](std::string_view name) { return KindSeenFrom(palette, name); };
}

TypeBaseResolver PaletteBaseResolver(const CStorePalette& palette) {
  return [&palette](std::string_view name) { return BaseSeenFrom(palette, name); };
}

QVParseReport CreateTypeFromText(CStorePalette& palette, const std::string& name, const std::string& text,
                                 std::optional<StoreKind> expected, CComPtr<CStoreType>* created,
                                 bool ignoreReadOnly) {
  if (created) created->Release();
  QVParseReport report;
  if (std::optional<std::string> problem = PlacementProblem(palette, name, ignoreReadOnly)) {
    report.AddError(0, *problem);
    return report;
  }
  const std::optional<DefinitionHeader> header = ReadDefinitionHeader(text);
  if (!header) {
    report.AddError(0, "the text holds no definition: it must begin with one of " + DefinitionKeywordList() +
                           " and the name " + Quoted(name));
    return report;
  }
  if (!EqualsNoCase(header->name, name)) {
    report.AddError(header->line, Concat({"the text defines ", Quoted(header->name), ", but the new type is named ",
                                          Quoted(name)}));
    return report;
  }
  const StoreKind kind = StoreKindOf(header->kind);
  if (expected && *expected != kind) {
    report.AddError(header->line, Concat({"the text defines a ", StoreKindNoun(kind), ", but a ",
                                          StoreKindNoun(*expected), " is expected here"}));
    return report;
  }

  CheckOptions options;
  options.expectedKind = header->kind;
  options.expectedName = name;
  options.baseOf = PaletteBaseResolver(palette);
  CheckedDefinition checked = CheckDefinitionText(text, PaletteResolver(palette), options);
  report = checked.report;

  CComPtr<CStoreType> type = MakeComObject<CStoreType>(kind, name);
  type->SetText(text);
  if (FAILED(palette.Place(type))) {
    report.AddError(0, Concat({Quoted(name), " could not be added to ", Quoted(palette.Name())}));
    return report;
  }
  type->RecordCompile(text, report);
  if (created) *created = type;
  return report;
}

QVParseReport CheckTypeText(const CStoreType& type, std::string_view text) {
  QVParseReport report;
  const std::optional<DefinitionKind> kind = DefinitionKindOf(type.Kind());
  const CStorePalette* palette = type.HoldingPalette();
  if (!kind || !palette) {
    report.AddError(0, Concat({Quoted(type.Name()), " has no modelling-language text to compile"}));
    return report;
  }
  CheckOptions options;
  options.expectedKind = *kind;
  options.expectedName = type.Name();
  options.baseOf = PaletteBaseResolver(*palette);
  // Controllers are written like models, and either may become the other.
  if (const std::optional<DefinitionHeader> header = ReadDefinitionHeader(text);
      header && (header->kind == DefinitionKind::Model || header->kind == DefinitionKind::Controller) &&
      (*kind == DefinitionKind::Model || *kind == DefinitionKind::Controller))
    options.expectedKind = header->kind;
  return CheckDefinitionText(text, PaletteResolver(*palette), options).report;
}

QVParseReport CompileTypeText(CStoreType& type, const std::string& text) {
  QVParseReport report;
  if (!type.IsUsable()) {
    report.AddError(0, Concat({Quoted(type.Name()), " no longer exists"}));
    return report;
  }
  if (type.IsBuiltIn() || type.IsInReadOnlyLibrary()) {
    report.AddError(0, Concat({Quoted(type.Name()),
                               " is built in or belongs to a read-only library and cannot be changed"}));
    return report;
  }
  if (!DefinitionKindOf(type.Kind()) || !type.HoldingPalette()) return CheckTypeText(type, text);
  report = CheckTypeText(type, text);
  type.RecordCompile(text, report);
  return report;
}
