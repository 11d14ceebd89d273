// What a flowsheet shows: its own tree item with its blocks and streams
// folders and structure containers below it, and in the contents pane its
// Add entries, those folders, its forms, scripts, tasks, its text and its
// structure containers, each kind unless the Explorer hides it.
#include "explorer/core/TypeAccess.h"
#include "explorer/nodes/flowsheet/FlowsheetChildren.h"
#include "explorer/nodes/flowsheet/QVEOFlowsheet.h"
#include "explorer/nodes/library/AddEntries.h"
#include "explorer/nodes/library/QVEOFlowsheetText.h"
#include "explorer/resources/StringIds.h"

namespace {

const UINT kFlowsheetColumnTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};
const EOAspect kFlowsheetRowAspects[] = {EOAspectType, EOAspectStatus};

}  // namespace

HTREEITEM CQVEOFlowsheet::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string name;
  GetDisplayText(EOAspectName, name);
  HTREEITEM item = InsertTreeItem(tree, name, parent, TVI_LAST, m_nStatus == EO_STATUS_OK);
  if (item) ShowChildren(tree, item);
  return item;
}

void CQVEOFlowsheet::ShowChildren(CTreeCtrl& tree, HTREEITEM item) {
  if (!m_pInstance) return;
  flowsheet_children::InsertUnitFolders(tree, item, *this);
  flowsheet_children::InsertStructureContainers(tree, item, *this);
}

int CQVEOFlowsheet::ShowContents(CListCtrl& list) {
  InsertColumns(list, 3, kFlowsheetColumnTitles);
  if (!m_pInstance) return 0;
  CWnd* owner = GetOwner();
  // The Add entries make their forms, scripts and tasks in the flowsheet's own definitions.
  CComPtr<IFInstance> owned = type_access::InstanceOf(FlowsheetType());
  IFInstance* definitions = owned ? owned.Get() : GetType();
  using flowsheet_children::AddChildRow;
  if (definitions) {
    if (!IsExcluded(CQVEOAddFormInstance::ClassID()))
      AddChildRow(list, new CQVEOAddFormInstance(definitions, owner), kFlowsheetRowAspects, 2);
    if (!IsExcluded(CQVEOAddScript::ClassID()))
      AddChildRow(list, new CQVEOAddScript(definitions, owner), kFlowsheetRowAspects, 2);
    if (!IsExcluded(CQVEOAddTask::ClassID())) AddChildRow(list, new CQVEOAddTask(definitions, owner), kFlowsheetRowAspects, 2);
  }
  flowsheet_children::AddUnitFolderRows(list, *this);
  flowsheet_children::AddOwnedRows(list, *this, FlowsheetType(), !m_bHierarchy);
  if (!IsExcluded(CQVEOFlowsheetText::ClassID()))
    AddChildRow(list, new CQVEOFlowsheetText(m_pInstance, owner, m_bReadOnly, m_bHierarchy), kFlowsheetRowAspects, 2);
  flowsheet_children::AddStructureContainerRows(list, *this);
  return 0;
}
