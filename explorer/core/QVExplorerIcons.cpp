// Icons of a model: a new icon, a copied icon under a free name, and the
// default icon and default form a copied model takes over from its source.
#include <cctype>

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/resources/StringIds.h"
#include "host/com/DataObject.h"
#include "host/model/IQVFormContainer.h"
#include "host/model/IQVIcon.h"
#include "host/model/IQVIconCollection.h"

namespace {

// A model's default icon name is read up to this many characters.
constexpr std::size_t kMaxDefaultIconName = 50;

CComPtr<IQVIconCollection> IconsOf(IUnknown* owner) {
  CComPtr<IFType> type = type_access::TypeOf(owner);
  return ComQuery<IQVIconCollection>(type);
}

bool HasIcon(IQVIconCollection* icons, const std::string& name) {
  CComPtr<IQVIcon> icon;
  return SUCCEEDED(icons->FindIcon(name, &icon)) && icon;
}

// The icon's data object takes the copied definition, from its start.
bool WriteIconData(IQVIcon* icon, const STGMEDIUM& data) {
  CComPtr<IDataObject> target = ComQuery<IDataObject>(icon);
  if (!target || !data.IsValid()) return false;
  STGMEDIUM copy = data.Copy();
  if (copy.pstm) copy.pstm->Seek(0, CMemoryStream::Origin::Begin);
  return SUCCEEDED(target->SetData(CF_MODELLING_LANGUAGE, copy));
}

std::string MediumText(const STGMEDIUM& medium) {
  if (medium.tymed == TYMED_ISTREAM && medium.pstm) {
    CMemoryStream copy(medium.pstm->Bytes());
    return copy.ReadAllText();
  }
  if (medium.tymed == TYMED_HGLOBAL) return std::string(medium.hGlobal.begin(), medium.hGlobal.end());
  return {};
}

// The first word after "Name = " in an icon's definition.
std::string IconNameInText(const std::string& text) {
  static const std::string kNameMark = "Name = ";
  std::string::size_type at = text.find(kNameMark);
  if (at == std::string::npos) return {};
  at += kNameMark.size();
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  std::string::size_type end = at;
  while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) && text[end] != ';') ++end;
  return text.substr(at, end - at);
}

}  // namespace

int CQVExplorer::CreateIcon(IFInstance* owner, const std::string& name, IFType** out, int message,
                            const STGMEDIUM* initialData) {
  if (out) *out = nullptr;
  int created = 0;
  CComPtr<IQVIconCollection> icons = IconsOf(owner);
  CComPtr<IQVIcon> icon;
  if (icons && !HasIcon(icons, name) && SUCCEEDED(icons->CreateIcon(name, &icon)) && icon) {
    if (initialData && !WriteIconData(icon, *initialData)) {
      // An icon without the picture it was made for is no copy: it goes again, and the user is told.
      std::string made = name;
      icon->GetName(made);
      icons->RemoveIcon(made);
      msName.clear();
      DisplayMessage("The picture of the icon \"" + name + "\" could not be written; no icon was added.", 0,
                     MB_ICONEXCLAMATION, nullptr);
      return 0;
    }
    created = 1;
    // The copied definition may carry its old name: the icon keeps the one asked for.
    std::string current;
    if (SUCCEEDED(icon->GetName(current)) && current != name) icons->RenameIcon(current, name);
    icons->IconsChanged();
    if (out) {
      CComPtr<IFType> type = ComQuery<IFType>(icon);
      *out = type.Detach();
    }
  }
  msName = name;
  if (message && !created) DisplayMessage(IDS_ICON_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
  return created;
}

int CQVExplorer::CopyIcon(IFInstance* owner, const STGMEDIUM* iconData) {
  CComPtr<IQVIconCollection> icons = IconsOf(owner);
  if (!icons || !iconData) return 0;
  std::string name = IconNameInText(MediumText(*iconData));
  CQVExplorerObjectNameDialog dialog(IDS_NAME_ITEM_COPY, nullptr);
  for (int asked = 0; name.empty() || HasIcon(icons, name); ++asked) {
    if (asked > 0) DisplayMessage(IDS_COPY_NAME_TAKEN, 0, MB_ICONEXCLAMATION, nullptr);
    dialog.m_strName = name;
    if (dialog.DoModal() != IDOK) return 0;
    name = dialog.m_strName;
  }
  return CreateIcon(owner, name, nullptr, 0, iconData);
}

void CQVExplorer::CopyModelIconDefaults(IFType* source, IFType* destination) {
  CComPtr<IQVIconCollection> from = ComQuery<IQVIconCollection>(source);
  CComPtr<IQVIconCollection> to = ComQuery<IQVIconCollection>(destination);
  std::string name;
  if (!from || !to || FAILED(from->GetDefaultIcon(name))) return;
  if (name.size() > kMaxDefaultIconName) name.resize(kMaxDefaultIconName);
  to->SetDefaultIcon(name);
}

void CQVExplorer::CopyModelFormDefaults(IFType* source, IFType* destination) {
  CComPtr<IQVFormContainer> from = ComQuery<IQVFormContainer>(source);
  CComPtr<IQVFormContainer> to = ComQuery<IQVFormContainer>(destination);
  std::string name;
  if (from && to && SUCCEEDED(from->GetDefaultForm(name))) to->SetDefaultForm(name);
}
