#include "explorer/nodes/simulation/QVEOTopLevelFolder.h"

#include "explorer/core/ContextMenuBuilder.h"
#include "explorer/core/ExplorerCommands.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

namespace {

const UINT kColumnTitles[] = {IDS_NAME, IDS_TYPE};

}  // namespace

CQVEOTopLevelFolder::CQVEOTopLevelFolder(IFInstance* type, CExplorerExclusionList* exclusionList, CWnd* owner,
                                         UINT classNameId)
    : CExplorerContainerObject(ForType{}, type, exclusionList, IDI_OPEN_FOLDER, IDI_FOLDER, owner, 0),
      m_classNameId(classNameId) {}

int CQVEOTopLevelFolder::GetClassName(std::string& name) {
  name = LoadStringOrEmpty(m_classNameId);
  return !name.empty();
}

int CQVEOTopLevelFolder::GetDisplayText(EOAspect aspect, std::string& text) {
  if (aspect != EOAspectName && aspect != EOAspectType) return 0;
  return GetClassName(text);
}

int CQVEOTopLevelFolder::BuildContextMenu(CMenu& menu) {
  CContextMenuBuilder build(*this, menu);
  build.Add(ID_EXPLORER_EXPLORE, IDS_MENU_EXPLORE);
  return 1;
}

int CQVEOTopLevelFolder::CanDoCommand(UINT id) { return id == ID_EXPLORER_EXPLORE; }

void CQVEOTopLevelFolder::DoCommand(UINT id) {
  if (id == ID_EXPLORER_EXPLORE) Explore();
}

int CQVEOTopLevelFolder::ShowContents(CListCtrl& list) {
  InsertColumns(list, 2, kColumnTitles);
  AddRows(list);
  return 0;
}

HTREEITEM CQVEOTopLevelFolder::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  return InsertOwnItem(tree, parent);
}

void CQVEOTopLevelFolder::AddRow(CListCtrl& list, CExplorerObject* node) {
  if (!node) return;
  const EOAspect aspects[] = {EOAspectType};
  if (AddListItem(list, node, aspects, 1) < 0) delete node;
}

HTREEITEM CQVEOTopLevelFolder::InsertOwnItem(CTreeCtrl& tree, HTREEITEM parent) {
  std::string text;
  GetDisplayText(EOAspectName, text);
  return InsertTreeItem(tree, text, parent, TVI_LAST, 1);
}
