// The provider's life, its hidden Explorer and the reading of the hidden tree.
#include "explorer/libtoolbar/InvLibTBExplorer.h"

#include "explorer/core/ExplorerObject.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/core/LibraryToolbarLink.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRDocTemplate.h"
#include "host/framework/CRQVDocument.h"
#include "platform/Frame.h"
#include "platform/ListCtrl.h"
#include "platform/TextCompare.h"

CInvLibTBExplorer* CInvLibTBExplorer::GetInvInstance() {
  if (!m_pInvInstance) {
    m_pInvInstance = new CInvLibTBExplorer();
    m_iCount = 1;
    CLibraryToolbarLink::ProviderCreated();
  }
  return m_pInvInstance;
}

void CInvLibTBExplorer::DestroyInvInstance() {
  if (!m_pInvInstance) return;
  m_iCount = 0;
  CLibraryToolbarLink::ProviderDestroyed();
  CInvLibTBExplorer* provider = m_pInvInstance;
  m_pInvInstance = nullptr;
  delete provider;
}

CInvLibTBExplorer::CInvLibTBExplorer() { CreateInvExplorer(); }

CInvLibTBExplorer::~CInvLibTBExplorer() { CloseInvExplorer(); }

void CInvLibTBExplorer::CreateInvExplorer() {
  CloseInvExplorer();
  CRBaseApp* app = CRBaseApp::GetApp();
  CRDocTemplate* explorerTemplate = app ? app->GetDocTemplate(CLSID_ExplorerTemplate) : nullptr;
  CRQVDocument* simulation = app ? app->GetCurrentDocument() : nullptr;
  if (!explorerTemplate || !simulation) return;
  m_pViewDocument = explorerTemplate->CreateNewDocument();
  auto* viewDocument = dynamic_cast<CRDocument*>(m_pViewDocument.get());
  if (!viewDocument) return;
  CComPtr<IUnknown> root;
  if (SUCCEEDED(simulation->GetRootModel(&root))) viewDocument->SetRootModel(root);
  // The frame lives where the host's other Explorers live, never shown.
  CWnd* parent = app->GetMainWnd();
  if (auto* mdi = dynamic_cast<CMDIFrameWnd*>(parent)) parent = mdi->MDIClient();
  CFrameWnd* frame = explorerTemplate->CreateNewFrame(m_pViewDocument.get(), parent, false);
  m_pFrame = dynamic_cast<CExplorerFrame*>(frame);
  m_hFrame = m_pFrame ? m_pFrame->m_hWnd : nullptr;
  SetDef0InvExplorerState(m_state);
  m_iModelImage = GetModelImageIndex();
}

void CInvLibTBExplorer::CloseInvExplorer() {
  if (IsInvExplorerAlive()) m_pFrame->DestroyWindow();
  m_pFrame = nullptr;
  m_hFrame = nullptr;
  m_pViewDocument.reset();
  m_libItems.clear();
  m_libNames.clear();
  m_libStreamFolders.clear();
  m_libTabs.clear();
  m_libTabCounts.clear();
}

bool CInvLibTBExplorer::IsInvExplorerAlive() const { return m_hFrame && IsWindow(m_hFrame) && m_pFrame; }

CExplorerFrame* CInvLibTBExplorer::GetInvExplorer() const { return IsInvExplorerAlive() ? m_pFrame : nullptr; }

CTreeCtrl* CInvLibTBExplorer::GetInvCTreeCtrl() const {
  return IsInvExplorerAlive() ? m_pFrame->GetTreePaneControl() : nullptr;
}

CListCtrl* CInvLibTBExplorer::GetInvCListCtrl() const {
  return IsInvExplorerAlive() ? m_pFrame->GetContentsPaneControl() : nullptr;
}

int CInvLibTBExplorer::GetTreeCount() {
  // The provider stays; only its hidden window is made again, so a caller
  // holding the provider never holds a deleted object.
  if (!GetInvCTreeCtrl() || !GetRootTreeItem()) CreateInvExplorer();
  CTreeCtrl* tree = GetInvCTreeCtrl();
  return tree ? static_cast<int>(tree->GetCount()) : 0;
}

// ---- reading the hidden tree

HTREEITEM CInvLibTBExplorer::GetRootTreeItem() const {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  return tree ? tree->GetRootItem() : nullptr;
}

int CInvLibTBExplorer::GetRootTreeCount() const {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  return tree ? static_cast<int>(tree->GetCount()) : 0;
}

std::string CInvLibTBExplorer::GetTextTreeItem(HTREEITEM item) const {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  return tree && item ? tree->GetItemText(item) : std::string();
}

int CInvLibTBExplorer::GetImageIndxTreeItem(HTREEITEM item) const {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  int image = -1, selected = -1;
  if (tree && item) tree->GetItemDisplayImages(item, image, selected);
  return image;
}

void CInvLibTBExplorer::ExpendIfVisible(HTREEITEM item) {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  if (!tree || !item || !tree->IsValidItem(item)) return;
  if (tree->GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) return;
  if (tree->ItemHasChildren(item)) tree->Expand(item, TVE_EXPAND);
}

void CInvLibTBExplorer::SelectAndExpend(HTREEITEM item) {
  Select(item);
  ExpendIfVisible(item);
}

HTREEITEM CInvLibTBExplorer::GetChildNamed(HTREEITEM parent, const std::string& name) {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  if (!tree || !parent) return nullptr;
  ExpendIfVisible(parent);
  for (HTREEITEM child = tree->GetChildItem(parent); child; child = tree->GetNextSiblingItem(child))
    if (EqualNoCase(tree->GetItemText(child), name)) return child;
  return nullptr;
}

HTREEITEM CInvLibTBExplorer::GetRootThisNameTreeItem(const std::string& name) {
  HTREEITEM root = GetRootTreeItem();
  if (!root) return nullptr;
  if (EqualNoCase(GetTextTreeItem(root), name)) return root;
  return GetChildNamed(root, name);
}

HTREEITEM CInvLibTBExplorer::GetRootLibsTreeItem() {
  HTREEITEM root = GetRootTreeItem();
  if (!root) return nullptr;
  const std::string text = GetTextTreeItem(root);
  if (EqualNoCase(text, "Simulation")) return GetChildNamed(root, "Libraries");
  if (EqualNoCase(text, "Libraries")) return root;
  return nullptr;
}

int CInvLibTBExplorer::GetModelImageIndex() {
  HTREEITEM system = GetChildNamed(GetRootLibsTreeItem(), "SystemLibrary");
  HTREEITEM models = GetChildNamed(system, "Models");
  CTreeCtrl* tree = GetInvCTreeCtrl();
  HTREEITEM first = tree && models ? tree->GetChildItem(models) : nullptr;
  return first ? GetImageIndxTreeItem(first) : -1;
}

std::vector<HTREEITEM> CInvLibTBExplorer::GetChildrenWithChildren(HTREEITEM parent) {
  std::vector<HTREEITEM> children;
  CTreeCtrl* tree = GetInvCTreeCtrl();
  if (!tree || !parent) return children;
  ExpendIfVisible(parent);
  for (HTREEITEM child = tree->GetChildItem(parent); child; child = tree->GetNextSiblingItem(child)) {
    ExpendIfVisible(child);
    if (tree->GetChildItem(child)) children.push_back(child);
  }
  return children;
}

bool CInvLibTBExplorer::IsLibraryItem(HTREEITEM item) const {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  auto* node = tree ? reinterpret_cast<CExplorerObject*>(tree->GetItemData(item)) : nullptr;
  return node && CExplorerObject::IsLive(node) && node->GetClassID() == CLSID_QVEOLibrary;
}

int CInvLibTBExplorer::GetTreeChildItemCount(HTREEITEM item) const {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  if (!tree || !item) return 0;
  // Depth first without recursion: a deep hierarchy cannot exhaust the stack.
  int count = 0;
  std::vector<HTREEITEM> pending{item};
  while (!pending.empty()) {
    HTREEITEM next = pending.back();
    pending.pop_back();
    for (HTREEITEM child = tree->GetChildItem(next); child; child = tree->GetNextSiblingItem(child)) {
      ++count;
      pending.push_back(child);
    }
  }
  return count;
}

// ---- acting on the hidden panes

void CInvLibTBExplorer::Select(HTREEITEM item) {
  CTreeCtrl* tree = GetInvCTreeCtrl();
  if (tree && item && tree->IsValidItem(item)) tree->SelectItem(item);
}

void CInvLibTBExplorer::SelectListItem(int row) {
  CListCtrl* list = GetInvCListCtrl();
  if (!list || row < 0 || row >= list->GetItemCount()) return;
  list->SetItemState(row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
}

void CInvLibTBExplorer::OnBeginDragTreeItem(HTREEITEM item, bool copyOnly) {
  CExplorerFrame* frame = GetInvExplorer();
  CTreeCtrl* tree = GetInvCTreeCtrl();
  if (frame && tree && item && tree->IsValidItem(item)) frame->GetTreeView()->OnBeginDragTreehItem(item, copyOnly);
}

void CInvLibTBExplorer::OnBeginDragListItem(int row, bool copyOnly) {
  CExplorerFrame* frame = GetInvExplorer();
  CListCtrl* list = GetInvCListCtrl();
  if (frame && list && row >= 0 && row < list->GetItemCount()) frame->GetListView()->OnBeginDragListItem(row, copyOnly);
}
