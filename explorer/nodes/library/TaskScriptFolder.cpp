#include "explorer/nodes/library/TaskScriptFolder.h"

#include "explorer/core/ExplorerClipboardPayload.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/library/LibraryMenuCommands.h"
#include "explorer/nodes/library/OwnerNotifier.h"
#include "explorer/packaging/ExportToFile.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"
#include "platform/Services.h"

namespace {

const UINT kColumnTitles[] = {IDS_NAME, IDS_STATUS};

}  // namespace

CQVEOTaskScriptFolder::CQVEOTaskScriptFolder(IFInstance* instance, CExplorerExclusionList* exclusionList, CWnd* owner,
                                             int readOnly, UINT labelId, UINT openIconId, UINT normalIconId,
                                             CLIPFORMAT format)
    : CExplorerContainerObject(ForType{}, instance, exclusionList, openIconId, normalIconId, owner, readOnly),
      m_nLabelId(labelId),
      m_format(format) {}

CComPtr<IFType> CQVEOTaskScriptFolder::PaletteOwner() { return type_access::TypeOf(GetType()); }

int CQVEOTaskScriptFolder::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(m_nLabelId);
  return !name.empty();
}

int CQVEOTaskScriptFolder::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect == EOAspectName) return GetClassName(text);
  if (aspect != EOAspectType) return 0;
  text = LoadStringOrEmpty(IDS_FOLDER);
  return !text.empty();
}

int CQVEOTaskScriptFolder::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  AddMenuCommand(build, ID_EXPLORER_EXPLORE);
  AddMenuCommand(build, ID_EXPLORER_EXPORT);
  if (CanDoCommand(ID_EXPLORER_PASTE)) {
    build.AddSeparator();
    AddMenuCommand(build, ID_EXPLORER_PASTE);
  }
  return 1;
}

int CQVEOTaskScriptFolder::CanDoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE:
      return 1;
    case ID_EXPLORER_PASTE:
      return !m_bReadOnly && Clipboard::IsFormatAvailable(m_format);
    case ID_EXPLORER_EXPORT:
      return CanExport();
    default:
      return 0;
  }
}

void CQVEOTaskScriptFolder::DoCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE:
      Explore();
      break;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
      MessageBeep(0);
      break;
    case ID_EXPLORER_PASTE: {
      COleDataObject data;
      if (!m_bReadOnly && data.AttachClipboard()) PasteData(data, DROPEFFECT_COPY);
      break;
    }
    case ID_EXPLORER_EXPORT:
      Export();
      break;
    default:
      break;
  }
}

DWORD CQVEOTaskScriptFolder::OnDragOver(COleDataObject* data, DWORD keyState) {
  if (m_bReadOnly || !data || !data->IsDataAvailable(m_format)) return DROPEFFECT_NONE;
  return (keyState & MK_SHIFT) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

int CQVEOTaskScriptFolder::OnDrop(COleDataObject* data, DWORD dropEffect) {
  return data && !m_bReadOnly ? PasteData(*data, dropEffect) : 0;
}

int CQVEOTaskScriptFolder::PasteData(COleDataObject& data, DWORD effect) {
  if (m_bReadOnly || !(effect & (DROPEFFECT_COPY | DROPEFFECT_MOVE))) return 0;
  CComPtr<IFType> definition = ReadHostObjectAs<IFType>(data, m_format);
  CComPtr<IFType> owner = PaletteOwner();
  if (!definition || !owner) return 0;
  const int move = (effect & DROPEFFECT_COPY) ? 0 : 1;
  if (move && !CQVExplorer::CheckTypeMove(definition, owner)) return 0;
  // The copy tells the document, whose views may rebuild their panes and delete this folder.
  const COwnerNotifier notifier(*this);
  if (!CloneDefinition(definition, owner, move)) return 0;
  notifier.Post(EXPLORER_CONTENTS_CHANGED);
  return 1;
}

void CQVEOTaskScriptFolder::Export() {
  std::string name;
  GetClassName(name);
  ExportTextToChosenFile(name, [this](std::string& text) { return ExportDefinitions(text); });
}

void CQVEOTaskScriptFolder::AddRow(CListCtrl& list, CExplorerObject* node) {
  const EOAspect aspects[] = {EOAspectStatus};
  if (node && AddListItem(list, node, aspects, 1) < 0) delete node;
}

int CQVEOTaskScriptFolder::ShowContents(CListCtrl& list) {
  InsertColumns(list, 2, kColumnTitles);
  if (!m_bReadOnly) {
    if (CExplorerObject* add = MakeAddEntry()) {
      if (IsExcluded(add->GetClassID())) {
        delete add;
      } else {
        AddRow(list, add);
      }
    }
  }
  AddDefinitionRows(list);
  return 0;
}

HTREEITEM CQVEOTaskScriptFolder::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  return InsertTreeItem(tree, text, parent, TVI_LAST, 1);
}
