// What a type node does to its type: status, rename and delete.
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerObject.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CQVGeneralUtil.h"
#include "host/store/IFCompileStatus.h"
#include "host/store/IFTypePalette.h"
#include "host/store/IFTypeRename.h"
#include "host/store/IFTypeTable.h"
#include "host/store/Status.h"
#include "host/store/TypeFlags.h"

namespace {

// The type and descriptor behind a node's type instance.
bool TypeAndDescriptor(IFInstance* typeInstance, CComPtr<IFType>& type, CComPtr<IFTypeDesc>& desc) {
  if (!typeInstance || FAILED(typeInstance->GetType(&type)) || !type) return false;
  return SUCCEEDED(type->GetTypeDesc(&desc)) && desc;
}

}  // namespace

void CExplorerObject::ComputeTypeStatus() {
  m_nStatusTextId = 0;
  CComPtr<IFType> type;
  CComPtr<IFTypeDesc> desc;
  DWORD flags = 0;
  if (TypeAndDescriptor(GetType(), type, desc) && SUCCEEDED(desc->GetFlags(&flags)) &&
      !(flags & (FT_SYSTEM | FT_BUILTIN))) {
    bool errors = false;
    if (CComPtr<IFCompileStatus> status = ComQuery<IFCompileStatus>(desc)) status->HasErrors(&errors);
    m_nStatusTextId = errors ? IDS_NOT_OK : IDS_OK;
    if (m_nStatus != EO_STATUS_SYSTEM) m_nStatus = errors ? EO_STATUS_NOT_OK : EO_STATUS_OK;
    return;
  }
  m_nStatusTextId = IDS_SYSTEM;
  m_nStatus = EO_STATUS_SYSTEM;
}

int CExplorerObject::RenameType(const std::string& newName) {
  CComPtr<IFType> type;
  CComPtr<IFTypeDesc> desc;
  if (!TypeAndDescriptor(GetType(), type, desc)) return 0;
  std::string oldName;
  CComPtr<IFTypePalette> palette;
  if (FAILED(desc->GetName(oldName)) || FAILED(desc->GetPalette(&palette))) return 0;
  CComPtr<IFTypeRename> rename = ComQuery<IFTypeRename>(palette);
  if (!rename) return 0;
  HRESULT hr = rename->RenameType(oldName, newName);
  if (FAILED(hr)) {
    // A name the host's rule refuses is explained as the name dialogs explain it.
    std::string text = hr == FE_INVALIDNAME ? CQVGeneralUtil::NameComplaint(newName) : std::string();
    if (text.empty()) text = GetStatusText(hr);
    CQVExplorer::DisplayMessage(text, IDS_RENAME_TYPE, MB_ICONINFORMATION, nullptr);
    return 0;
  }
  PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
  return 1;
}

int CExplorerObject::DeleteType(int confirm) {
  if (!m_bDeletable) return 0;
  if (confirm && CQVExplorer::DisplayMessage(IDS_CONFIRM_DELETE, IDS_CONFIRM_CAPTION, MB_YESNO | MB_ICONQUESTION,
                                             nullptr) != IDYES)
    return 0;
  CComPtr<IFType> type;
  CComPtr<IFTypeDesc> desc;
  if (!TypeAndDescriptor(GetType(), type, desc)) return 0;
  DWORD typeIdentity = 0, descIdentity = 0;
  type->GetIdentity(&typeIdentity);
  desc->GetIdentity(&descIdentity);
  if (typeIdentity != descIdentity) {
    CQVExplorer::ShowMessage("Object deletion not yet implemented.", kSorryCaption, MB_ICONEXCLAMATION);
    return 0;
  }
  std::string name;
  CComPtr<IFTypePalette> palette;
  CComPtr<IFTypeTable> table;
  if (FAILED(desc->GetName(name)) || FAILED(desc->GetPalette(&palette)) || FAILED(palette->GetTypeTable(&table)))
    return 0;
  bool inUse = false;
  if (SUCCEEDED(table->IsTypeInUse(name, &inUse)) && inUse) {
    CQVExplorer::ShowMessage("Cannot delete, type is in use.", kSorryCaption, MB_ICONEXCLAMATION);
    return 0;
  }
  // Every Explorer lets go of the node before the type goes. The owner is
  // taken now: the windows may delete nodes while they handle the notice.
  CWnd* owner = GetOwner();
  HWND ownerWindow = owner ? owner->GetSafeHwnd() : nullptr;
  const LPARAM self = reinterpret_cast<LPARAM>(this);
  if (owner) owner->SendMessage(EXPLORER_OBJECT_DELETED, 0, self);
  HRESULT hr = table->DeleteType(name);
  if (FAILED(hr)) {
    // The type is still there: say why, and let the panes show it again.
    CQVExplorer::ShowMessage(GetStatusText(hr), kSorryCaption, MB_ICONEXCLAMATION);
    if (ownerWindow) ::PostMessage(ownerWindow, EXPLORER_CONTENTS_CHANGED, 0, 0);
    return 0;
  }
  if (ownerWindow) ::PostMessage(ownerWindow, EXPLORER_POSTOBJECT_DELETED, 0, self);
  return 1;
}
