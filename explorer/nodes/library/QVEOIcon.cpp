#include "explorer/nodes/library/QVEOIcon.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/DeletionNotice.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRBaseApp.h"
#include "host/model/IQVStreamType.h"
#include "host/store/HostClassIds.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"

namespace {

constexpr const char* kSystemIconName = "System";
constexpr int kDefaultOverlayState = 512;  // overlay image 2

CComPtr<IQVIcon> IconOfInstance(IFInstance* instance) {
  if (CComPtr<IQVIcon> icon = ComQuery<IQVIcon>(instance)) return icon;
  return ComQuery<IQVIcon>(type_access::TypeOf(instance));
}

}  // namespace

const GUID& CQVEOIcon::ClassID() { return CLSID_QVEOIcon; }

CQVEOIcon::CQVEOIcon(IQVIcon* icon, CExplorerContainerObject* ownerNode, CWnd* owner, int readOnly)
    : CEOModelIcon(icon, ownerNode, owner, readOnly) {
  if (ownerNode) {
    m_bStreamOwner = ownerNode->GetClassID() == CLSID_QVEOStreamType;
  } else {
    m_bStreamOwner = ComQuery<IQVStreamType>(m_pModelType) != nullptr;
  }
  m_bSystemIcon = CompareNoCase(m_strName, kSystemIconName) == 0;
  // A node without an icon (made for nothing) can change nothing either.
  if (m_bStreamOwner || m_bSystemIcon || !m_pIcon) m_bReadOnly = 1;
}

CQVEOIcon::CQVEOIcon(IFInstance* iconInstance, CWnd* owner, CExplorerContainerObject* ownerNode, int readOnly)
    : CQVEOIcon(IconOfInstance(iconInstance), ownerNode, owner, readOnly) {}

int CQVEOIcon::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_ICON);
  return !name.empty();
}

CExplorerObject* CQVEOIcon::Clone() { return new CQVEOIcon(m_pIcon, GetOwnerNode(), m_pOwner, m_bReadOnly); }

int CQVEOIcon::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) text = m_strName;
  else if (aspect == EOAspectType) text = LoadStringOrEmpty(IDS_ICON);
  else return 0;
  return !text.empty();
}

int CQVEOIcon::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  if (m_bStreamOwner) return 1;
  if (!m_bReadOnly && !m_bSystemIcon) {
    AddMenuCommand(build, ID_EXPLORER_EDIT);
    build.AddSeparator();
  }
  if (!m_bSystemIcon) {
    AddMenuCommand(build, ID_EXPLORER_COPY);
    build.AddSeparator();
  }
  if (!m_bReadOnly && !m_bSystemIcon) {
    AddMenuCommand(build, ID_EXPLORER_DELETE);
    AddMenuCommand(build, ID_EXPLORER_RENAME);
    build.AddSeparator();
  }
  AddMenuCommand(build, ID_EXPLORER_MAKE_DEFAULT);
  return 1;
}

int CQVEOIcon::CanDoCommand(UINT id) {
  if (m_bStreamOwner) return 0;
  switch (id) {
    case ID_EXPLORER_EDIT:
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_DELETE:
    case ID_EXPLORER_RENAME:
      return !m_bSystemIcon;
    case ID_EXPLORER_PASTE:
      return !m_bReadOnly && Clipboard::IsFormatAvailable(CF_EXPLORER_MODEL_ICON);
    case ID_EXPLORER_MAKE_DEFAULT:
      return 1;
    default:
      return 0;
  }
}

void CQVEOIcon::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_EDIT:
      if (!m_bStreamOwner && !m_bReadOnly && !m_bSystemIcon) OpenView(CLSID_QVIconEditorView, 1, m_strName, nullptr, "", 0);
      break;
    case ID_EXPLORER_COPY:
      if (!m_bStreamOwner && !m_bSystemIcon) CopyToClipboard();
      break;
    case ID_EXPLORER_CUT:
      MessageBeep(0);
      break;
    case ID_EXPLORER_PASTE:
      if (CanDoCommand(ID_EXPLORER_PASTE)) PasteFromClipboard();
      break;
    case ID_EXPLORER_DELETE:
      SelfDestruct(1);
      break;
    case ID_EXPLORER_RENAME:
      if (!DontEditLabel()) StartLabelEdit();
      break;
    case ID_EXPLORER_MAKE_DEFAULT:
      if (!m_bStreamOwner) MakeDefault();
      break;
    default:
      break;
  }
}

void CQVEOIcon::CopyToClipboard() {
  COleDataSource data;
  if (OfferIcon(data)) data.SetClipboard();
}

void CQVEOIcon::PasteFromClipboard() {
  COleDataObject data;
  STGMEDIUM icon;
  if (!data.AttachClipboard() || !data.GetData(CF_EXPLORER_MODEL_ICON, &icon) || !icon.IsValid()) return;
  IFInstance* model = GetType();
  const COwnerNotifier notifier(*this);  // the copy may rebuild the pane and delete this node
  if (model && CQVExplorer::CopyIcon(model, &icon)) notifier.Post(EXPLORER_OBJECT_ADDED);
}

void CQVEOIcon::MakeDefault() {
  CComPtr<IQVIconCollection> icons = GetIconCollection();
  if (!icons || FAILED(icons->SetDefaultIcon(m_strName))) return;
  CRBaseApp* app = CRBaseApp::GetApp();
  if (app && app->IsLibraryToolbarPresent()) app->UpdateLibraryToolbar(QV_LIBTOOLBAR_CONTENTS_CHANGED);
  // The default mark moves to this icon.
  PostToOwner(EXPLORER_DETAILS_CHANGED, 0, 0);
}

int CQVEOIcon::GetOverlay(int& state) {
  state = 0;
  CComPtr<IQVIconCollection> icons = GetIconCollection();
  std::string defaultIcon;
  if (icons && SUCCEEDED(icons->GetDefaultIcon(defaultIcon)) && !m_strName.empty() && defaultIcon == m_strName)
    state = kDefaultOverlayState;
  return state != 0;
}

int CQVEOIcon::SelfDestruct(int confirm) {
  if (m_bStreamOwner || m_bSystemIcon || m_bReadOnly || !m_bDeletable) return 0;
  if (!ConfirmDeletion(confirm, IDS_CONFIRM_DELETE)) return 0;
  CComPtr<IQVIconCollection> icons = GetIconCollection();
  if (!icons || FAILED(icons->RemoveIcon(m_strName))) {
    CQVExplorer::DisplayMessage(IDS_ICON_IN_USE, 0, MB_ICONEXCLAMATION, nullptr);
    return 0;
  }
  CDeletionNotice notice(*this);
  notice.SendDeleted();
  notice.PostDeleted();
  return 1;
}

int CQVEOIcon::DontEditLabel() { return m_bReadOnly || m_bSystemIcon || m_bStreamOwner; }

int CQVEOIcon::EditLabel(std::string newName) {
  if (DontEditLabel() || newName.empty() || CompareNoCase(newName, m_strName) == 0) return 0;
  CComPtr<IQVIconCollection> icons = GetIconCollection();
  if (!icons || FAILED(icons->RenameIcon(m_strName, newName))) {
    CQVExplorer::DisplayMessage(IDS_ICON_RENAME_TAKEN, IDS_RENAME_ICON, MB_ICONINFORMATION, nullptr);
    return 0;
  }
  m_strName = newName;
  PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
  return 1;
}
