#include "platform/Frame.h"

#include "platform/Command.h"
#include "platform/Document.h"
#include "platform/Resources.h"

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

bool CFrameWnd::PreCreateWindow(CREATESTRUCT&) { return true; }

bool CFrameWnd::OnCreateClient(CREATESTRUCT*, CCreateContext*) { return true; }

bool CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
  m_nIDResource = resourceId;
  CREATESTRUCT cs;
  cs.style = style;
  cs.parent = parent;
  // On failure an auto-deleting frame is deleted, whichever step failed.
  if (!PreCreateWindow(cs) ||
      !CreateEx(cs.dwExStyle, "Frame", cs.name, cs.style, CRect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy), parent, 0)) {
    if (m_autoDelete) delete this;
    return false;
  }
  m_menu.LoadMenu(resourceId);
  if (WindowRecord* rec = Record()) rec->accelerators = LoadAccelerators(resourceId);
  m_document = context ? context->m_pCurrentDoc : nullptr;
  if (!OnCreateClient(&cs, context)) {
    DestroyWindow();  // an auto-deleting frame is gone after this
    return false;
  }
  return true;
}

const AcceleratorTable* CFrameWnd::Accelerators() const {
  WindowRecord* rec = Record();
  return rec ? rec->accelerators : nullptr;
}

void CFrameWnd::SetActiveView(CView* view, bool notify) {
  CView* old = m_activeView;
  m_activeView = view;
  if (notify && old != view) {
    if (old && old->ViewWindow() && IsWindow(old->ViewWindow()->m_hWnd)) old->OnActivateView(false, view, old);
    if (view) view->OnActivateView(true, view, old);
  }
}

bool CFrameWnd::OnCmdMsg(UINT id, int code, CCmdUI* ui) {
  CView* view = m_activeView;
  CWnd* viewWindow = view ? view->ViewWindow() : nullptr;
  if (viewWindow && IsWindow(viewWindow->m_hWnd) && viewWindow->OnCmdMsg(id, code, ui)) return true;
  return OnFrameCommand(id, code, ui);
}

void CFrameWnd::PostNcDestroy() {
  m_activeView = nullptr;
  if (m_autoDelete) delete this;
}

bool CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
  cs.style |= WS_CHILD;
  return true;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
  CWnd* client = GetParent();
  return client ? dynamic_cast<CMDIFrameWnd*>(client->GetParent()) : nullptr;
}

void CMDIChildWnd::MDIActivate() {
  if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

int CMDIFrameWnd::OnCreate() {
  CRect client;
  GetClientRect(&client);
  return m_client.Create("MDIClient", "", WS_CHILD | WS_VISIBLE, client, this, AFX_IDW_PANE_FIRST) ? 0 : -1;
}

void CMDIFrameWnd::OnSize(UINT, int cx, int cy) {
  if (m_client.m_hWnd) m_client.MoveWindow(CRect(0, 0, cx, cy));
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive() const {
  if (auto* active = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(m_active))) return active;
  // A hidden child (a window a provider keeps for itself) is never the active one.
  const auto children = ChildFrames();
  for (auto child = children.rbegin(); child != children.rend(); ++child)
    if ((*child)->IsVisibleFlag()) return *child;
  return nullptr;
}

void CMDIFrameWnd::MDIActivate(CMDIChildWnd* child) {
  m_active = child ? child->m_hWnd : nullptr;
  if (child) NotifyWindowChanged(*child);
}

std::vector<CMDIChildWnd*> CMDIFrameWnd::ChildFrames() const {
  std::vector<CMDIChildWnd*> frames;
  for (CWnd* w : m_client.GetChildren()) {
    if (auto* frame = dynamic_cast<CMDIChildWnd*>(w)) frames.push_back(frame);
  }
  return frames;
}

bool CMDIFrameWnd::OnCmdMsg(UINT id, int code, CCmdUI* ui) {
  if (CMDIChildWnd* child = MDIGetActive()) {
    if (child->OnCmdMsg(id, code, ui)) return true;
  }
  if (id == ID_WINDOW_CASCADE || id == ID_WINDOW_TILE_HORZ || id == ID_WINDOW_TILE_VERT) {
    if (code == CN_UPDATE_COMMAND_UI) {
      if (ui) ui->Enable(!ArrangeableFrames().empty());
    } else if (id == ID_WINDOW_CASCADE) {
      MDICascade();
    } else {
      MDITile(id == ID_WINDOW_TILE_HORZ);
    }
    return true;
  }
  return CFrameWnd::OnCmdMsg(id, code, ui);
}
