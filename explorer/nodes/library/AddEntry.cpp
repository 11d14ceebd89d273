#include "explorer/nodes/library/AddEntry.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/dialogs/ExplorerObjectNameDialog.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "host/language/CQVTextEditorFrame.h"
#include "platform/Resources.h"
#include "platform/Services.h"

CQVEOAddEntry::CQVEOAddEntry(IFInstance* instance, UINT labelId, UINT iconId, CWnd* owner)
    : CExplorerObject(ForInstance{}, instance, iconId, iconId, owner, 0), m_nLabelId(labelId), m_nIconId(iconId) {}

int CQVEOAddEntry::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(m_nLabelId);
  return !name.empty();
}

int CQVEOAddEntry::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) {
    text = LoadStringOrEmpty(m_nLabelId);
    return 1;
  }
  if (aspect == EOAspectType) {
    text.clear();
    return 1;
  }
  return 0;
}

int CQVEOAddEntry::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_OPEN, IDS_MENU_OPEN);
  return 1;
}

int CQVEOAddEntry::CanDoCommand(UINT id) { return id == ID_EXPLORER_OPEN; }

void CQVEOAddEntry::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_DEFAULT_ACTION:
    case ID_EXPLORER_OPEN:
      Create();
      break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
    case ID_EXPLORER_PASTE:
      MessageBeep(0);
      break;
    default:
      break;
  }
}

CComPtr<IFType> CQVEOAddEntry::GetPalette() {
  CComPtr<IFType> palette;
  if (IFInstance* instance = GetInstance()) instance->GetType(&palette);
  return palette;
}

CComPtr<IFType> CQVEOAddEntry::AskAndCreateType(UINT titleId, const TypeCreation& create, std::string& name) {
  CComPtr<IFType> created;
  AskUntilAccepted<CQVExplorerObjectNameDialog>(titleId, [&](CQVExplorerObjectNameDialog& dialog) {
    created = nullptr;
    if (!create(dialog.m_strName, &created) || !created) return false;
    name = dialog.m_strName;
    return true;
  });
  return created;
}

CComPtr<IFType> CQVEOAddEntry::AskCreateAndEdit(UINT titleId, const TypeCreation& create, DWORD editorKind) {
  std::string name;
  CComPtr<IFType> palette = GetPalette();  // taken first: the creation may rebuild the panes
  CComPtr<IFType> created = AskAndCreateType(titleId, create, name);
  if (created) LaunchEditor(palette, created, name, editorKind);
  return created;
}

void CQVEOAddEntry::LaunchEditor(IFType* palette, IFType* type, const std::string& name, DWORD editorKind) {
  CQVTextEditorFrame::Launch(palette, type, name, editorKind, false, 0);
}

