// The Explorer window's commands: the shared explorer commands routed to the
// node that has the focus, the frame's own view commands with their enabling
// rules, and the selection questions the packaging commands ask.
#include "explorer/core/ExplorerCommands.h"
#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/dialogs/ExplorerViewOptionsPropertySheet.h"
#include "explorer/resources/CommandIds.h"
#include "explorer/resources/StringIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/framework/CRQVDocument.h"
#include "host/store/HostClassIds.h"
#include "host/store/IFNaming.h"
#include "host/store/IFType.h"
#include "platform/TextCompare.h"
#include "platform/UserInterface.h"

namespace {

// Commands whose state the node sets itself (check marks).
bool IsNodeStateCommand(UINT id) {
  return id == ID_EXPLORER_ACTIVATE || id == ID_EXPLORER_MAKE_DEFAULT || id == ID_EXPLORER_FIRST_UNCONVERGED_ONLY;
}

void Enable(CCmdUI* ui, bool on) {
  if (ui) ui->Enable(on);
}

}  // namespace

bool CExplorerFrame::OnFrameCommand(UINT id, int code, CCmdUI* ui) {
  const bool update = code == CN_UPDATE_COMMAND_UI;
  if (id >= ID_EXPLORER_FIRST && id <= ID_EXPLORER_LAST) {
    update ? OnUpdateExplorerObjectCommand(ui) : OnExplorerObjectCommand(id);
    return true;
  }
  CExplorerObject* current = GetCurrentObject();
  switch (id) {
    case ID_EXPLORER_CLOSE:
      update ? Enable(ui, true) : (void)PostMessage(WM_CLOSE);
      return true;
    case ID_VIEW_PROPERTIES:
      if (update) {
        Enable(ui, current && current->CanDoCommand(ID_EXPLORER_PROPERTIES));
      } else if (current && current->CanDoCommand(ID_EXPLORER_PROPERTIES)) {
        current->DoCommand(ID_EXPLORER_PROPERTIES);
      }
      return true;
    case ID_VIEW_LARGE_ICONS:
    case ID_VIEW_SMALL_ICONS:
    case ID_VIEW_LIST:
    case ID_VIEW_DETAILS: {
      static const DWORD styles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
      const unsigned long type = id - ID_VIEW_LARGE_ICONS;
      if (update) {
        Enable(ui, true);
        if (ui) ui->SetCheck(m_pListView && m_pListView->GetViewStyle() == styles[type] ? 1 : 0);
      } else {
        SetListViewType(type);
      }
      return true;
    }
    case ID_VIEW_OPTIONS:
      update ? Enable(ui, m_pRootObject != nullptr) : OnViewOptions();
      return true;
    case ID_VIEW_REFRESH:
      update ? Enable(ui, true) : OnViewRefresh();
      return true;
    case ID_EDIT_COPY:
      if (update) {
        Enable(ui, !IsCopyRefused() && current && current->CanDoCommand(ID_EXPLORER_COPY));
      } else if (!IsCopyRefused()) {
        OnExplorerObjectCommand(ID_EXPLORER_COPY);
      }
      return true;
    case ID_EDIT_CUT:
      if (update) {
        Enable(ui, current && current->CanDoCommand(ID_EXPLORER_CUT));
      } else {
        OnExplorerObjectCommand(ID_EXPLORER_CUT);
      }
      return true;
    case ID_NEXT_PANE:
      update ? Enable(ui, true) : OnNextExplorerPane();
      return true;
    case ID_HOST_PACKAGE_MODEL:
    case ID_HOST_CREATE_INITIALIZATION_SCRIPT:
      return PackagingCommand(id, code, ui);
    default:
      return RouteToHost(id, code, ui);
  }
}

// Commands the Explorer does not handle (the run commands of a node's menu)
// are the host's: its main window routes them, and comes back here only once.
bool CExplorerFrame::RouteToHost(UINT id, int code, CCmdUI* ui) {
  CWnd* main = AfxGetMainWnd();
  if (m_routingToHost || !main || main == this || !IsWindow(main->m_hWnd)) return false;
  m_routingToHost = true;
  const bool handled = main->OnCmdMsg(id, code, ui);
  m_routingToHost = false;
  return handled;
}

bool CExplorerFrame::RunCommand(UINT id) {
  if (!m_hWnd || !QueryCommandState(this, id).enabled) return false;
  return PerformCommand(this, id);
}

void CExplorerFrame::OnExplorerObjectCommand(UINT id) {
  CRQVDocument* document = CQVExplorer::GetCurrentDocument();
  if (!document || document->FileLoadFailed()) {
    MessageBox(AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : nullptr, kFileLoadFailureText, kFileLoadFailureCaption,
               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (CExplorerObject* current = GetCurrentObject()) current->DoCommand(id);
}

void CExplorerFrame::OnUpdateExplorerObjectCommand(CCmdUI* ui) {
  if (!ui) return;
  CExplorerObject* current = GetCurrentObject();
  const UINT id = ui->m_nID;
  if (IsNodeStateCommand(id)) {
    if (current) {
      current->SetCommandState(ui);
    } else {
      ui->Enable(false);
    }
  } else if (id == ID_EXPLORER_GOTO_FIRST_UNCONVERGED) {
    ui->Enable(current && current->CanDoCommand(id) && CExplorerTreeView::mbfHasUnconverged);
  } else {
    ui->Enable(current && current->CanDoCommand(id));
  }
}

// Copying the built-in "Hierarchy" type is refused whatever its node allows.
bool CExplorerFrame::IsCopyRefused() {
  CExplorerObject* current = GetCurrentObject();
  IFInstance* typeInstance = current ? current->GetType() : nullptr;
  CComPtr<IFType> type;
  if (!typeInstance || FAILED(typeInstance->GetType(&type)) || !type) return false;
  CLSID typeClass;
  if (FAILED(type->GetClassID(&typeClass)) || typeClass != CLSID_QVHierarchyType) return false;
  CComPtr<IFNaming> naming = ComQuery<IFNaming>(type);
  std::string name;
  return naming && SUCCEEDED(naming->GetName(name)) && name == "Hierarchy";
}

bool CExplorerFrame::PackagingCommand(UINT id, int code, CCmdUI* ui) {
  IExplorerFrameTools* tools = CExplorerDirectMakers::frameTools;
  if (code == CN_UPDATE_COMMAND_UI) {
    bool enabled = tools != nullptr;
    if (enabled && id == ID_HOST_PACKAGE_MODEL) {
      CExplorerObject* current = GetCurrentObject();
      enabled = (IsModelBlockSelected() || IsStructureBlockSelected()) && current &&
                current->GetStatusCode() != EO_STATUS_NOT_OK;
    }
    Enable(ui, enabled && tools->IsCommandEnabled(*this, id));
    return true;
  }
  if (tools && tools->IsCommandEnabled(*this, id)) tools->DoCommand(*this, id);
  return true;
}

// ---------------------------------------------------------------- view commands

void CExplorerFrame::OnViewRefresh() {
  UpdateTreeCaption();
  if (m_pTreeView) m_pTreeView->Refresh();
}

void CExplorerFrame::OnViewOptions() {
  if (!m_pRootObject) return;
  CExplorerViewOptionsPropertySheet sheet(IDS_OPTIONS, m_pRootObject, this);
  if (sheet.DoModal() != IDOK) return;
  // The page may have given the root a list of its own: the frame keeps using the one it owns.
  if (m_pExclusionList && m_pRootObject->GetExclusionList() != m_pExclusionList) {
    *m_pExclusionList = *m_pRootObject->GetExclusionList();
    m_pRootObject->SetExclusionList(m_pExclusionList);
  }
  OnViewRefresh();
}

void CExplorerFrame::OnNextExplorerPane() {
  if (!m_pTreeView || !m_pListView) return;
  if (m_wndSplitter.GetActivePane() == m_pTreeView) {
    m_wndSplitter.SetActiveWindow(m_pListView);
    SetCurrentObject(m_pListView->GetCurrentObject());
  } else {
    m_wndSplitter.SetActiveWindow(m_pTreeView);
    SetCurrentObject(m_pTreeView->GetCurrentObject());
  }
}

// ---------------------------------------------------------------- selection questions

int CExplorerFrame::IsModelBlockSelected() {
  CExplorerObject* current = GetCurrentObject();
  if (!current || current->GetClassID() != CLSID_QVEOBlockType) return 0;
  auto* modelType = dynamic_cast<IExplorerModelTypeNode*>(current);
  return modelType && modelType->IsHierarchyType() ? 0 : 1;
}

int CExplorerFrame::IsStructureBlockSelected() {
  CExplorerObject* current = GetCurrentObject();
  return current && current->GetClassID() == CLSID_QVEOGlobalStructureType ? 1 : 0;
}

int CExplorerFrame::IsModelInCustomModeling() {
  if (!m_pTreeView) return 0;
  HTREEITEM root = m_pTreeView->GetRootTreeItem();
  for (HTREEITEM item = m_pTreeView->GetChildItem(root); item; item = m_pTreeView->GetNextSiblingItem(item)) {
    if (CompareNoCase(m_pTreeView->GetItemText(item), "Custom Modeling") == 0) return 1;
  }
  return 0;
}

CExplorerObject* CExplorerFrame::FindTopLevelNode(const std::string& label) {
  if (!m_pTreeView) return nullptr;
  HTREEITEM root = m_pTreeView->GetRootTreeItem();
  for (HTREEITEM item = root ? m_pTreeView->GetChildItem(root) : nullptr; item;
       item = m_pTreeView->GetNextSiblingItem(item)) {
    if (m_pTreeView->GetItemText(item) == label) return m_pTreeView->GetExplorerObject(item);
  }
  return nullptr;
}

void CExplorerFrame::CheckOwnerIsCustomModeling() {
  if (!m_pRootObject) return;
  const GUID& rootClass = m_pRootObject->GetClassID();
  if (rootClass == CLSID_QVEOTypesFolder) {
    PostMessage(WM_CLOSE);
    return;
  }
  static const CLSID* const kTypeRoots[] = {
      &CLSID_QVEOVariableTypes, &CLSID_QVEOBlockTypes,  &CLSID_QVEOBlockType,  &CLSID_QVEOStreamTypes,
      &CLSID_QVEOStreamType,    &CLSID_QVEOParameterTypes, &CLSID_QVEOTaskFolder, &CLSID_QVEOPortTypes,
      &CLSID_QVEOProcedures,    &CLSID_QVEOUserFolder,
  };
  for (const CLSID* typeRoot : kTypeRoots) {
    if (rootClass == *typeRoot) {
      if (!m_pRootObject->IsLibraryObject()) PostMessage(WM_CLOSE);
      return;
    }
  }
  if (rootClass == CLSID_QVEOSimulation && m_pTreeView) m_pTreeView->Refresh();
}
