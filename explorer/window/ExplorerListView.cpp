// The contents pane's rows and their nodes: filling from the context,
// clearing with the column widths kept, and finding, removing and renaming rows.
#include "explorer/window/ExplorerListView.h"

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/core/ExplorerImageLists.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/window/ExplorerFrame.h"
#include "explorer/window/ExplorerTreeView.h"
#include "host/framework/CRQVDocument.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"

CExplorerListView::CExplorerListView() = default;

CExplorerListView::~CExplorerListView() { SetPFSModelType(nullptr); }

bool CExplorerListView::Create(const CRect& rect, CWnd* parent, UINT id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE |
                      LVS_EDITLABELS;
  return CListCtrl::Create(style, rect, parent, id);
}

int CExplorerListView::OnCreate() {
  if (CListCtrl::OnCreate() == -1) return -1;
  m_dropTarget.Register(this);
  SetImageList(&CExplorerImageLists::Small(), LVSIL_SMALL);
  SetImageList(&CExplorerImageLists::Large(), LVSIL_NORMAL);
  return 0;
}

void CExplorerListView::OnDestroy() {
  ClearPane();
  m_pContext = nullptr;
  m_dropTarget.Revoke();
  SetDocument(nullptr);
  CListCtrl::OnDestroy();
}

CExplorerFrame* CExplorerListView::Frame() const {
  for (CWnd* window = GetParent(); window; window = window->GetParent()) {
    if (auto* frame = dynamic_cast<CExplorerFrame*>(window)) return frame;
  }
  return nullptr;
}

CExplorerTreeView* CExplorerListView::TreeView() const {
  CExplorerFrame* frame = Frame();
  return frame ? frame->GetTreeView() : nullptr;
}

bool CExplorerListView::TreeIsReady() const {
  CExplorerTreeView* tree = TreeView();
  return tree && tree->IsReady();
}

void CExplorerListView::SetPFSModelType(IRModelType* type) {
  if (CRQVDocument* document = CQVExplorer::GetCurrentDocument()) document->OnSelectModelType(type);
}

HRESULT CExplorerListView::XAdviceObj::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid != IID_IUnknown && iid != IID_IPFSSink) return E_NOINTERFACE;
  *out = static_cast<IPFSSink*>(this);
  return S_OK;
}

HRESULT CExplorerListView::ExternalQueryInterface(REFIID iid, void** out) {
  return m_xAdviceObj.QueryInterface(iid, out);
}

// ---------------------------------------------------------------- the context

void CExplorerListView::SetContext(CExplorerContainerObject* context) {
  CWaitCursor wait;
  ClearPane();
  m_pContext = context;
  RefreshList();
}

void CExplorerListView::RefreshList() {
  if (m_pContext) ClearPane();
  PopulateList();
  if (CExplorerFrame* frame = Frame()) frame->SendMessage(EXPLORER_FOCUS_CHANGED, 0, 0);
}

void CExplorerListView::PopulateList() {
  if (!m_pContext || !m_hWnd) return;
  SetPFSModelType(nullptr);
  SetRedraw(FALSE);
  m_pContext->ShowContents(*this);
  m_nSortColumn = m_pContext->GetDefaultSortColumn();
  if (!m_strSortColumn.empty()) {
    const int stored = FindColumn(m_strSortColumn);
    if (stored >= 0) m_nSortColumn = stored;
  }
  SortByCurrentColumn();
  SetRedraw(TRUE);
  InvalidateLinks();
}

void CExplorerListView::Refill() {
  if (!m_pContext) return;
  ClearPane();
  SetRedraw(FALSE);
  m_pContext->ShowContents(*this);
  SetRedraw(TRUE);
  InvalidateLinks();
}

void CExplorerListView::ForgetRows() {
  CExplorerFrame* frame = Frame();
  if (!frame) return;
  for (int row = 0; row < GetItemCount(); ++row) {
    if (auto* node = reinterpret_cast<const CExplorerObject*>(CListCtrl::GetItemData(row))) frame->ForgetObject(node);
  }
}

void CExplorerListView::ClearPane() {
  InvalidateLinks();
  m_nDropHighlight = -1;
  if (!m_hWnd) return;
  ForgetRows();
  if (m_pContext) {
    m_pContext->ClearList(*this);
    return;
  }
  // The context was taken away (it is being deleted): its rows still go, without widths to keep.
  for (int row = GetItemCount() - 1; row >= 0; --row) {
    auto* node = reinterpret_cast<CExplorerObject*>(CListCtrl::GetItemData(row));
    SetItemData(row, 0);
    CListCtrl::DeleteItem(row);
    if (CExplorerObject::IsLive(node)) delete node;
  }
  while (GetColumnCount() > 0) DeleteColumn(GetColumnCount() - 1);
}

void CExplorerListView::ReleaseContext(CExplorerObject* object) {
  if (!object || object != m_pContext) return;
  ClearPane();
  m_pContext = nullptr;
}

int CExplorerListView::DeletingContainer(CExplorerObject* object) {
  if (!m_pContext || !CExplorerObject::IsLive(object) || !(*object == *m_pContext)) return 0;
  m_pContext = nullptr;
  return 1;
}

// ---------------------------------------------------------------- rows

CExplorerObject* CExplorerListView::GetRowObject(int row) const {
  auto* node = reinterpret_cast<CExplorerObject*>(CListCtrl::GetItemData(row));
  return CExplorerObject::IsLive(node) ? node : nullptr;
}

CExplorerObject* CExplorerListView::GetCurrentObject() const { return GetRowObject(GetNextItem(-1, LVNI_SELECTED)); }

int CExplorerListView::FindItem(CExplorerObject* object) const {
  if (!CExplorerObject::IsLive(object)) return -1;
  const int count = GetItemCount();
  for (int row = 0; row < count; ++row) {
    if (reinterpret_cast<CExplorerObject*>(CListCtrl::GetItemData(row)) == object) return row;
  }
  for (int row = 0; row < count; ++row) {
    CExplorerObject* node = GetRowObject(row);
    if (node && (*node == *object)) return row;
  }
  return -1;
}

CExplorerObject* CExplorerListView::DetachItem(CExplorerObject* object) {
  const int row = FindItem(object);
  if (row < 0) return nullptr;
  CExplorerObject* node = GetRowObject(row);
  SetItemData(row, 0);
  CListCtrl::DeleteItem(row);
  InvalidateLinks();
  return node;
}

int CExplorerListView::DeleteItem(CExplorerObject* object) { return DetachItem(object) ? 1 : 0; }

int CExplorerListView::RenameItem(CExplorerObject* object) {
  if (!CExplorerObject::IsLive(object)) return 0;
  const GUID& objectClass = object->GetClassID();
  const bool modelType = objectClass == CLSID_QVEOBlockType || objectClass == CLSID_QVEOStreamType;
  if (modelType && m_pContext && (*object == *m_pContext)) {
    // The renamed type is shown here: its text row carries the name.
    for (int row = 0; row < GetItemCount(); ++row) {
      CExplorerObject* node = GetRowObject(row);
      if (node && node->GetClassID() == CLSID_QVEOModelText) {
        std::string name;
        object->GetDisplayText(EOAspectName, name);
        SetItemText(row, 0, name);
        break;
      }
    }
    return 0;
  }
  const int row = FindItem(object);
  CExplorerObject* node = GetRowObject(row);
  if (!node) return 0;
  std::string name;
  node->GetDisplayText(EOAspectName, name);
  SetItemText(row, 0, name);
  return 1;
}

int CExplorerListView::FindRowByLabel(const std::string& label) const {
  int caseless = -1;
  const int count = GetItemCount();
  for (int row = 0; row < count; ++row) {
    const std::string text = GetItemText(row, 0);
    if (text == label) return row;
    if (caseless < 0 && CompareNoCase(text, label) == 0) caseless = row;
  }
  return caseless;
}

std::string CExplorerListView::GetColumnHeading(int column) const {
  char text[256] = {};
  LVCOLUMN heading;
  heading.mask = LVCF_TEXT;
  heading.pszText = text;
  heading.cchTextMax = sizeof text;
  return GetColumn(column, &heading) ? std::string(text) : std::string();
}

int CExplorerListView::FindColumn(const std::string& heading) const {
  for (int column = 0; column < GetColumnCount(); ++column) {
    if (GetColumnHeading(column) == heading) return column;
  }
  return -1;
}

int CExplorerListView::ToggleIconAutoArrange() {
  const bool on = (GetStyle() & LVS_AUTOARRANGE) == 0;
  ModifyStyle(on ? 0 : LVS_AUTOARRANGE, on ? LVS_AUTOARRANGE : 0);
  return on ? 1 : 0;
}
