// Creating and closing an Explorer window: the root node from the host's
// record, the splitters with their panes and caption strips, the stored view
// settings, and the list of open Explorers.
#include "explorer/window/ExplorerFrame.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "explorer/core/ExplorerContainerObject.h"
#include "explorer/window/ExplorerContainerCast.h"
#include "explorer/core/ExplorerExclusionList.h"
#include "explorer/core/ExplorerMessages.h"
#include "explorer/core/ExplorerTemplateId.h"
#include "explorer/core/NodeClassIds.h"
#include "explorer/core/QVExplorer.h"
#include "explorer/window/ExplorerListView.h"
#include "explorer/window/ExplorerNodeExtensions.h"
#include "explorer/window/ExplorerTreeView.h"
#include "explorer/window/PaneLabelView.h"
#include "host/framework/CRBaseApp.h"
#include "host/framework/CRQVDocument.h"
#include "host/framework/CorvaneViewContext.h"
#include "host/store/IFNaming.h"
#include "host/store/IFRoot.h"
#include "host/store/IFType.h"
#include "host/store/MwInstance.h"
#include "platform/Registry.h"

namespace {

constexpr int kCaptionStripHeight = 15;
constexpr int kInitialFrameWidth = 180;
constexpr int kInitialFrameHeight = 360;

// The instance a record names: the library (or simulation) of slot 3, then the type of slot 4 in it.
CComPtr<IFInstance> RecordInstance(CRDocument* document, const tag_CorvaneViewContext& record) {
  CComPtr<IUnknown> model;
  if (!document || FAILED(document->GetRootModel(&model)) || !model) return nullptr;
  CComPtr<IFRoot> root = ComQuery<IFRoot>(model);
  if (!root) return nullptr;
  MwInstance path(root.Get(), record.libraryName);
  bool pushed = !record.typeName.empty() && SUCCEEDED(path.Push(record.typeName));
  CComPtr<IFInstance> instance;
  if (FAILED(path.QueryInstance(&instance))) instance = nullptr;
  if (pushed) path.Pop();
  return instance;
}

// Whether the type behind a root node is held in a model library (read-only there).
int HeldInLibrary(CExplorerObject& root) {
  IFInstance* typeInstance = root.GetType();
  CComPtr<IFType> type;
  if (!typeInstance || FAILED(typeInstance->GetType(&type)) || !type) return 0;
  CComPtr<IFNaming> naming = ComQuery<IFNaming>(type);
  bool inLibrary = false;
  return naming && SUCCEEDED(naming->IsLibraryType(&inLibrary)) && inLibrary ? 1 : 0;
}

bool IsShownPlacement(const tag_CorvaneViewContext* record) {
  if (!record || !record->placement) return false;
  const CorvaneWindowPlacement& p = *record->placement;
  return p.showState >= SW_SHOW && p.showState <= SW_RESTORE && p.cx >= 1 && p.cy >= 1;
}

}  // namespace

CExplorerFrame::CExplorerFrame() {
  m_nIDResource = IDR_EXPLORER_TEMPLATE;
  m_nViewType = QV_VIEWTYPE_EXPLORER;
  m_wndSplitter.SetFrame(this);
}

CExplorerFrame::~CExplorerFrame() {
  Deregister();
  m_pCurrentObject = nullptr;
  delete m_pRootObject;
  m_pRootObject = nullptr;
  delete m_pExclusionList;
  m_pExclusionList = nullptr;
}

CExplorerFrame* CExplorerFrame::Open(const tag_CorvaneViewContext* context) {
  CWnd* main = AfxGetMainWnd();
  if (!main || !IsWindow(main->m_hWnd)) return nullptr;
  tag_CorvaneViewContext record;
  if (context) record = *context;
  record.viewClass = CLSID_ExplorerTemplate;
  const CExplorerFrame* newestBefore = m_ActiveExplorers.empty() ? nullptr : m_ActiveExplorers.front();
  main->SendMessage(WM_SHOW_CORVANEVIEW, 0, reinterpret_cast<LPARAM>(&record));
  if (m_ActiveExplorers.empty() || m_ActiveExplorers.front() == newestBefore) return nullptr;
  return m_ActiveExplorers.front();
}

bool CExplorerFrame::PreCreateWindow(CREATESTRUCT& cs) {
  if (!CRQVMDIChildFrame::PreCreateWindow(cs)) return false;
  cs.style &= ~FWS_ADDTOTITLE;
  cs.cx = kInitialFrameWidth;
  cs.cy = kInitialFrameHeight;
  return true;
}

bool CExplorerFrame::OnCreateClient(CREATESTRUCT* cs, CCreateContext* context) {
  CREATESTRUCT creation = cs ? *cs : CREATESTRUCT{};
  auto* document = context ? dynamic_cast<CRDocument*>(context->m_pCurrentDoc) : nullptr;
  const tag_CorvaneViewContext* record = document ? document->GetViewContext() : nullptr;

  SizeFrame(record);
  m_pRootObject = MakeRoot(context, record);
  if (!m_pRootObject) return false;

  GetTreePaneWidth(m_nTreePaneWidth);
  if (m_nTreePaneWidth > static_cast<unsigned>(creation.cy)) m_nTreePaneWidth = static_cast<unsigned>(creation.cy);
  if (!CreateSplitters(m_nTreePaneWidth)) return false;

  // The panes hear the simulation document's updates.
  CDocument* viewDocument = document;
  if (CRBaseApp* app = CRBaseApp::GetApp()) {
    if (CRQVDocument* current = app->GetCurrentDocument()) viewDocument = current;
  }
  if (!CreatePanes(creation, m_nTreePaneWidth, viewDocument)) return false;
  m_wndSplitter.RecalcLayout();
  m_bViewsCreated = 1;

  m_pExclusionList = new CExplorerExclusionList(m_pRootObject->GetClassID(), 1);
  m_pRootObject->SetExclusionList(m_pExclusionList);
  m_pTreeView->SetContext(m_pRootObject);
  UpdateTreeCaption();
  SetPaneOrientation();
  ApplyStoredSettings();

  m_strRootPath.clear();
  if (IFInstance* type = m_pRootObject->GetType()) {
    MwInstance path(type);
    std::string text;
    if (SUCCEEDED(path.StringPath(text))) m_strRootPath = text;
  }
  UpdateCaption(nullptr);

  Register();
  m_wndSplitter.SetActiveWindow(m_pTreeView);
  SetCurrentObject(m_pTreeView->GetCurrentObject());

  const GUID& rootClass = m_pRootObject->GetClassID();
  if (record && CExplorerDirectMakers::openAt && (rootClass == CLSID_QVEOGroup || rootClass == CLSID_QVEOTornGroup))
    CExplorerDirectMakers::openAt(*this, *record);
  return true;
}

void CExplorerFrame::SizeFrame(const tag_CorvaneViewContext* record) {
  CRect client;
  if (CWnd* area = GetParent()) area->GetClientRect(&client);
  if (IsShownPlacement(record)) {
    const CorvaneWindowPlacement& p = *record->placement;
    MoveWindow(p.x, p.y, p.cx, p.cy);
    ShowWindow(p.showState);
    return;
  }
  WindowRecord* self = Record();
  if (!self) return;
  int height = static_cast<int>(client.Height() * 0.9);
  if (height <= 0) height = kInitialFrameHeight;  // an area without size: keep the frame usable
  MoveWindow(CRect(self->rect.left, self->rect.top, self->rect.left + kInitialFrameWidth, self->rect.top + height));
}

CExplorerContainerObject* CExplorerFrame::MakeRoot(CCreateContext* context,
                                                   const tag_CorvaneViewContext* record) {
  auto* document = context ? dynamic_cast<CRDocument*>(context->m_pCurrentDoc) : nullptr;
  CExplorerObject* root = nullptr;
  if (!record || record->text.empty()) {
    CComPtr<IUnknown> model;
    CComPtr<IFInstance> simulation;
    if (document && SUCCEEDED(document->GetRootModel(&model))) simulation = ComQuery<IFInstance>(model);
    const GUID& classId = m_iSelClsid == 1 ? CLSID_QVEOLibraries : CLSID_QVEOSimulation;
    if (m_iSelClsid == 1) m_iSelClsid = 0;
    root = CQVExplorer::Manufacture(classId, simulation, nullptr, this);
  } else {
    std::optional<GUID> classId = GUID::Parse(record->text);
    if (!classId) return nullptr;
    if (!record->libraryName.empty()) {
      CComPtr<IFInstance> instance = RecordInstance(document, *record);
      if (*classId == CLSID_QVEOUserFolder) {
        root = MakeUserFolder(instance, record->folder);
      } else {
        root = CQVExplorer::Manufacture(*classId, instance, nullptr, this);
      }
      if (root) root->SetReadOnly(HeldInLibrary(*root));
    } else if (*classId == CLSID_QVEOGroup || *classId == CLSID_QVEOTornGroup || *classId == CLSID_QVEOEquivalence) {
      CExplorerDirectMakers::DecompositionRootMaker make =
          *classId == CLSID_QVEOGroup       ? CExplorerDirectMakers::group
          : *classId == CLSID_QVEOTornGroup ? CExplorerDirectMakers::tornGroup
                                            : CExplorerDirectMakers::equivalence;
      if (make) root = make(record->dataSource, nullptr, this);
    } else {
      // A record may carry the object to root at (a flowsheet unit a view names) as its data source.
      root = CQVExplorer::Manufacture(*classId, ComQuery<IFInstance>(record->dataSource).Get(), nullptr, this);
    }
  }
  auto* container = AsContainer(root);
  if (!container) delete root;
  return container;
}

CExplorerObject* CExplorerFrame::MakeUserFolder(IFInstance* parent, IFFolder* folder) {
  if (!CExplorerDirectMakers::userFolder) {
    // A program that forgot the start-up registration would otherwise show nothing, silently.
    std::fputs("Explorer: no maker for user folders is registered; call RegisterExplorerNodeClasses() at start-up\n",
               stderr);
    return nullptr;
  }
  return CExplorerDirectMakers::userFolder(parent, nullptr, this, folder, 0);
}

bool CExplorerFrame::CreateSplitters(unsigned treeWidth) {
  if (!m_wndSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST)) return false;
  const int width = static_cast<int>(treeWidth);
  m_wndSplitter.SetColumnInfo(0, width, width / 3);
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
  return m_wndTreeSplitter.CreateStatic(&m_wndSplitter, 2, 1, style, m_wndSplitter.IdFromRowCol(0, 0)) &&
         m_wndContentsSplitter.CreateStatic(&m_wndSplitter, 2, 1, style, m_wndSplitter.IdFromRowCol(0, 1));
}

namespace {

// A pane factory that creates view and remembers it in slot.
template <typename View>
CSplitterWnd::PaneFactory MakeView(View*& slot, CDocument* document) {
  return [&slot, document](CWnd* parent, UINT id, const CRect& rect) -> std::unique_ptr<CWnd> {
    auto view = std::make_unique<View>();
    if (!view->Create(rect, parent, id)) return nullptr;
    if (document) view->SetDocument(document);
    slot = view.get();
    return view;
  };
}

CSplitterWnd::PaneFactory MakeLabel(CPaneLabelView*& slot) {
  return [&slot](CWnd* parent, UINT id, const CRect& rect) -> std::unique_ptr<CWnd> {
    auto label = std::make_unique<CPaneLabelView>();
    if (!label->CreateForm(parent, id, rect)) return nullptr;
    slot = label.get();
    return label;
  };
}

}  // namespace

bool CExplorerFrame::CreatePanes(const CREATESTRUCT& cs, unsigned treeWidth, CDocument* document) {
  const int width = static_cast<int>(treeWidth);
  return m_wndTreeSplitter.CreatePane(0, 0, MakeLabel(m_pTreeLabel), CSize(width, kCaptionStripHeight)) &&
         m_wndTreeSplitter.CreatePane(1, 0, MakeView(m_pTreeView, document), CSize(0, cs.cy)) &&
         m_wndContentsSplitter.CreatePane(0, 0, MakeLabel(m_pContentsLabel),
                                          CSize(cs.cx - width, kCaptionStripHeight)) &&
         m_wndContentsSplitter.CreatePane(1, 0, MakeView(m_pListView, document), CSize(0, cs.cy));
}

void CExplorerFrame::ApplyStoredSettings() {
  DWORD viewType = EXPLORER_VIEW_LARGE_ICONS;
  std::string sortColumn;
  DWORD sortUp = 1;
  DWORD onlyFirstUnconverged = 0;
  DWORD showVariablesInGroups = 1;
  CRegKey key;
  if (key.Open(HKEY_CURRENT_USER, CQVExplorer::GetSettingsRootKeyName(), KEY_READ) == ERROR_SUCCESS) {
    key.QueryDWORDValue("ListViewType", viewType);
    std::string text;
    LSTATUS read = key.QueryStringValue("SortColumn", text, 256);
    if (read == ERROR_SUCCESS || read == ERROR_MORE_DATA) sortColumn = text;
    key.QueryDWORDValue("SortColumnUp", sortUp);
    key.QueryDWORDValue("OnlyShowFirstUnconvergedGroup", onlyFirstUnconverged);
    key.QueryDWORDValue("ShowVariablesinGroups", showVariablesInGroups);
  }
  SetListViewType(viewType);
  m_pListView->SetColumnSortInfo(sortColumn, static_cast<int>(sortUp));
  m_pExclusionList->SetOnlyFirstUnconverged(static_cast<int>(onlyFirstUnconverged));
  m_pExclusionList->SetShowVariablesInGroups(static_cast<int>(showVariablesInGroups), nullptr);
}

void CExplorerFrame::Register() {
  Deregister();
  m_ActiveExplorers.insert(m_ActiveExplorers.begin(), this);
}

void CExplorerFrame::Deregister() { std::erase(m_ActiveExplorers, this); }

void CExplorerFrame::OnDestroy() {
  CRQVMDIChildFrame::OnDestroy();
  Deregister();
}

// ---------------------------------------------------------------- the current node

CExplorerObject* CExplorerFrame::GetCurrentObject() const {
  return CExplorerObject::IsLive(m_pCurrentObject) ? m_pCurrentObject : nullptr;
}

void CExplorerFrame::SetCurrentObject(CExplorerObject* object) {
  m_pCurrentObject = CExplorerObject::IsLive(object) ? object : nullptr;
}

void CExplorerFrame::ForgetObject(const CExplorerObject* object) {
  if (!object) return;
  if (m_pCurrentObject == object) m_pCurrentObject = nullptr;
  m_pendingObjects.erase(object);
}

CExplorerObject* CExplorerFrame::GetCurrentSelObject() {
  CWnd* active = m_wndSplitter.GetActivePane();
  if (m_pTreeView && active == m_pTreeView) return m_pTreeView->GetCurrentObject();
  if (m_pListView && active == m_pListView) return m_pListView->GetCurrentObject();
  return nullptr;
}

bool CExplorerFrame::IsTreeView() { return m_pTreeView && m_pTreeView->HasFocus(); }

CTreeCtrl* CExplorerFrame::GetTreePaneControl() { return m_pTreeView; }

CListCtrl* CExplorerFrame::GetContentsPaneControl() { return m_pListView; }

void CExplorerFrame::OnPaneFocused(CWnd* pane) {
  if (m_activating || !pane) return;
  m_activating = true;
  m_wndSplitter.SetActiveWindow(pane);
  m_activating = false;
}

void CExplorerFrame::SuspendUpdates() {
  if (m_pTreeView) m_pTreeView->SetReady(false);
}

void CExplorerFrame::ResumeUpdates() {
  if (m_pTreeView) m_pTreeView->SetReady(true);
}

void CExplorerFrame::RunPaused() {
  if (m_pTreeView) m_pTreeView->RunPaused();
}
