#include "explorer/nodes/library/QVEOComponentList.h"

#include <optional>
#include <vector>

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/QVComponentListPropertySheet.h"
#include "explorer/nodes/library/DeletionNotice.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/store/Status.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"

namespace {

const char* const kDefaultListName = "Default";

}  // namespace

CQVEOComponentList::CQVEOComponentList(IFInstance*, const std::string& name, CWnd* owner)
    : CExplorerObject(ForInstance{}, nullptr, IDI_COMPONENT_LIST, IDI_COMPONENT_LIST, owner, 0), m_strName(name) {}

const GUID& CQVEOComponentList::ClassID() { return CLSID_QVEOComponentList; }

int CQVEOComponentList::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_COMPONENT_LIST);
  return !name.empty();
}

CExplorerObject* CQVEOComponentList::Clone() { return new CQVEOComponentList(nullptr, m_strName, GetOwner()); }

CComPtr<IQVPhysicalProperties> CQVEOComponentList::Properties() {
  CComPtr<IQVPhysicalProperties> properties;
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->GetProperties(&properties);
  return properties;
}

bool CQVEOComponentList::IsDefaultList() const { return CompareNoCase(m_strName, kDefaultListName) == 0; }

bool CQVEOComponentList::IsSet() {
  bool isSet = false;
  if (CComPtr<IQVPhysicalProperties> properties = Properties()) properties->IsComponentSet(m_strName, &isSet);
  return isSet;
}

int CQVEOComponentList::GetDisplayText(EOAspect aspect, std::string& text) {
  switch (aspect) {
    case EOAspectName:
      text = m_strName;
      return 1;
    case EOAspectType:
      text = IsSet() ? "Set" : "List";
      return 1;
    case EOAspectPropertyFile: {
      if (IsSet()) {
        text = "None";
        return 1;
      }
      text.clear();
      if (CComPtr<IQVPhysicalProperties> properties = Properties()) properties->GetPropertyFile(m_strName, text);
      if (text.empty()) text = "Missing";
      return 1;
    }
    default:
      return 0;
  }
}

int CQVEOComponentList::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  AddMenuCommand(build, ID_EXPLORER_COPY);
  AddMenuCommand(build, ID_EXPLORER_DELETE);
  AddMenuCommand(build, ID_EXPLORER_RENAME);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_EDIT);
  if (!IsSet()) AddMenuCommand(build, ID_EXPLORER_PHYSICAL_PROPERTIES);
  AddMenuCommand(build, ID_EXPLORER_CONVERT);
  build.AddSeparator();
  AddMenuCommand(build, ID_EXPLORER_PROPERTIES);
  return 1;
}

int CQVEOComponentList::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_PROPERTIES:
    case ID_EXPLORER_EDIT:
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_PHYSICAL_PROPERTIES:
    case ID_EXPLORER_CONVERT:
      return 1;
    // "Default" is never deleted or renamed, whichever way the command comes.
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_RENAME:
      return !IsDefaultList();
    case ID_EXPLORER_PASTE:
      return ClipboardOffersAny({CF_EXPLORER_COMPONENT_LIST});
    default:
      return 0;
  }
}

void CQVEOComponentList::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_EDIT:
      RunConfigured([&](IQVPhysicalProperties& properties) { return properties.EditComponentList(m_strName); });
      break;
    case ID_EXPLORER_PHYSICAL_PROPERTIES:
      RunConfigured([&](IQVPhysicalProperties& properties) { return properties.ShowPropertiesOptions(m_strName); });
      break;
    case ID_EXPLORER_PROPERTIES:
      if (CComPtr<IQVPhysicalProperties> properties = Properties()) {
        CQVComponentListPropertySheet sheet(IDS_COMPONENT_LIST_PROPERTIES, properties, m_strName);
        sheet.DoModal();
      }
      break;
    case ID_EXPLORER_COPY:
      CopyToClipboard();
      break;
    case ID_EXPLORER_CUT:
      MessageBeep(0);
      break;
    case ID_EXPLORER_PASTE:
      Paste();
      break;
    case ID_EXPLORER_DELETE:
      SelfDestruct(1);
      break;
    case ID_EXPLORER_RENAME:
      if (!IsDefaultList()) StartLabelEdit();
      break;
    case ID_EXPLORER_CONVERT:
      if (CComPtr<IQVPhysicalProperties> properties = Properties()) {
        properties->ConvertComponentList(m_strName);
        PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
      }
      break;
    default:
      break;
  }
}

void CQVEOComponentList::RunConfigured(const std::function<HRESULT(IQVPhysicalProperties&)>& request) {
  CComPtr<IQVPhysicalProperties> properties = Properties();
  if (!properties || request(*properties) != FE_NOTCONFIGURED) return;
  if (CQVExplorer::DisplayMessage(IDS_CONFIGURE_PROPERTIES_NOW, IDS_CONFIRM_CAPTION, MB_YESNO | MB_ICONQUESTION,
                                  nullptr) == IDYES) {
    properties->ShowConfiguration();
    if (request(*properties) != FE_NOTCONFIGURED) return;
  }
  CQVExplorer::DisplayMessage(IDS_PROPERTIES_NOT_CONFIGURED, 0, MB_ICONSTOP, nullptr);
}

void CQVEOComponentList::CopyToClipboard() {
  std::vector<std::uint8_t> bytes(m_strName.begin(), m_strName.end());
  bytes.push_back(0);
  COleDataSource data;
  data.CacheGlobalData(CF_EXPLORER_COMPONENT_LIST, std::move(bytes));
  data.SetClipboard();
}

void CQVEOComponentList::Paste() {
  COleDataObject data;
  if (!data.AttachClipboard()) return;
  std::optional<std::vector<std::uint8_t>> bytes = data.GetGlobalData(CF_EXPLORER_COMPONENT_LIST);
  if (!bytes) return;
  // The name ends at its terminating zero, or with the data.
  std::string name(bytes->begin(), bytes->end());
  name = name.substr(0, name.find('\0'));
  const COwnerNotifier notifier(*this);  // the copy may rebuild the pane and delete this node
  if (!name.empty() && CQVExplorer::CloneComponentList(name)) notifier.Post(EXPLORER_OBJECT_ADDED);
}

int CQVEOComponentList::SelfDestruct(int confirm) {
  if (!IsDeletable() || IsDefaultList()) return 0;
  if (confirm && CQVExplorer::DisplayMessage(IDS_CONFIRM_DELETE, IDS_CONFIRM_CAPTION, MB_YESNO | MB_ICONQUESTION,
                                             nullptr) != IDYES)
    return 0;
  CComPtr<IQVPhysicalProperties> properties = Properties();
  if (!properties || FAILED(properties->DeleteComponentList(m_strName))) {
    CQVExplorer::DisplayMessage(IDS_COMPONENT_LIST_IN_USE, 0, MB_ICONEXCLAMATION, nullptr);
    return 0;
  }
  CDeletionNotice notice(*this);
  notice.SendDeleted();
  notice.PostDeleted();
  return 1;
}

int CQVEOComponentList::DontEditLabel() { return IsDefaultList(); }

int CQVEOComponentList::EditLabel(std::string newName) {
  if (IsDefaultList() || newName == m_strName) return 0;
  CComPtr<IQVPhysicalProperties> properties = Properties();
  if (!properties) return 0;
  if (FAILED(properties->RenameComponentList(m_strName, newName))) {
    CQVExplorer::DisplayMessage(IDS_COMPONENT_LIST_RENAME_TAKEN, IDS_RENAME_COMPONENT_LIST, MB_ICONINFORMATION,
                                nullptr);
    return 0;
  }
  PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
  return 0;
}
