// The tree pane's items and their nodes: filling the tree from the root node,
// felling items with their nodes, refreshing with re-selection, and finding,
// selecting, removing and renaming items.
#include "explorer/window/ExplorerTreeView.h"

#include <algorithm>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/core/ExplorerImageLists.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerListView.h"
#include "platform/Registry.h"
#include "platform/TextCompare.h"

namespace {

constexpr int kDefaultScrollDelay = 50;

}  // namespace

CExplorerTreeView::CExplorerTreeView()
    : m_nScrollDelay(GetProfileInt("windows", "DragScrollDelay", kDefaultScrollDelay)) {}

CExplorerTreeView::~CExplorerTreeView() = default;

bool CExplorerTreeView::Create(const CRect& rect, CWnd* parent, UINT id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                      TVS_EDITLABELS | TVS_SHOWSELALWAYS;
  return CTreeCtrl::Create(style, rect, parent, id);
}

int CExplorerTreeView::OnCreate() {
  if (CTreeCtrl::OnCreate() == -1) return -1;
  m_dropTarget.Register(this);
  SetImageList(&CExplorerImageLists::Small(), TVSIL_NORMAL);
  return 0;
}

void CExplorerTreeView::OnDestroy() {
  m_bClosing = 1;
  UnsetContext();
  m_dropTarget.Revoke();
  SetDocument(nullptr);
  CTreeCtrl::OnDestroy();
}

CExplorerFrame* CExplorerTreeView::Frame() const {
  for (CWnd* window = GetParent(); window; window = window->GetParent()) {
    if (auto* frame = dynamic_cast<CExplorerFrame*>(window)) return frame;
  }
  return nullptr;
}

CExplorerObject* CExplorerTreeView::GetExplorerObject(HTREEITEM item) const {
  if (!item) return nullptr;
  auto* object = reinterpret_cast<CExplorerObject*>(GetItemData(item));
  return CExplorerObject::IsLive(object) ? object : nullptr;
}

CExplorerObject* CExplorerTreeView::GetCurrentObject() const { return GetExplorerObject(GetSelectedItem()); }

void CExplorerTreeView::ReportSelection(HTREEITEM item) {
  if (m_bPopulating) return;
  if (m_nFelling) {
    m_selectionChangedWhileFelling = true;
    return;
  }
  if (CExplorerFrame* frame = Frame())
    frame->SendMessage(EXPLORER_CONTEXT_CHANGED, 0, reinterpret_cast<LPARAM>(GetExplorerObject(item)));
}

// ---------------------------------------------------------------- filling and clearing

void CExplorerTreeView::SetContext(CExplorerContainerObject* context) {
  UnsetContext();
  m_pContext = context;
  PopulateTree();
}

void CExplorerTreeView::UnsetContext() {
  ClearTree();
  m_pContext = nullptr;
}

void CExplorerTreeView::PopulateTree() {
  m_bReady = 0;
  m_bPopulating = 1;
  m_hRootItem = m_pContext && m_hWnd ? m_pContext->ShowContents(*this, TVI_ROOT) : nullptr;
  m_bPopulating = 0;
  if (m_hRootItem) {
    Expand(m_hRootItem, TVE_EXPAND);
    // The root's selection is reported once, also when filling left it selected.
    if (GetSelectedItem() == m_hRootItem) {
      ReportSelection(m_hRootItem);
    } else {
      SelectItem(m_hRootItem);
    }
  }
  m_bReady = 1;
}

void CExplorerTreeView::ClearTree() {
  if (!m_hRootItem) return;
  SelectItem(nullptr);
  Fell(m_hRootItem);
  m_hRootItem = nullptr;
}

void CExplorerTreeView::Fell(HTREEITEM item) {
  if (!IsValidItem(item)) return;
  BeginFelling();
  FellChildren(item);
  DeleteNodeObject(item);
  CTreeCtrl::DeleteItem(item);
  if (item == m_hRootItem) m_hRootItem = nullptr;
  EndFelling();
}

void CExplorerTreeView::EndFelling() {
  if (--m_nFelling == 0 && m_selectionChangedWhileFelling) {
    m_selectionChangedWhileFelling = false;
    ReportSelection(GetSelectedItem());
  }
}

void CExplorerTreeView::FellChildren(HTREEITEM item) {
  BeginFelling();
  while (HTREEITEM child = GetChildItem(item)) Fell(child);
  EndFelling();
}

void CExplorerTreeView::DeleteNodeObject(HTREEITEM item) {
  CExplorerObject* object = GetExplorerObject(item);
  if (!object || object == m_pContext) return;
  SetItemData(item, 0);
  CExplorerFrame* frame = Frame();
  if (CExplorerListView* list = frame ? frame->GetListView() : nullptr) list->ReleaseContext(object);
  if (frame) frame->ForgetObject(object);
  delete object;
}

CExplorerObject* CExplorerTreeView::RemoveItem(HTREEITEM item) {
  if (!IsValidItem(item)) return nullptr;
  BeginFelling();
  FellChildren(item);
  CExplorerObject* object = GetExplorerObject(item);
  CExplorerFrame* frame = Frame();
  if (CExplorerListView* list = frame ? frame->GetListView() : nullptr) list->ReleaseContext(object);
  SetItemData(item, 0);
  CTreeCtrl::DeleteItem(item);
  if (item == m_hRootItem) m_hRootItem = nullptr;
  EndFelling();
  return object == m_pContext ? nullptr : object;
}

void CExplorerTreeView::Refresh() {
  CExplorerObject* selected = GetCurrentObject();
  CExplorerObject* clone = selected && selected->IsValid() ? selected->Clone() : nullptr;
  ClearTree();
  PopulateTree();
  if (m_hRootItem && clone) SetCurrentNode(clone, 1);
  delete clone;
}

// ---------------------------------------------------------------- finding and selecting

void CExplorerTreeView::SetCurrentNode(CExplorerObject* object, int recursive) {
  if (!CExplorerObject::IsLive(object)) return;
  HTREEITEM from = GetSelectedItem();
  if (!from) from = m_hRootItem;
  HTREEITEM found = FindNode(from, object, recursive);
  if (!found) {
    // Children that wait for the first expansion are made first, as opening the item would.
    auto* container = AsContainer(GetExplorerObject(from));
    if (container && container->m_bChildrenDeferred) {
      Expand(from, TVE_EXPAND);
      found = FindNode(from, object, recursive);
    }
  }
  if (!found) return;
  SelectItem(found);
  if (!IsValidItem(found)) return;
  if (auto* container = AsContainer(GetExplorerObject(found)))
    container->ShowMoreContents(*this, found);
}

HTREEITEM CExplorerTreeView::FindNode(HTREEITEM parent, const char* text, int recursive) {
  if (!text) return nullptr;
  for (HTREEITEM child = GetChildItem(parent); child; child = GetNextSiblingItem(child)) {
    if (GetItemText(child) == text) return child;
    if (recursive) {
      if (HTREEITEM found = FindNode(child, text, recursive)) return found;
    }
  }
  return nullptr;
}

HTREEITEM CExplorerTreeView::FindNode(HTREEITEM parent, const char* text, REFGUID classId, int recursive) {
  if (!text) return nullptr;
  for (HTREEITEM child = GetChildItem(parent); child; child = GetNextSiblingItem(child)) {
    CExplorerObject* object = GetExplorerObject(child);
    if (object && object->GetClassID() == classId && GetItemText(child) == text) return child;
    if (recursive) {
      if (HTREEITEM found = FindNode(child, text, classId, recursive)) return found;
    }
  }
  return nullptr;
}

HTREEITEM CExplorerTreeView::FindNode(HTREEITEM parent, CExplorerObject* object, int recursive) {
  if (!CExplorerObject::IsLive(object)) return nullptr;
  for (HTREEITEM child = GetChildItem(parent); child; child = GetNextSiblingItem(child)) {
    CExplorerObject* node = GetExplorerObject(child);
    if (node && (*node == *object)) return child;
    if (recursive) {
      if (HTREEITEM found = FindNode(child, object, recursive)) return found;
    }
  }
  return nullptr;
}

HTREEITEM CExplorerTreeView::FindEqual(CExplorerObject* object) {
  if (!m_hRootItem || !CExplorerObject::IsLive(object)) return nullptr;
  CExplorerObject* root = GetExplorerObject(m_hRootItem);
  if (root && (*root == *object)) return m_hRootItem;
  return FindNode(m_hRootItem, object, 1);
}

int CExplorerTreeView::DeleteNode(CExplorerObject* object, int deleteObject) {
  HTREEITEM item = object ? FindEqual(object) : GetSelectedItem();
  if (!item) return 0;
  if (deleteObject) {
    Fell(item);
  } else {
    RemoveItem(item);
  }
  return 1;
}

int CExplorerTreeView::RenameNode(CExplorerObject* object) {
  HTREEITEM item = object ? FindEqual(object) : GetSelectedItem();
  CExplorerObject* node = GetExplorerObject(item);
  if (!node) return 0;
  std::string name;
  node->GetDisplayText(EOAspectName, name);
  SetItemText(item, name);
  return 1;
}

// ---------------------------------------------------------------- labels

namespace {

HTREEITEM ChildByLabel(const CTreeCtrl& tree, HTREEITEM parent, const std::string& label) {
  HTREEITEM caseless = nullptr;
  for (HTREEITEM child = tree.GetChildItem(parent); child; child = tree.GetNextSiblingItem(child)) {
    const std::string text = tree.GetItemText(child);
    if (text == label) return child;
    if (!caseless && CompareNoCase(text, label) == 0) caseless = child;
  }
  return caseless;
}

}  // namespace

HTREEITEM CExplorerTreeView::FindItemByLabels(const std::vector<std::string>& labels, bool expand) {
  HTREEITEM item = nullptr;
  HTREEITEM parent = TVI_ROOT;
  for (const std::string& label : labels) {
    if (item && expand) Expand(item, TVE_EXPAND);
    item = ChildByLabel(*this, parent, label);
    if (!item) return nullptr;
    parent = item;
  }
  return item;
}

std::vector<std::string> CExplorerTreeView::LabelsOf(HTREEITEM item) const {
  std::vector<std::string> labels;
  for (; item && IsValidItem(item); item = GetParentItem(item)) labels.push_back(GetItemText(item));
  std::reverse(labels.begin(), labels.end());
  return labels;
}
