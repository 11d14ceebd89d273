#include "workbench/store/StoreParser.h"

#include "host/com/DataObject.h"
#include "host/store/Status.h"
#include "workbench/language/DefinitionChecker.h"
#include "workbench/language/DefinitionHeader.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TextFormats.h"
#include "workbench/store/TypeCompiler.h"

namespace {

QVParseReport Refusal(std::string message) {
  QVParseReport report;
  report.AddError(0, std::move(message));
  return report;
}

// The palette a new definition of parent goes into: the one it owns, else the one that holds it.
CStorePalette* TargetPalette(CStoreType* parent) {
  if (!parent) return nullptr;
  if (CStorePalette* owned = parent->OwnedPalette()) return owned;
  return parent->HoldingPalette();
}

}  // namespace

QVParseReport CStoreParser::NewType(const std::string& name, IFType* parent, const std::string& text,
                                    IFTypeDesc** newType, const std::string& /*extra*/, int /*option1*/,
                                    int /*option2*/, int /*option3*/) {
  if (newType) *newType = nullptr;
  CStorePalette* palette = TargetPalette(StoreTypeOf(parent));
  if (!palette) return Refusal("there is no library or model to make '" + name + "' in");
  CComPtr<CStoreType> created;
  QVParseReport report = CreateTypeFromText(*palette, name, text, std::nullopt, std::addressof(created));
  if (created && newType && !report.HasErrors()) CComPtr<IFTypeDesc>(created.Get()).CopyTo(newType);
  return report;
}

QVParseReport CStoreParser::CompileType(IFType* type, const std::string& text, const std::string& /*extra*/,
                                        DWORD /*flags*/, DWORD /*options*/, DWORD /*mode*/,
                                        const std::string* /*listing*/, CMemoryStream* /*stream*/,
                                        IFInstance* /*instance*/) {
  CStoreType* target = StoreTypeOf(type);
  if (!target) return Refusal("there is no type to compile");
  return CompileTypeText(*target, text);
}

QVParseReport CStoreParser::CompileConstraints(IFType* flowsheetType, const std::string& text,
                                               const std::string& /*extra*/, DWORD /*flags*/, DWORD /*options*/,
                                               DWORD /*mode*/) {
  CStoreType* flowsheet = StoreTypeOf(flowsheetType);
  // The simulation stands for the flowsheet it sees.
  if (flowsheet && flowsheet->Kind() == StoreKind::Simulation) flowsheet = VisibleFlowsheet(*flowsheet);
  if (!flowsheet || flowsheet->Kind() != StoreKind::Flowsheet) return Refusal("there is no flowsheet to constrain");
  if (!flowsheet->IsUsable()) return Refusal("the flowsheet no longer exists");
  CStorePalette* palette = flowsheet->HoldingPalette();
  if (!palette) return Refusal("the flowsheet no longer exists");
  // A whole definition of the flowsheet is its new text: compiled, it makes the flowsheet's instances anew.
  if (const std::optional<DefinitionHeader> header = ReadDefinitionHeader(text);
      header && EqualsNoCase(header->name, flowsheet->Name())) {
    if (flowsheet->IsBuiltIn() || flowsheet->IsInReadOnlyLibrary()) return Refusal("the flowsheet cannot be changed");
    return CompileTypeText(*flowsheet, text);
  }
  // The constraints are read as the body of the flowsheet's model; line 1 is the header added here.
  const std::string wrapped = "Model " + flowsheet->Name() + "\n" + text + "\nEnd\n";
  const CheckedDefinition checked = CheckDefinitionText(wrapped, PaletteResolver(*palette));
  QVParseReport report;
  report.Append(checked.report, -1);
  if (!report.HasErrors()) flowsheet->SetConstraints(text);
  return report;
}

HRESULT CStoreParser::SetModellingLanguageText(IDataObject* data, const std::string& text) {
  if (!data) return E_POINTER;
  return WriteDataObjectText(data, std::string(kModellingLanguageFormat), text);
}

HRESULT CStoreParser::GetDefaultName(IFTypePalette* palette, const std::string& keyword, std::string& name) {
  auto* storePalette = dynamic_cast<CStorePalette*>(palette);
  if (!storePalette) return E_INVALIDARG;
  if (keyword.empty() || !DefinitionKindFromKeyword(keyword)) return E_INVALIDARG;
  const std::string stem(DefinitionKeyword(*DefinitionKindFromKeyword(keyword)));
  for (int n = 1; n < 1000000; ++n) {
    std::string candidate = stem + std::to_string(n);
    if (!storePalette->Find(candidate)) {
      name = std::move(candidate);
      return S_OK;
    }
  }
  return E_FAIL;
}
