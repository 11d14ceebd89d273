#include "explorer/nodes/library/QVEOScript.h"

#include "explorer/core/ExplorerClipboardFormats.h"
#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/DeletionNotice.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CQVGeneralUtil.h"
#include "host/framework/CRQVDocument.h"
#include "host/language/CQVTextEditorFrame.h"
#include "host/model/IQVScriptInvocation.h"
#include "host/store/IFTypeTable.h"
#include "host/store/MwInstance.h"
#include "host/store/Status.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"

namespace {

constexpr const char* kInUseText = "Cannot delete, script is in use.";
constexpr const char* kFlowsheetPrefix = "Flowsheet";
// Pauses around a deletion give the host's script engine time to let go of the script.
constexpr DWORD kPauseAfterDeletion = 50;
constexpr DWORD kPauseAfterNotice = 100;

bool StartsWithFlowsheet(const std::string& path) {
  const std::size_t length = std::char_traits<char>::length(kFlowsheetPrefix);
  return path.size() >= length && CompareNoCase(path.substr(0, length), kFlowsheetPrefix) == 0;
}

}  // namespace

const GUID& CQVEOScript::ClassID() { return CLSID_QVEOScript; }

CQVEOScript::CQVEOScript(IFInstance* ownerInstance, IFType* script, CWnd* owner, int readOnly)
    : CExplorerObject(ForType{}, type_access::InstanceOf(script), IDI_SCRIPT, IDI_SCRIPT, owner, readOnly),
      m_pOwnerInstance(ownerInstance) {
  m_pTypeDesc = type_access::DescriptorOf(script);
  if (m_pOwnerInstance) MwInstance(m_pOwnerInstance.Get()).StringPath(m_strOwnerPath);
  m_bEditable = !readOnly;
  m_bTopLevel = m_strOwnerPath.empty();
  m_bInvocable = m_bTopLevel || StartsWithFlowsheet(m_strOwnerPath);
}

CQVEOScript::CQVEOScript(IFInstance* ownerInstance, IFInstance* script, CWnd* owner, int readOnly)
    : CQVEOScript(ownerInstance, type_access::TypeOf(script).Get(), owner, readOnly) {}

int CQVEOScript::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(IDS_SCRIPT);
  return !name.empty();
}

CExplorerObject* CQVEOScript::Clone() {
  return new CQVEOScript(m_pOwnerInstance, ScriptType().Get(), m_pOwner, m_bReadOnly);
}

CComPtr<IFType> CQVEOScript::ScriptType() { return type_access::TypeOf(GetType()); }

std::string CQVEOScript::ScriptName() {
  std::string name;
  if (m_pTypeDesc) m_pTypeDesc->GetName(name);
  return name;
}

int CQVEOScript::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text = ScriptName();
    if (text.empty()) text = LoadStringOrEmpty(IDS_SCRIPT);
  } else if (aspect == EOAspectType) {
    text = LoadStringOrEmpty(IDS_SCRIPT);
  } else {
    return 0;
  }
  return !text.empty();
}

int CQVEOScript::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  const bool locked = ApplicationIsLocked();
  if (!locked) AddMenuCommand(build, ID_EXPLORER_EDIT);
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  const bool invokeOffered = !(document && !document->IsScriptingAvailable());
  if (invokeOffered) AddMenuCommand(build, ID_EXPLORER_INVOKE_SCRIPT);
  if (!locked) {
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_COPY);
    build.AddSeparator();
  } else if (invokeOffered) {
    build.AddSeparator();
  }
  bool added = AddMenuCommand(build, ID_EXPLORER_DELETE);
  if (!locked) added = AddMenuCommand(build, ID_EXPLORER_RENAME) || added;
  if (!added) DropTrailingSeparator(menu);
  return 1;
}

int CQVEOScript::CanDoCommand(UINT id) {
  const bool locked = ApplicationIsLocked();
  switch (id) {
    case ID_EXPLORER_EDIT:
    case ID_EXPLORER_COPY:
      return !locked;
    case ID_EXPLORER_PASTE:
    case ID_EXPLORER_RENAME:
      return m_bEditable && !locked;
    case ID_EXPLORER_DELETE:
      return m_bEditable;
    case ID_EXPLORER_INVOKE_SCRIPT:
      return m_bInvocable;
    default:
      return 0;
  }
}

void CQVEOScript::DoCommand(UINT id) {
  const bool locked = ApplicationIsLocked();
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION: {
      CRQVDocument* document = CQVExplorer::GetCurrentDocument();
      if (document && document->m_ApplicationSettings.m_iScriptDoubleClick == 1 && m_bInvocable) {
        InvokeScript();
      } else if (!locked) {
        EditScript();
      }
      break;
    }
    case ID_EXPLORER_EDIT:
      if (!locked) EditScript();
      break;
    case ID_EXPLORER_COPY:
      if (!locked) CopyToClipboard();
      break;
    case ID_EXPLORER_CUT:
      MessageBeep(0);
      break;
    case ID_EXPLORER_PASTE:
      if (!locked) PasteFromClipboard();
      break;
    case ID_EXPLORER_DELETE:
      SelfDestruct(1);
      break;
    case ID_EXPLORER_RENAME:
      if (!locked) StartLabelEdit();
      break;
    case ID_EXPLORER_INVOKE_SCRIPT:
      InvokeScript();
      break;
    default:
      break;
  }
}

void CQVEOScript::EditScript() {
  const std::string name = ScriptName();
  const std::string title = m_strOwnerPath.empty() ? name : m_strOwnerPath + "." + name;
  CQVTextEditorFrame::Launch(m_pOwnerInstance.Get(), m_pTypeDesc.Get(), title, 0, m_bReadOnly != 0, 1);
}

void CQVEOScript::InvokeScript() {
  if (!m_bInvocable) return;
  CWaitCursor wait;
  if (!m_bTopLevel) {
    if (CComPtr<IQVScriptInvocation> scripts = ComQuery<IQVScriptInvocation>(m_pOwnerInstance))
      scripts->InvokeScript(ScriptName(), true);
    return;
  }
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  CComPtr<IFType> script = ScriptType();
  if (document && script) document->RunScript(script, true);
}

void CQVEOScript::CopyToClipboard() {
  COleDataSource data;
  if (OfferHostObject(data, CF_EXPLORER_SCRIPT, ScriptType())) data.SetClipboard();
}

DWORD CQVEOScript::DoDragDrop() {
  COleDataSource data;
  if (!OfferHostObject(data, CF_EXPLORER_SCRIPT, ScriptType())) return DROPEFFECT_NONE;
  return data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE);
}

void CQVEOScript::PasteFromClipboard() {
  CComPtr<IFType> script = ComQuery<IFType>(ReadHostObjectFromClipboard(CF_EXPLORER_SCRIPT));
  CComPtr<IFType> owner = type_access::TypeOf(m_pOwnerInstance);
  const COwnerNotifier notifier(*this);  // the copy may rebuild the pane and delete this node
  if (script && owner && CQVExplorer::CloneScript(script, owner, 0)) notifier.Post(EXPLORER_CONTENTS_CHANGED);
}

int CQVEOScript::SelfDestruct(int confirm) {
  if (!m_bEditable || !m_bDeletable) return 0;
  if (!ConfirmDeletion(confirm, IDS_CONFIRM_DELETE)) return 0;
  const std::string name = ScriptName();
  CComPtr<IFTypeTable> table = type_access::TableOf(type_access::HoldingPaletteOf(ScriptType()));
  if (!table || name.empty()) return 0;
  bool inUse = false;
  if (SUCCEEDED(table->IsTypeInUse(name, &inUse)) && inUse) {
    CQVExplorer::ShowMessage(kInUseText, kSorryCaption, MB_ICONEXCLAMATION);
    return 0;
  }
  CDeletionNotice notice(*this);
  notice.SendDeleted();
  HRESULT hr = table->DeleteType(name);
  if (FAILED(hr)) {
    CQVExplorer::ShowMessage(GetStatusText(hr), kSorryCaption, MB_ICONEXCLAMATION);
    notice.PostContentsChanged();
    return 0;
  }
  Sleep(kPauseAfterDeletion);
  notice.PostDeleted();
  Sleep(kPauseAfterNotice);
  return 1;
}

int CQVEOScript::DontEditLabel() { return !m_bEditable || ApplicationIsLocked(); }

int CQVEOScript::EditLabel(std::string newName) {
  if (ApplicationIsLocked()) return 0;
  const std::string oldName = ScriptName();
  if (newName == oldName || newName.empty() || !m_pTypeDesc) return 0;
  CComPtr<IFTypePalette> palette = type_access::HoldingPaletteOf(ScriptType());
  CComPtr<IFTypeTable> table = type_access::TableOf(palette);
  bool inUse = false;
  if (table && SUCCEEDED(table->IsTypeInUse(oldName, &inUse)) && inUse) {
    CQVExplorer::DisplayMessage(IDS_TYPE_IN_USE, IDS_RENAME_TYPE, MB_ICONEXCLAMATION, nullptr);
    return 0;
  }
  if (!CQVGeneralUtil::IsValidName(newName, nullptr)) return 0;
  // Only a change beyond letter case can collide with another definition.
  if (CompareNoCase(newName, oldName) != 0 && palette && type_access::Find(palette, newName)) {
    CQVExplorer::DisplayMessage(IDS_TYPE_NAME_TAKEN, IDS_RENAME_TYPE, MB_ICONINFORMATION, nullptr);
    return 0;
  }
  if (FAILED(m_pTypeDesc->SetName(newName))) return 0;
  PostToOwner(EXPLORER_CONTENTS_CHANGED, 0, 0);
  return 1;
}
