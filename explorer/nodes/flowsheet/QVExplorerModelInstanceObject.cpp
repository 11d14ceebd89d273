#include "explorer/nodes/flowsheet/QVExplorerModelInstanceObject.h"

#include <cstdlib>

#include "explorer/core/ExplorerPanes.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/core/TypeAccess.h"
#include "explorer/dialogs/QVModelInstanceObjectPropertySheet.h"
#include "explorer/nodes/flowsheet/ExploreInstance.h"
#include "explorer/nodes/flowsheet/FlowsheetChildren.h"
#include "explorer/nodes/flowsheet/GraphicalCopy.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "host/framework/CRQVDocument.h"
#include "host/model/IQVRename.h"
#include "host/store/HostClassIds.h"
#include "host/store/MwInstance.h"
#include "host/store/Status.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "platform/UserInterface.h"

namespace {

constexpr std::size_t kMaxUnitNameLength = 80;
constexpr const char* kFlowsheetLabel = "Flowsheet";

const UINT kUnitColumnTitles[] = {IDS_NAME, IDS_TYPE, IDS_STATUS};

}  // namespace

CQVExplorerModelInstanceObject::CQVExplorerModelInstanceObject(IFInstance* instance,
                                                               CExplorerExclusionList* exclusionList,
                                                               UINT openIconId, UINT normalIconId, CWnd* owner)
    : CExplorerContainerObject(ForInstance{}, instance, exclusionList, openIconId, normalIconId, owner, 0) {
  if (instance) {
    m_pModel = ComQuery<IRModel>(instance);
    // The status follows the instance's model type.
    m_pType = type_access::InstanceOf(type_access::TypeOf(instance));
  }
  GetStatus();
}

int CQVExplorerModelInstanceObject::operator==(CExplorerObject& other) {
  if (GetClassID() != other.GetClassID()) return 0;
  if (this == &other) return 1;
  IFInstance* mine = GetInstance();
  IFInstance* theirs = other.GetInstance();
  return mine && theirs && flowsheet_children::PathOf(mine) == flowsheet_children::PathOf(theirs);
}

void CQVExplorerModelInstanceObject::GetStatus() {
  if (!m_pInstance) return;
  ComputeTypeStatus();
}

int CQVExplorerModelInstanceObject::IsValid() { return m_pInstance && MwInstance(m_pInstance.Get()).IsValid(); }

CComPtr<IRModelType> CQVExplorerModelInstanceObject::ModelType() {
  CComPtr<IRModelType> type;
  if (m_pModel) m_pModel->GetModelType(&type);
  return type;
}

int CQVExplorerModelInstanceObject::GetDisplayText(EOAspect aspect, std::string& text) {
  switch (aspect) {
    case EOAspectName:
      if (!m_pModel || FAILED(m_pModel->GetName(text))) return 0;
      text = text.substr(0, kMaxUnitNameLength);
      return 1;
    case EOAspectType: {
      CComPtr<IRModelType> type = ModelType();
      if (!type || FAILED(type->GetName(text))) return 0;
      text = text.substr(0, kMaxUnitNameLength);
      return 1;
    }
    case EOAspectStatus:
      text = m_nStatusTextId ? LoadStringOrEmpty(m_nStatusTextId) : std::string();
      return 1;
    case EOAspectEquations:
    case EOAspectVariables:
    case EOAspectDegreesOfFreedom:
      UpdateStatistics();
      text = aspect == EOAspectEquations   ? m_strEquations
             : aspect == EOAspectVariables ? m_strVariables
                                           : m_strDegreesOfFreedom;
      return 1;
    default:
      return 0;
  }
}

void CQVExplorerModelInstanceObject::UpdateStatistics() {
  if (!m_bStatistics) return;
  int equations = 0, variables = 0, freedom = 0;
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  // A model that is not OK, or that the document cannot count, shows "-".
  if (m_nStatus == EO_STATUS_NOT_OK || !document || !m_pModel ||
      FAILED(document->GetModelStatistics(m_pModel, equations, variables, freedom))) {
    m_strEquations = m_strVariables = m_strDegreesOfFreedom = kNoStatistic;
    return;
  }
  m_strEquations = std::to_string(equations);
  m_strVariables = std::to_string(variables);
  m_strDegreesOfFreedom = std::to_string(freedom);
}

int CQVExplorerModelInstanceObject::GetSortVal(int column, std::string& value) {
  if (column < 0 || column > 2) return 0;
  return GetDisplayText(static_cast<EOAspect>(column), value);
}

int CQVExplorerModelInstanceObject::GetSortVal(int column, int& value) {
  static const EOAspect kStatistics[] = {EOAspectEquations, EOAspectVariables, EOAspectDegreesOfFreedom};
  if (column < 3 || column > 5) return 0;
  std::string text;
  GetDisplayText(kStatistics[column - 3], text);
  value = std::atoi(text.c_str());  // "-" sorts as 0
  return 1;
}

HTREEITEM CQVExplorerModelInstanceObject::ShowContents(CTreeCtrl& tree, HTREEITEM parent) {
  std::string name;
  GetDisplayText(EOAspectName, name);
  HTREEITEM item = InsertTreeItem(tree, name, parent, TVI_LAST, 1);
  if (item) flowsheet_children::InsertUnitFolders(tree, item, *this);
  return item;
}

int CQVExplorerModelInstanceObject::ShowContents(CListCtrl& list) {
  InsertColumns(list, 3, kUnitColumnTitles);
  if (!m_pInstance) return 0;
  flowsheet_children::AddUnitFolderRows(list, *this);
  flowsheet_children::AddOwnedRows(list, *this, type_access::TypeOf(m_pInstance), false);
  return 0;
}

void CQVExplorerModelInstanceObject::ShowProperties(UINT captionId) {
  if (!m_pModel) return;
  std::string className, name, type;
  GetClassName(className);
  GetDisplayText(EOAspectName, name);
  GetDisplayText(EOAspectType, type);
  CQVModelInstanceObjectPropertySheet sheet(captionId, m_pModel, className, name, type,
                                            m_nStatus != EO_STATUS_NOT_OK);
  sheet.DoModal();
}

bool CQVExplorerModelInstanceObject::Rename(const std::string& newName, std::string& oldName) {
  if (!m_pModel || FAILED(m_pModel->GetName(oldName))) return false;
  oldName = oldName.substr(0, 1024);
  // The label left as it was changes nothing.
  if (newName == oldName) return false;
  CComPtr<IQVRename> rename = ComQuery<IQVRename>(m_pInstance);
  const HRESULT hr = rename ? rename->Rename(newName) : E_NOINTERFACE;
  if (SUCCEEDED(hr)) return true;
  MessageBox(nullptr, GetStatusText(hr), LoadStringOrEmpty(IDS_OPERATION_FAILED), MB_OK | MB_ICONINFORMATION);
  return false;
}

bool CQVExplorerModelInstanceObject::IsInTopFlowsheet() {
  auto* panes = dynamic_cast<IExplorerPanes*>(GetOwner());
  CTreeCtrl* tree = panes ? panes->GetTreePaneControl() : nullptr;
  if (!tree) return false;
  HTREEITEM item = tree->GetSelectedItem();
  if (!item) return false;
  // The contents pane shows the children of the selected item; the tree pane
  // has the node itself selected, one level further down.
  HTREEITEM above = tree->GetParentItem(item);
  if (panes->IsTreeView() && above) above = tree->GetParentItem(above);
  return above && tree->GetItemText(above) == kFlowsheetLabel;
}

bool CQVExplorerModelInstanceObject::FlowsheetIsLocked() {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  return document && document->FlowsheetIsLocked();
}

std::string CQVExplorerModelInstanceObject::InstancePath() {
  std::string path;
  if (m_pInstance) MwInstance(m_pInstance.Get()).StringPath(path);
  return path;
}

void CQVExplorerModelInstanceObject::FindVariables() { OpenView(CLSID_QVTextEditorView, 0, InstancePath(), nullptr, {}, 0); }

void CQVExplorerModelInstanceObject::AddUnitEditEntries(CContextMenuBuilder& build) {
  build.Add(ID_EXPLORER_COPY, IDS_MENU_COPY);
  if (!FlowsheetIsLocked()) {
    build.Add(ID_EXPLORER_CUT, IDS_MENU_CUT);
    build.Add(ID_EXPLORER_RENAME, IDS_MENU_RENAME);
  }
  build.AddSeparator();
  build.Add(ID_EXPLORER_PROPERTIES, IDS_MENU_PROPERTIES);
}

bool CQVExplorerModelInstanceObject::DoUnitCommand(UINT id) {
  switch (id) {
    case ID_EXPLORER_EXPLORE:
      ExploreInstance(*this, m_pInstance);
      return true;
    case ID_EXPLORER_PASTE:
      MessageBeep(0);
      return true;
    case ID_EXPLORER_RENAME:
      StartLabelEdit();
      return true;
    case ID_EXPLORER_COPY:
    case ID_EXPLORER_CUT:
      graphical_copy::CopyOrCut(CComPtr<IFInstance>(m_pInstance), id == ID_EXPLORER_CUT);
      return true;
    case ID_EXPLORER_FIND:
      FindVariables();
      return true;
    default:
      return false;
  }
}

int CQVExplorerModelInstanceObject::EditUnitLabel(const std::string& newName, bool stream) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  std::string oldName;
  if (!Rename(newName, oldName) || !document) return 0;
  if (stream) document->OnRenameStream(oldName, newName);
  else document->OnRenameBlock(oldName, newName);
  return 0;
}
