#include "tests/app/DemoDesktop.h"

#include "explorer/resources/CommandIds.h"
#include "explorer/resources/ExplorerResources.h"
#include "explorer/resources/IconIds.h"
#include "explorer/resources/MenuIds.h"
#include "platform/Command.h"
#include "platform/Resources.h"
#include "tests/app/AppTestSupport.h"

namespace {

constexpr UINT kViewCommands[] = {ID_VIEW_LARGE_ICONS, ID_VIEW_SMALL_ICONS, ID_VIEW_LIST, ID_VIEW_DETAILS};
constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
constexpr UINT kPictures[] = {IDI_SIMULATION, IDI_FOLDER, IDI_BLOCK, IDI_STREAM, IDI_MODEL};

void FillImages(CImageList& images, int size) {
  images.Create(size, size, ILC_MASK, 0, 10);
  for (UINT id : kPictures) images.Add(LoadIcon(id));
  images.SetOverlayImage(images.Add(LoadIcon(IDI_OVERLAY_ERROR_MARK)), 1);
}

}  // namespace

CImageList& DemoSmallImages() {
  static CImageList images;
  if (!images.IsCreated()) FillImages(images, 16);
  return images;
}

CImageList& DemoLargeImages() {
  static CImageList images;
  if (!images.IsCreated()) FillImages(images, 32);
  return images;
}

CTreeCtrl* DemoChildFrame::Tree() const { return dynamic_cast<CTreeCtrl*>(m_splitter.GetPane(0, 0)); }

CListCtrl* DemoChildFrame::List() const {
  CWnd* pane = m_splitter.GetPane(0, 1);
  if (!pane) pane = m_splitter.GetPane(1, 0);
  return dynamic_cast<CListCtrl*>(pane);
}

bool DemoChildFrame::OnCreateClient(CREATESTRUCT*, CCreateContext*) {
  if (!m_splitter.CreateStatic(this, 1, 2)) return false;
  m_splitter.SetColumnInfo(0, 160, 50);
  bool made = m_splitter.CreatePane(
      0, 0,
      [](CWnd* parent, UINT id, const CRect& rect) {
        auto tree = std::make_unique<CTreeCtrl>();
        tree->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                         TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                     rect, parent, id);
        return tree;
      },
      CSize(160, 0));
  made = made && m_splitter.CreatePane(
                     0, 1,
                     [](CWnd* parent, UINT id, const CRect& rect) {
                       auto list = std::make_unique<CListCtrl>();
                       list->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_ICON | LVS_EDITLABELS |
                                        LVS_SHOWSELALWAYS | LVS_AUTOARRANGE,
                                    rect, parent, id);
                       return list;
                     },
                     CSize(0, 0));
  if (!made) return false;
  Fill();
  return true;
}

void DemoChildFrame::Fill() {
  CTreeCtrl* tree = Tree();
  CListCtrl* list = List();
  tree->SetImageList(&DemoSmallImages(), TVSIL_NORMAL);
  list->SetImageList(&DemoLargeImages(), LVSIL_NORMAL);
  list->SetImageList(&DemoSmallImages(), LVSIL_SMALL);
  m_root = tree->InsertItem("Simulation", 0, 0);
  for (const char* name : {"Flowsheet", "Simulation Types", "Libraries", "Diagnostics"})
    tree->InsertItem(name, 1, 1, m_root);
  tree->Expand(m_root, TVE_EXPAND);
  tree->SelectItem(m_root);
  list->InsertColumn(0, "Name", LVCFMT_LEFT, 120);
  list->InsertColumn(1, "Type", LVCFMT_LEFT, 90);
  const char* rows[][2] = {{"Feed", "Stream"}, {"V101", "Valve"}, {"T101", "Tank"}, {"P101", "Pump"}, {"T102", "Tank"}};
  for (const auto& row : rows) {
    int index = list->InsertItem(list->GetItemCount(), row[0], row[1][0] == 'S' ? 3 : 2);
    list->SetItemText(index, 1, row[1]);
  }
  list->SetItemState(2, INDEXTOOVERLAYMASK(1), LVIS_OVERLAYMASK);
}

bool DemoChildFrame::OnFrameCommand(UINT id, int code, CCmdUI* ui) {
  for (int i = 0; i < 4; ++i) {
    if (id != kViewCommands[i]) continue;
    CListCtrl* list = List();
    if (code == CN_UPDATE_COMMAND_UI) {
      if (ui) {
        ui->Enable(true);
        ui->SetCheck(list && list->GetViewStyle() == kViewStyles[i] ? 1 : 0);
      }
    } else if (list) {
      list->ModifyStyle(LVS_TYPEMASK, kViewStyles[i]);
    }
    return true;
  }
  return false;
}

DemoDesktop::DemoDesktop() {
  TestApplication();
  RegisterExplorerResources();
  m_frame = new CMDIFrameWnd;
  m_frame->LoadFrame(IDR_EXPLORER_TEMPLATE, WS_VISIBLE, nullptr, nullptr);
  m_frame->SetWindowText("Demo Desktop");
  m_window = std::make_unique<MainWindow>(*m_frame, m_peers);
  m_window->resize(900, 640);
  m_window->show();
  ProcessAll();
}

DemoDesktop::~DemoDesktop() {
  m_window.reset();
  if (IsWindow(m_frame->m_hWnd)) m_frame->DestroyWindow();
  MessageQueue::Clear();
}

DemoChildFrame* DemoDesktop::OpenChild(const std::string& title, const CRect& rect) {
  auto* child = new DemoChildFrame;
  if (!child->LoadFrame(IDR_EXPLORER_TEMPLATE, WS_CHILD | WS_VISIBLE, m_frame->MDIClient(), nullptr)) return nullptr;
  child->SetWindowText(title);
  child->MoveWindow(rect);
  m_frame->MDIActivate(child);
  ProcessAll();
  return child;
}
