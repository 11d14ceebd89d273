#include "platform/Window.h"

#include <algorithm>
#include <deque>
#include <map>
#include <vector>

#include "platform/Command.h"
#include "platform/Menu.h"
#include "platform/Ole.h"
#include "platform/Services.h"

namespace {

constexpr std::uintptr_t kFirstHandle = 0x10000;

// Handles count up and are never reused, so each window's record sits at its
// handle's place: finding one is an index, not a search. A slot costs 8 bytes
// for every window ever made.
struct WindowTable {
  std::vector<std::unique_ptr<WindowRecord>> records;
  std::uintptr_t next = kFirstHandle;
};

WindowTable& Table() {
  static WindowTable table;
  return table;
}

std::uintptr_t Key(HWND h) { return reinterpret_cast<std::uintptr_t>(h); }

WindowRecord* Find(HWND h) {
  const std::uintptr_t key = Key(h);
  const auto& records = Table().records;
  if (key < kFirstHandle || key - kFirstHandle >= records.size()) return nullptr;
  return records[key - kFirstHandle].get();
}

void Keep(HWND h, std::unique_ptr<WindowRecord> record) {
  auto& records = Table().records;
  const std::size_t index = Key(h) - kFirstHandle;
  if (index >= records.size()) records.resize(index + 1);
  records[index] = std::move(record);
}

void Forget(HWND h) {
  auto& records = Table().records;
  const std::size_t index = Key(h) - kFirstHandle;
  // Moved out first: the record's destruction must find its handle gone.
  if (Key(h) >= kFirstHandle && index < records.size()) std::unique_ptr<WindowRecord> gone = std::move(records[index]);
}

HWND NewHandle() { return reinterpret_cast<HWND>(Table().next++); }

std::deque<MSG>& Queue() {
  static std::deque<MSG> queue;
  return queue;
}

HWND g_focus = nullptr;
CPoint g_cursor;
CWnd* g_mainWnd = nullptr;
bool g_shift = false, g_control = false, g_alt = false;

std::vector<WindowObserver*>& Observers() {
  static std::vector<WindowObserver*> observers;
  return observers;
}

std::map<std::string, UINT>& RegisteredNames() {
  static std::map<std::string, UINT> names;
  return names;
}

}  // namespace

// Ends a receiver's tie to its window once the record is gone; PostNcDestroy
// runs last because a self-owning window deletes itself there.
struct WindowDestruction {
  static void Finish(CWnd* receiver) {
    receiver->m_hWnd = nullptr;
    if (!receiver->m_receiver) return;
    receiver->m_receiver = false;
    receiver->PostNcDestroy();
  }
};

namespace {

// Removes the record of h and of all its descendants, telling live receivers
// (WM_DESTROY parent first, then children, as Win32 does), and each receiver's
// PostNcDestroy after its own WM_NCDESTROY.
void DestroyTree(HWND h) {
  WindowRecord* rec = Find(h);
  if (!rec || rec->destroying) return;
  rec->destroying = true;
  for (auto* o : Observers()) {
    if (rec->receiver) o->WindowDestroying(*rec->receiver);
  }
  if (rec->receiver) rec->receiver->SendMessage(WM_DESTROY);
  std::vector<HWND> children = Find(h) ? Find(h)->children : std::vector<HWND>{};
  for (HWND child : children) DestroyTree(child);
  rec = Find(h);
  if (!rec) return;
  if (rec->receiver) rec->receiver->SendMessage(WM_NCDESTROY);
  rec = Find(h);
  if (!rec) return;
  if (WindowRecord* parent = Find(rec->parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
  }
  if (g_focus == h) g_focus = nullptr;
  CWnd* receiver = rec->receiver;
  Forget(h);
  if (receiver) WindowDestruction::Finish(receiver);
}

}  // namespace

// ---------------------------------------------------------------- CWnd

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_receiver && m_hWnd) {
    // The object goes away with its window still alive: the window goes too,
    // but no message reaches this half-destroyed object.
    if (WindowRecord* rec = Find(m_hWnd)) rec->receiver = nullptr;
    DestroyTree(m_hWnd);
  }
  if (g_mainWnd == this) g_mainWnd = nullptr;
}

WindowRecord* CWnd::Record() const { return Find(m_hWnd); }

bool CWnd::CreateEx(DWORD exStyle, const std::string& className, const std::string& text, DWORD style,
                    const CRect& rect, CWnd* parent, UINT id) {
  if (m_hWnd && Find(m_hWnd)) return false;
  auto rec = std::make_unique<WindowRecord>();
  HWND h = NewHandle();
  rec->handle = h;
  rec->receiver = this;
  rec->exStyle = exStyle;
  rec->className = className;
  rec->text = text;
  rec->style = style;
  rec->rect = rect;
  rec->id = id;
  rec->visible = (style & WS_VISIBLE) != 0;
  rec->enabled = (style & WS_DISABLED) == 0;
  rec->processId = GetCurrentProcessId();
  if (parent && parent->Record()) {
    if (style & WS_CHILD) {
      rec->parent = parent->m_hWnd;
      parent->Record()->children.push_back(h);
    } else {
      rec->owner = parent->m_hWnd;
    }
  }
  Keep(h, std::move(rec));
  m_hWnd = h;
  m_receiver = true;
  if (SendMessage(WM_CREATE) == -1) {
    // A window refused at creation never existed for its owner: no PostNcDestroy.
    m_receiver = false;
    DestroyTree(h);
    m_hWnd = nullptr;
    return false;
  }
  for (auto* o : std::vector<WindowObserver*>(Observers())) o->WindowCreated(*this);
  return true;
}

bool CWnd::DestroyWindow() {
  if (!m_hWnd || !Find(m_hWnd)) return false;
  HWND h = m_hWnd;
  if (!m_receiver) {
    // An attached wrapper destroys the window it names; the receiver hears of it.
    DestroyTree(h);
    return true;
  }
  DestroyTree(h);  // may delete this
  return true;
}

HWND CWnd::Detach() {
  HWND h = m_hWnd;
  m_hWnd = nullptr;
  return h;
}

CWnd* CWnd::FromHandle(HWND h) {
  WindowRecord* rec = Find(h);
  return rec ? rec->receiver : nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

bool CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetParent() const {
  WindowRecord* rec = Record();
  return rec ? FromHandle(rec->parent) : nullptr;
}

void CWnd::SetParent(CWnd* parent) {
  WindowRecord* rec = Record();
  if (!rec) return;
  if (WindowRecord* old = Find(rec->parent)) {
    old->children.erase(std::remove(old->children.begin(), old->children.end(), m_hWnd), old->children.end());
  }
  rec->parent = parent ? parent->m_hWnd : nullptr;
  if (WindowRecord* now = Find(rec->parent)) now->children.push_back(m_hWnd);
}

CWnd* CWnd::GetOwner() const {
  WindowRecord* rec = Record();
  if (!rec) return nullptr;
  return FromHandle(rec->owner ? rec->owner : rec->parent);
}

void CWnd::SetOwner(CWnd* owner) {
  if (WindowRecord* rec = Record()) rec->owner = owner ? owner->m_hWnd : nullptr;
}

std::vector<CWnd*> CWnd::GetChildren() const {
  std::vector<CWnd*> result;
  if (WindowRecord* rec = Record()) {
    for (HWND child : rec->children) {
      if (CWnd* w = FromHandle(child)) result.push_back(w);
    }
  }
  return result;
}

CWnd* CWnd::GetDlgItem(int id) const {
  if (WindowRecord* rec = Record()) {
    for (HWND child : rec->children) {
      WindowRecord* c = Find(child);
      if (c && static_cast<int>(c->id) == id) return c->receiver;
    }
  }
  return nullptr;
}

UINT CWnd::GetDlgCtrlID() const {
  WindowRecord* rec = Record();
  return rec ? rec->id : 0;
}

void CWnd::SetDlgCtrlID(UINT id) {
  if (WindowRecord* rec = Record()) rec->id = id;
}

CWnd* CWnd::GetTopLevelParent() const {
  WindowRecord* rec = Record();
  while (rec && rec->parent) rec = Find(rec->parent);
  return rec ? rec->receiver : nullptr;
}

bool CWnd::IsChild(const CWnd* other) const {
  if (!other) return false;
  WindowRecord* rec = other->Record();
  while (rec && rec->parent) {
    if (rec->parent == m_hWnd) return true;
    rec = Find(rec->parent);
  }
  return false;
}

bool CWnd::ShowWindow(int cmdShow) {
  WindowRecord* rec = Record();
  if (!rec) return false;
  bool was = rec->visible;
  rec->visible = cmdShow != SW_HIDE;
  if (was != rec->visible) {
    SendMessage(WM_SHOWWINDOW, rec->visible ? 1 : 0);
    NotifyWindowChanged(*this);
  }
  return was;
}

bool CWnd::IsWindowVisible() const {
  WindowRecord* rec = Record();
  while (rec) {
    if (!rec->visible) return false;
    rec = Find(rec->parent);
  }
  return m_hWnd != nullptr && Find(m_hWnd) != nullptr;
}

bool CWnd::IsVisibleFlag() const {
  WindowRecord* rec = Record();
  return rec && rec->visible;
}

bool CWnd::EnableWindow(bool enable) {
  WindowRecord* rec = Record();
  if (!rec) return false;
  bool wasDisabled = !rec->enabled;
  if (rec->enabled != enable) {
    rec->enabled = enable;
    NotifyWindowChanged(*this);
  }
  return wasDisabled;
}

bool CWnd::IsWindowEnabled() const {
  WindowRecord* rec = Record();
  return rec && rec->enabled;
}

void CWnd::SetWindowText(const std::string& text) {
  WindowRecord* rec = Record();
  if (!rec) return;
  if (rec->receiver) {
    std::string copy = text;
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(&copy));
  } else {
    rec->text = text;
  }
}

std::string CWnd::GetWindowText() const {
  WindowRecord* rec = Record();
  return rec ? rec->text : std::string();
}

DWORD CWnd::GetStyle() const {
  WindowRecord* rec = Record();
  return rec ? rec->style : 0;
}

DWORD CWnd::GetExStyle() const {
  WindowRecord* rec = Record();
  return rec ? rec->exStyle : 0;
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add) {
  WindowRecord* rec = Record();
  if (!rec) return false;
  DWORD old = rec->style;
  rec->style = (rec->style & ~remove) | add;
  if (rec->style != old) NotifyWindowChanged(*this);
  return rec->style != old;
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add) {
  WindowRecord* rec = Record();
  if (!rec) return false;
  DWORD old = rec->exStyle;
  rec->exStyle = (rec->exStyle & ~remove) | add;
  return rec->exStyle != old;
}

void CWnd::MoveWindow(const CRect& rect, bool) {
  WindowRecord* rec = Record();
  if (!rec) return;
  bool resized = rec->rect.Width() != rect.Width() || rec->rect.Height() != rect.Height();
  rec->rect = rect;
  if (resized) {
    SendMessage(WM_SIZE, 0, static_cast<LPARAM>((rect.Width() & 0xFFFF) | ((rect.Height() & 0xFFFF) << 16)));
  }
  NotifyWindowChanged(*this);
}

void CWnd::GetClientRect(CRect* rect) const {
  WindowRecord* rec = Record();
  *rect = rec ? CRect(0, 0, rec->rect.Width(), rec->rect.Height()) : CRect();
}

void CWnd::GetWindowRect(CRect* rect) const {
  WindowRecord* rec = Record();
  if (!rec) {
    *rect = CRect();
    return;
  }
  CPoint origin;
  ClientToScreen(&origin);
  *rect = CRect(origin.x, origin.y, origin.x + rec->rect.Width(), origin.y + rec->rect.Height());
}

void CWnd::ClientToScreen(CPoint* p) const {
  for (WindowRecord* rec = Record(); rec; rec = Find(rec->parent)) {
    p->x += rec->rect.left;
    p->y += rec->rect.top;
  }
}

void CWnd::ClientToScreen(CRect* r) const {
  CPoint origin;
  ClientToScreen(&origin);
  r->OffsetRect(origin.x, origin.y);
}

void CWnd::ScreenToClient(CPoint* p) const {
  CPoint origin;
  ClientToScreen(&origin);
  p->x -= origin.x;
  p->y -= origin.y;
}

void CWnd::ScreenToClient(CRect* r) const {
  CPoint origin;
  ClientToScreen(&origin);
  r->OffsetRect(-origin.x, -origin.y);
}

void CWnd::Invalidate(bool) { NotifyWindowChanged(*this); }

CWnd* CWnd::SetFocus() {
  if (!Record()) return nullptr;
  HWND old = g_focus;
  if (old == m_hWnd) return FromHandle(old);
  g_focus = m_hWnd;
  if (Find(old)) ::SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_hWnd));
  SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
  return FromHandle(old);
}

CWnd* CWnd::GetFocus() { return FromHandle(g_focus); }

bool CWnd::HasFocus() const { return m_hWnd && g_focus == m_hWnd; }

bool CWnd::OnCmdMsg(UINT, int, CCmdUI*) { return false; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
             HIWORD(static_cast<std::uintptr_t>(lParam)));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_COMMAND:
      return OnCommand(wParam, lParam) ? 1 : 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header && OnNotify(wParam, header, &result)) return result;
      return 0;
    }
    case WM_KEYDOWN:
      OnKeyDown(static_cast<UINT>(wParam), 1, 0);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
      return 0;
    case WM_SYSCOMMAND:
      OnSysCommand(static_cast<UINT>(wParam), lParam);
      return 0;
    default:
      return DefWindowProc(message, wParam, lParam);
  }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    if (WindowRecord* rec = Record()) {
      rec->text = *reinterpret_cast<const std::string*>(lParam);
      NotifyWindowChanged(*this);
    }
    return 1;
  }
  return 0;
}

bool CWnd::PreTranslateMessage(MSG*) { return false; }

int CWnd::OnCreate() { return 0; }

void CWnd::OnClose() { DestroyWindow(); }

// A command from a menu, an accelerator or a toolbar (no control window) runs
// only when the routing enables it now, as a menu would show it: the command
// may have become unavailable since its menu was built, and a key skips the
// menu altogether. A refused command beeps and changes nothing.
bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (lParam == 0) {
    if (!QueryCommandState(this, id).enabled) {
      MessageBeep(0);
      return true;
    }
    return OnCmdMsg(id, CN_COMMAND, nullptr);
  }
  return OnCmdMsg(id, static_cast<int>(static_cast<short>(HIWORD(wParam))), nullptr);
}

bool CWnd::OnNotify(WPARAM, NMHDR*, LRESULT*) { return false; }

void CWnd::OnSysCommand(UINT id, LPARAM) {
  if ((id & 0xFFF0) == SC_CLOSE) SendMessage(WM_CLOSE);
}

DROPEFFECT CWnd::OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point) {
  return OnDragOver(data, keyState, point);
}
DROPEFFECT CWnd::OnDragOver(COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
void CWnd::OnDragLeave() {}
bool CWnd::OnDrop(COleDataObject*, DROPEFFECT, CPoint) { return false; }
DROPEFFECT CWnd::OnDropEx(COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint) { return static_cast<DROPEFFECT>(-1); }

void CWnd::RegisterDropTarget(bool on) {
  if (WindowRecord* rec = Record()) rec->dropTarget = on;
}

bool CWnd::IsDropTarget() const {
  WindowRecord* rec = Record();
  return rec && rec->dropTarget;
}

// ---------------------------------------------------------------- free functions

LRESULT SendMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowRecord* rec = Find(h);
  if (!rec || !rec->receiver) return 0;
  return rec->receiver->WindowProc(message, wParam, lParam);
}

bool PostMessage(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Find(h)) return false;
  Queue().push_back(MSG{h, message, wParam, lParam});
  return true;
}

bool IsWindow(HWND h) { return Find(h) != nullptr; }

UINT RegisterWindowMessage(const std::string& name) {
  if (name.empty()) return 0;
  auto& names = RegisteredNames();
  auto it = names.find(name);
  if (it != names.end()) return it->second;
  UINT id = kFirstRegisteredId + static_cast<UINT>(names.size());
  names.emplace(name, id);
  return id;
}

DWORD GetWindowThreadProcessId(HWND h, DWORD* processId) {
  WindowRecord* rec = Find(h);
  DWORD pid = rec ? rec->processId : 0;
  if (processId) *processId = pid;
  return rec ? 1 : 0;
}

HWND CreateForeignWindow(DWORD processId) {
  auto rec = std::make_unique<WindowRecord>();
  HWND h = NewHandle();
  rec->handle = h;
  rec->processId = processId;
  rec->className = "foreign";
  Keep(h, std::move(rec));
  return h;
}

namespace MessageQueue {

bool PumpOne() {
  auto& queue = Queue();
  if (queue.empty()) return false;
  MSG msg = queue.front();
  queue.pop_front();
  ::SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);  // dropped when the window died
  return true;
}

std::size_t Pump() {
  std::size_t n = 0;
  while (PumpOne()) ++n;
  return n;
}

std::size_t Size() { return Queue().size(); }

bool Peek(MSG* msg, HWND h, UINT first, UINT last, bool remove) {
  auto& queue = Queue();
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if (h && it->hwnd != h) continue;
    if ((first || last) && (it->message < first || it->message > last)) continue;
    if (msg) *msg = *it;
    if (remove) queue.erase(it);
    return true;
  }
  return false;
}

void Clear() { Queue().clear(); }

}  // namespace MessageQueue

void DispatchKeyDown(HWND target, UINT virtualKey) {
  if (!Find(target)) return;
  MSG msg{target, WM_KEYDOWN, virtualKey, 0};
  for (HWND h = target; WindowRecord* rec = Find(h); h = rec->parent) {
    if (rec->receiver && rec->receiver->PreTranslateMessage(&msg)) return;
    if (!Find(target)) return;
  }
  for (HWND h = target; WindowRecord* rec = Find(h); h = rec->parent) {
    if (rec->accelerators) {
      UINT command = rec->accelerators->Find(virtualKey, g_shift, g_control, g_alt);
      if (command) {
        ::SendMessage(h, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 1), 0);
        return;
      }
    }
  }
  ::SendMessage(target, WM_KEYDOWN, virtualKey, 0);
}

namespace Keyboard {
void SetModifiers(bool shift, bool control, bool alt) {
  g_shift = shift;
  g_control = control;
  g_alt = alt;
}
bool IsDown(UINT virtualKey) {
  switch (virtualKey) {
    case VK_SHIFT: return g_shift;
    case VK_CONTROL: return g_control;
    case VK_MENU: return g_alt;
    default: return false;
  }
}
}  // namespace Keyboard

short GetKeyState(UINT virtualKey) { return Keyboard::IsDown(virtualKey) ? static_cast<short>(0x8000) : 0; }

bool GetCursorPos(CPoint* p) {
  if (p) *p = g_cursor;
  return true;
}

void SetCursorPos(CPoint p) { g_cursor = p; }

CWnd* AfxGetMainWnd() { return g_mainWnd; }
void AfxSetMainWnd(CWnd* wnd) { g_mainWnd = wnd; }

void AddWindowObserver(WindowObserver* observer) { Observers().push_back(observer); }

void RemoveWindowObserver(WindowObserver* observer) {
  auto& list = Observers();
  list.erase(std::remove(list.begin(), list.end(), observer), list.end());
}

void NotifyWindowChanged(CWnd& wnd) {
  for (auto* o : std::vector<WindowObserver*>(Observers())) o->WindowChanged(wnd);
}

// ---------------------------------------------------------------- commands

CommandState QueryCommandState(CWnd* target, UINT id) {
  CommandState state;
  if (!target || !target->m_hWnd) return state;
  CCmdUI ui(id);
  if (target->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui)) {
    state.enabled = ui.IsEnabled();
    state.check = ui.GetCheck();
    state.text = ui.GetText();
  }
  return state;
}

bool PerformCommand(CWnd* target, UINT id) {
  if (!target || !IsWindow(target->m_hWnd)) return false;
  target->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
  return true;
}
