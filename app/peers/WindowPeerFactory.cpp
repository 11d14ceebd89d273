#include "app/peers/WindowPeerFactory.h"

#include <algorithm>
#include <vector>

#include <QMdiArea>
#include <QStackedWidget>

#include "app/peers/ContainerPeer.h"
#include "app/peers/DialogControlPeer.h"
#include "app/peers/InPlaceLabelEditor.h"
#include "app/peers/ListCtrlPeer.h"
#include "app/peers/MdiAreaPeer.h"
#include "app/peers/MdiFramePeer.h"
#include "app/peers/SheetPeer.h"
#include "app/peers/SplitterPeer.h"
#include "app/peers/TreeCtrlPeer.h"
#include "platform/Frame.h"
#include "platform/LabelEditWnd.h"
#include "platform/PropertySheet.h"
#include "platform/Splitter.h"

namespace {

WindowPeerFactory* g_current = nullptr;

// Handles of window and everything below it, children before their parents.
void CollectSubtree(HWND window, std::vector<HWND>& out) {
  if (const CWnd* wnd = CWnd::FromHandle(window)) {
    if (const WindowRecord* record = wnd->Record()) {
      for (HWND child : record->children) CollectSubtree(child, out);
    }
  }
  out.push_back(window);
}

}  // namespace

WindowPeerFactory::WindowPeerFactory() {
  AddWindowObserver(this);
  g_current = this;
}

WindowPeerFactory::~WindowPeerFactory() {
  RemoveWindowObserver(this);
  if (m_labelEditor) delete m_labelEditor.data();
  while (!m_peers.empty()) Release(m_peers.begin()->first);
  if (g_current == this) g_current = nullptr;
}

WindowPeerFactory* WindowPeerFactory::Current() { return g_current; }

WindowPeer* WindowPeerFactory::PeerOf(HWND window) const {
  auto it = m_peers.find(window);
  return it == m_peers.end() ? nullptr : it->second.get();
}

WindowPeer* WindowPeerFactory::PeerOfWidget(const QWidget* widget) const {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    QVariant handle = w->property("vortanWindow");
    if (!handle.isValid()) continue;
    if (WindowPeer* peer = PeerOf(reinterpret_cast<HWND>(handle.value<quintptr>()))) return peer;
  }
  return nullptr;
}

WindowPeer* WindowPeerFactory::Add(std::unique_ptr<WindowPeer> peer) {
  HWND handle = peer->Handle();
  WindowPeer* added = peer.get();
  m_peers[handle] = std::move(peer);
  added->Sync();
  return PeerOf(handle);
}

WindowPeer* WindowPeerFactory::AdoptMdiClient(CWnd& client, QMdiArea& area) {
  Release(client.m_hWnd);
  WindowPeer* peer = Add(std::make_unique<MdiAreaPeer>(*this, client, area));
  AdoptChildren(client);
  return peer;
}

WindowPeer* WindowPeerFactory::AdoptTopLevel(CWnd& window, QWidget& host, PeerUnits units) {
  Release(window.m_hWnd);
  std::unique_ptr<WindowPeer> peer;
  if (auto* sheet = dynamic_cast<CPropertySheet*>(&window)) {
    peer = std::make_unique<SheetPeer>(*this, *sheet, &host);
  } else {
    peer = std::make_unique<ContainerPeer>(*this, window, &host, units, units);
  }
  WindowPeer* added = Add(std::move(peer));
  AdoptChildren(window);
  if (added) added->Sync();
  return added;
}

std::unique_ptr<WindowPeer> WindowPeerFactory::MakePeer(CWnd& window, WindowPeer& parent) {
  if (dynamic_cast<CLabelEditWnd*>(&window)) return nullptr;  // drawn by the in-place editor
  if (auto* area = dynamic_cast<MdiAreaPeer*>(&parent)) {
    auto* frame = dynamic_cast<CMDIChildWnd*>(&window);
    return frame && area->Area() ? std::make_unique<MdiFramePeer>(*this, *frame, *area->Area()) : nullptr;
  }
  QWidget* area = parent.ChildArea();
  if (!area) return nullptr;
  const PeerUnits units = parent.ChildUnits();
  if (auto* tree = dynamic_cast<CTreeCtrl*>(&window)) return std::make_unique<TreeCtrlPeer>(*this, *tree, area, units);
  if (auto* list = dynamic_cast<CListCtrl*>(&window)) return std::make_unique<ListCtrlPeer>(*this, *list, area, units);
  if (auto* splitter = dynamic_cast<CSplitterWnd*>(&window))
    return std::make_unique<SplitterPeer>(*this, *splitter, area, units);
  if (auto* item = dynamic_cast<CDialogItem*>(&window)) return MakeDialogControlPeer(*this, *item, area, units);
  // Forms, pages and plain windows: their children keep the parent's units.
  return std::make_unique<ContainerPeer>(*this, window, area, units, units);
}

void WindowPeerFactory::WindowCreated(CWnd& window) {
  const WindowRecord* record = window.Record();
  if (!record || PeerOf(window.m_hWnd)) return;
  WindowPeer* parent = PeerOf(record->parent);
  if (!parent) {
    bool dialog = dynamic_cast<CDialog*>(&window) || dynamic_cast<CPropertySheet*>(&window);
    if (!record->parent && dialog && onTopLevelWindow) onTopLevelWindow(window.m_hWnd);
    return;
  }
  std::unique_ptr<WindowPeer> peer = MakePeer(window, *parent);
  if (!peer) return;
  const HWND handle = window.m_hWnd;
  const HWND parentHandle = record->parent;
  if (!Add(std::move(peer))) return;
  AdoptChildren(window);
  WindowPeer* added = PeerOf(handle);
  if (WindowPeer* stillParent = PeerOf(parentHandle); stillParent && added) stillParent->ChildChanged(*added);
  // A label names the control after it: it looks again now that the control is drawn.
  if (dynamic_cast<CDialogItem*>(&window)) {
    if (WindowPeer* previous = PreviousSiblingPeer(window)) previous->Sync();
  }
}

WindowPeer* WindowPeerFactory::PreviousSiblingPeer(const CWnd& window) const {
  CWnd* parent = window.GetParent();
  if (!parent) return nullptr;
  CWnd* previous = nullptr;
  for (CWnd* sibling : parent->GetChildren()) {
    if (sibling == &window) return previous ? PeerOf(previous->m_hWnd) : nullptr;
    previous = sibling;
  }
  return nullptr;
}

void WindowPeerFactory::AdoptChildren(CWnd& window) {
  for (CWnd* child : window.GetChildren()) {
    if (!PeerOf(child->m_hWnd)) WindowCreated(*child);
  }
}

void WindowPeerFactory::WindowDestroying(CWnd& window) {
  CloseLabelEditor(window.m_hWnd);
  Release(window.m_hWnd);
}

void WindowPeerFactory::Release(HWND window) {
  std::vector<HWND> order;
  CollectSubtree(window, order);
  if (std::find(order.begin(), order.end(), window) == order.end()) order.push_back(window);
  for (HWND handle : order) {
    auto it = m_peers.find(handle);
    if (it == m_peers.end()) continue;
    // Out of the table first: deleting widgets may make Qt call back into the factory.
    std::unique_ptr<WindowPeer> peer = std::move(it->second);
    m_peers.erase(it);
    peer.reset();
  }
}

void WindowPeerFactory::WindowChanged(CWnd& window) {
  if (m_labelEditor && m_labelEditor->EditorWindow() == window.m_hWnd) m_labelEditor->SyncFromPlatform();
  WindowPeer* peer = PeerOf(window.m_hWnd);
  if (!peer) return;
  HWND handle = window.m_hWnd;
  peer->Sync();
  const WindowRecord* record = window.Record();
  if (!record || !PeerOf(handle)) return;
  if (WindowPeer* parent = PeerOf(record->parent)) parent->ChildChanged(*PeerOf(handle));
}

void WindowPeerFactory::FlushAll() {
  std::vector<HWND> handles;
  handles.reserve(m_peers.size());
  for (const auto& entry : m_peers) handles.push_back(entry.first);
  for (HWND handle : handles) {
    if (WindowPeer* peer = PeerOf(handle)) peer->Flush();
  }
}

void WindowPeerFactory::SyncFocus() {
  CWnd* focus = CWnd::GetFocus();
  HWND handle = focus ? focus->m_hWnd : nullptr;
  if (handle == m_lastFocus) return;
  m_lastFocus = handle;
  WindowPeer* peer = PeerOf(handle);
  QWidget* widget = peer ? peer->Widget() : nullptr;
  if (!widget || !widget->isVisible() || widget->hasFocus()) return;
  if (auto* stack = qobject_cast<QStackedWidget*>(widget); stack && stack->currentWidget()) widget = stack->currentWidget();
  widget->setFocus(Qt::OtherFocusReason);
}

void WindowPeerFactory::OpenLabelEditor(ILabelEdit& edit) {
  auto* editorWindow = dynamic_cast<CWnd*>(&edit);
  if (!editorWindow || !edit.IsActive()) return;
  WindowPeer* control = PeerOf(edit.Control().m_hWnd);
  if (!control) return;
  control->Flush();
  QRect rect;
  QWidget* host = control->LabelEditHost(&rect);
  if (!host) return;
  if (m_labelEditor) m_labelEditor->Close();
  m_labelEditor = new InPlaceLabelEditor(editorWindow->m_hWnd, host, rect);
}

void WindowPeerFactory::CloseLabelEditor(HWND editorWindow) {
  if (m_labelEditor && m_labelEditor->EditorWindow() == editorWindow) m_labelEditor->Close();
}
