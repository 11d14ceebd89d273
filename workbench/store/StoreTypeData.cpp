// A type's texts through its data object: scripts in "Non-embedded Text",
// everything else in "MORROW Modelling Language" (the latest text) and its
// full form (the last good text with the uncompiled latest embedded).
// Writing a modelling-language text checks that it still defines this type;
// it is kept verbatim and compiled only when asked.
#include <string>

#include "host/store/Status.h"
#include "workbench/language/DefinitionHeader.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/IconPicture.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/TextFormats.h"

namespace {

// The data object offers no such format.
constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064u);

enum class TextFormat { None, Latest, Full, Plain, Flowsheet };

TextFormat FormatOf(CLIPFORMAT format) {
  const std::string name = GetClipboardFormatName(format);
  if (name == kModellingLanguageFormat) return TextFormat::Latest;
  if (name == kFullModellingLanguageFormat) return TextFormat::Full;
  if (name == kPlainTextFormat) return TextFormat::Plain;
  if (name == kFlowsheetFormat) return TextFormat::Flowsheet;
  return TextFormat::None;
}

std::string MediumText(const STGMEDIUM& medium) {
  std::string text;
  if (medium.tymed == TYMED_ISTREAM && medium.pstm) {
    const auto& bytes = medium.pstm->Bytes();
    text.assign(bytes.begin(), bytes.end());
  } else if (medium.tymed == TYMED_HGLOBAL) {
    text.assign(medium.hGlobal.begin(), medium.hGlobal.end());
  }
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

// Whether text begins with a definition of this type's kind and name.
bool DefinesType(std::string_view text, const CStoreType& type) {
  const std::optional<DefinitionHeader> header = ReadDefinitionHeader(text);
  const std::optional<DefinitionKind> kind = DefinitionKindOf(type.Kind());
  if (!header || !kind) return false;
  const bool kindFits = header->kind == *kind ||
                        ((header->kind == DefinitionKind::Model || header->kind == DefinitionKind::Controller) &&
                         (*kind == DefinitionKind::Model || *kind == DefinitionKind::Controller));
  return kindFits && EqualsNoCase(header->name, type.Name());
}

}  // namespace

HRESULT CStoreType::GetData(CLIPFORMAT format, STGMEDIUM* medium) {
  if (!medium) return E_POINTER;
  if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
  std::string text;
  switch (FormatOf(format)) {
    case TextFormat::Full: text = FullText(); break;
    case TextFormat::Flowsheet: text = m_kind == StoreKind::Flowsheet ? Text() : VisibleFlowsheet(*this)->Text(); break;
    default: text = Text(); break;
  }
  STGMEDIUM result;
  result.tymed = TYMED_ISTREAM;
  result.pstm = std::make_shared<CMemoryStream>();
  result.pstm->Write(text.data(), text.size());
  result.pstm->Seek(0, CMemoryStream::Origin::Begin);
  *medium = std::move(result);
  return S_OK;
}

HRESULT CStoreType::QueryGetData(CLIPFORMAT format) {
  const TextFormat kind = FormatOf(format);
  if (kind == TextFormat::None) return S_FALSE;
  if (kind == TextFormat::Flowsheet)
    return m_kind == StoreKind::Flowsheet || (m_kind == StoreKind::Simulation && VisibleFlowsheet(*this)) ? S_OK
                                                                                                          : S_FALSE;
  if (IsPlainText()) return kind == TextFormat::Plain ? S_OK : S_FALSE;
  if (m_kind == StoreKind::Simulation || m_kind == StoreKind::Library) return S_FALSE;
  return kind == TextFormat::Plain ? S_FALSE : S_OK;
}

HRESULT CStoreType::SetData(CLIPFORMAT format, const STGMEDIUM& medium) {
  // The flowsheet's text changes by compiling it (QVCompileConstraints).
  if (QueryGetData(format) != S_OK || FormatOf(format) == TextFormat::Flowsheet) return DV_E_FORMATETC;
  if (!medium.IsValid()) return E_INVALIDARG;
  // A type not placed yet (a new script) takes its first text; a deleted one takes nothing.
  const bool freeStanding = !HoldingPalette() && !OwnerType() && !m_deleted;
  if (!freeStanding && !IsUsable()) return FE_STALE;
  if (IsBuiltIn() || IsInReadOnlyLibrary()) return FE_READONLY;
  std::string text = MediumText(medium);

  if (IsPlainText() || m_kind == StoreKind::Form) {
    SetText(std::move(text));
    return S_OK;
  }
  if (m_kind == StoreKind::Icon) {
    SetText(SetIconNameInText(text, m_name));
    return S_OK;
  }
  if (FormatOf(format) == TextFormat::Full) {
    CTypeTexts::FullParts parts = CTypeTexts::SplitFull(text);
    if (!DefinesType(parts.good, *this) || (parts.embeddedLatest && !DefinesType(*parts.embeddedLatest, *this)))
      return E_INVALIDARG;
    if (parts.embeddedLatest) {
      RestoreTexts(std::move(parts.good), std::move(*parts.embeddedLatest), m_hasErrors);
    } else {
      SetText(std::move(parts.good));
    }
    return S_OK;
  }
  if (!DefinesType(text, *this)) return E_INVALIDARG;
  SetText(std::move(text));
  return S_OK;
}

CStoreType* VisibleFlowsheet(CStoreType& simulation) {
  CStorePalette* palette = simulation.OwnedPalette();
  CStoreType* flowsheet = palette ? palette->FindVisible("Flowsheet") : nullptr;
  return flowsheet && flowsheet->Kind() == StoreKind::Flowsheet ? flowsheet : nullptr;
}
