// The icons of a model, held in the model's own palette. Every model has the
// "System" icon, which can be neither removed nor renamed; it is made the
// first time the icons are asked for and is the default until another is chosen.
#include "host/framework/CQVGeneralUtil.h"
#include "host/store/Status.h"
#include "workbench/language/TextCase.h"
#include "workbench/store/IconPicture.h"
#include "workbench/store/StorePalette.h"
#include "workbench/store/StoreType.h"
#include "workbench/store/StoreTypeExtras.h"

namespace {

constexpr std::string_view kSystemIcon = "System";

bool HasIcons(StoreKind kind) {
  return kind == StoreKind::Model || kind == StoreKind::Controller || kind == StoreKind::Stream;
}

// The picture the "System" icon of the model called modelName starts with.
std::string SystemIconText(std::string_view modelName) {
  return SetIconNameInText(DefaultIconText(modelName), kSystemIcon);
}

}  // namespace

std::vector<CComPtr<CStoreType>> CStoreType::Icons() {
  if (!HasIcons(m_kind)) return {};
  CStorePalette* palette = OwnedPalette();
  if (!palette->Find(kSystemIcon)) {
    // The system icon shows the model's own default picture under the name "System".
    CComPtr<CStoreType> icon = MakeComObject<CStoreType>(StoreKind::Icon, std::string(kSystemIcon));
    icon->SetText(SystemIconText(m_name));
    palette->Place(icon);
  }
  if (More().defaultIcon.empty()) More().defaultIcon = std::string(kSystemIcon);
  return palette->TypesOfKind(StoreKind::Icon);
}

CStoreType* CStoreType::FindIcon(std::string_view name) {
  if (!HasIcons(m_kind)) return nullptr;
  Icons();
  CStoreType* found = OwnedPalette()->Find(name);
  return found && found->Kind() == StoreKind::Icon ? found : nullptr;
}

HRESULT CStoreType::AddIcon(const std::string& name, const std::string& text, CStoreType** icon) {
  if (icon) *icon = nullptr;
  if (!HasIcons(m_kind)) return E_NOINTERFACE;
  if (!IsUsable()) return FE_STALE;
  if (IsInReadOnlyLibrary()) return FE_READONLY;
  if (!CQVGeneralUtil::IsValidNameNoMessage(name)) return FE_INVALIDNAME;
  Icons();
  if (OwnedPalette()->Find(name)) return FE_NAMEEXISTS;
  CComPtr<CStoreType> made = MakeComObject<CStoreType>(StoreKind::Icon, name);
  made->SetText(text.empty() ? DefaultIconText(name) : SetIconNameInText(text, name));
  HRESULT hr = OwnedPalette()->Place(made);
  if (FAILED(hr)) return hr;
  if (icon) *icon = made.Detach();
  return S_OK;
}

HRESULT CStoreType::RemoveIcon(std::string_view name) {
  if (!HasIcons(m_kind)) return E_NOINTERFACE;
  if (!IsUsable()) return FE_STALE;
  if (IsInReadOnlyLibrary()) return FE_READONLY;
  CStoreType* icon = FindIcon(name);
  if (!icon) return FE_NOTFOUND;
  if (EqualsNoCase(icon->Name(), kSystemIcon)) return FE_INUSE;
  const bool wasDefault = More().defaultIcon == icon->Name();
  HRESULT hr = OwnedPalette()->Remove(icon->Name());
  if (SUCCEEDED(hr) && wasDefault) More().defaultIcon = std::string(kSystemIcon);
  return hr;
}

HRESULT CStoreType::RenameIcon(std::string_view oldName, const std::string& newName) {
  if (!HasIcons(m_kind)) return E_NOINTERFACE;
  if (!IsUsable()) return FE_STALE;
  if (IsInReadOnlyLibrary()) return FE_READONLY;
  CStoreType* icon = FindIcon(oldName);
  if (!icon) return FE_NOTFOUND;
  if (EqualsNoCase(icon->Name(), kSystemIcon)) return FE_READONLY;
  return OwnedPalette()->Rename(icon->Name(), newName, false);
}

const std::string& CStoreType::DefaultIconName() {
  Icons();
  return More().defaultIcon;
}

HRESULT CStoreType::SetDefaultIconName(const std::string& name) {
  if (!IsUsable()) return FE_STALE;
  CStoreType* icon = FindIcon(name);
  if (!icon) return FE_NOTFOUND;
  More().defaultIcon = icon->Name();
  return S_OK;
}

std::vector<CComPtr<CStoreType>> CStoreType::KeptIcons() {
  if (!HasIcons(m_kind) || !m_ownedPalette) return {};
  std::vector<CComPtr<CStoreType>> kept = m_ownedPalette->TypesOfKind(StoreKind::Icon);
  std::erase_if(kept, [&](const CComPtr<CStoreType>& icon) {
    return EqualsNoCase(icon->Name(), kSystemIcon) && icon->Text() == SystemIconText(m_name);
  });
  return kept;
}

std::string CStoreType::KeptDefaultIconName() {
  const std::string chosen = Less() ? Less()->defaultIcon : std::string();
  for (const CComPtr<CStoreType>& icon : KeptIcons())
    if (icon->Name() == chosen) return chosen;
  return {};
}
