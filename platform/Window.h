// Windows and messages. A window is a record in a process-wide table, named by
// its handle; a CWnd object is the code that receives the window's messages.
// SendMessage calls the receiver at once; PostMessage queues and the queue is
// pumped by the event loop (or by a test). A message for a window that no
// longer exists is dropped: handles are never reused, so a stale handle can
// only ever resolve to nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Types.h"

class CCmdUI;
class COleDataObject;
struct AcceleratorTable;

// Standard messages.
constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_INITMENUPOPUP = 0x0117;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_MEASUREITEM = 0x002C;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;
// Registered messages and clipboard formats are numbered from here.
constexpr UINT kFirstRegisteredId = 0xC000;

constexpr UINT SC_CLOSE = 0xF060;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWMINNOACTIVE = 7;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

// Command-routing codes for OnCmdMsg.
constexpr int CN_COMMAND = 0;
constexpr int CN_UPDATE_COMMAND_UI = -1;

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Header of every WM_NOTIFY payload.
struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT idFrom = 0;
  int code = 0;
};

// Per-window data kept in the window table. Code reaches it through CWnd
// methods; the desktop program's peers read it to draw.
struct WindowRecord {
  HWND handle = nullptr;
  class CWnd* receiver = nullptr;  // the object that gets the messages
  HWND parent = nullptr;
  HWND owner = nullptr;            // owner for popups and dialogs (not a child)
  std::vector<HWND> children;      // in creation order
  UINT id = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string text;
  CRect rect;                      // in the parent's client coordinates
  bool visible = false;
  bool enabled = true;
  DWORD processId = 0;             // the process that owns the window
  bool destroying = false;
  bool dropTarget = false;
  std::string className;
  const AcceleratorTable* accelerators = nullptr;  // translated for keys aimed at this window or its children
};

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }

  // Creates the window record with this object as its receiver and sends WM_CREATE.
  // Returns false (and leaves no window) when OnCreate answers -1.
  bool CreateEx(DWORD exStyle, const std::string& className, const std::string& text, DWORD style,
                const CRect& rect, CWnd* parent, UINT id);
  bool Create(const std::string& className, const std::string& text, DWORD style, const CRect& rect, CWnd* parent,
              UINT id) {
    return CreateEx(0, className, text, style, rect, parent, id);
  }
  // Destroys the window and its children: WM_DESTROY to the window, then to the
  // children, then WM_NCDESTROY and PostNcDestroy. Returns false for no window.
  virtual bool DestroyWindow();

  // Binds an existing handle to this object without making it the receiver.
  void Attach(HWND h) { m_hWnd = h; }
  HWND Detach();

  static CWnd* FromHandle(HWND h);
  // The receiver object for h, or null when h names no live window.
  static CWnd* FromHandlePermanent(HWND h) { return FromHandle(h); }
  WindowRecord* Record() const;

  // Messages.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // Tree of windows.
  CWnd* GetParent() const;
  void SetParent(CWnd* parent);
  CWnd* GetOwner() const;
  void SetOwner(CWnd* owner);
  std::vector<CWnd*> GetChildren() const;
  CWnd* GetDlgItem(int id) const;
  UINT GetDlgCtrlID() const;
  void SetDlgCtrlID(UINT id);
  CWnd* GetTopLevelParent() const;
  bool IsChild(const CWnd* other) const;

  // State.
  bool ShowWindow(int cmdShow);
  bool IsWindowVisible() const;  // this window and all its parents are visible
  bool IsVisibleFlag() const;    // this window's own flag
  bool EnableWindow(bool enable = true);
  bool IsWindowEnabled() const;
  void SetWindowText(const std::string& text);
  std::string GetWindowText() const;
  void GetWindowText(std::string& text) const { text = GetWindowText(); }
  int GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  bool ModifyStyle(DWORD remove, DWORD add);
  bool ModifyStyleEx(DWORD remove, DWORD add);

  // Geometry: rect is kept in the parent's client coordinates; a top-level
  // window's rect is in screen coordinates.
  void MoveWindow(const CRect& rect, bool repaint = true);
  void MoveWindow(int x, int y, int cx, int cy, bool repaint = true) { MoveWindow(CRect(x, y, x + cx, y + cy), repaint); }
  void GetClientRect(CRect* rect) const;
  void GetWindowRect(CRect* rect) const;  // screen coordinates
  void ClientToScreen(CPoint* p) const;
  void ClientToScreen(CRect* r) const;
  void ScreenToClient(CPoint* p) const;
  void ScreenToClient(CRect* r) const;
  virtual void Invalidate(bool erase = true);
  void UpdateWindow() {}

  // Focus.
  CWnd* SetFocus();
  static CWnd* GetFocus();
  bool HasFocus() const;

  // Command routing: CN_COMMAND performs, CN_UPDATE_COMMAND_UI asks for state.
  // Return true when handled. The default passes nothing on.
  virtual bool OnCmdMsg(UINT id, int code, CCmdUI* ui);

  // The receiver side.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Keys travel through PreTranslateMessage of the target and its ancestors
  // before they are dispatched; answering true consumes the key.
  virtual bool PreTranslateMessage(MSG* msg);

  // Drop-target side of drag and drop (called only while registered as a drop target).
  virtual DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point);
  virtual DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point);
  virtual void OnDragLeave();
  virtual bool OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point);
  // Returns the effect of a drop it handled itself, or (DROPEFFECT)-1 to decline.
  virtual DROPEFFECT OnDropEx(COleDataObject* data, DROPEFFECT dropDefault, DROPEFFECT dropList, CPoint point);
  void RegisterDropTarget(bool on = true);
  bool IsDropTarget() const;

 protected:
  // Handlers called by the default WindowProc.
  virtual int OnCreate();
  virtual void OnDestroy() {}
  virtual void OnSize(UINT /*type*/, int /*cx*/, int /*cy*/) {}
  virtual void OnClose();                            // default: DestroyWindow
  // Default: a command from a menu, key or toolbar (lParam 0) runs only when
  // the routing enables it (else a beep); control notifications pass as they are.
  virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
  virtual bool OnNotify(WPARAM wParam, NMHDR* header, LRESULT* result);
  virtual void OnKeyDown(UINT /*key*/, UINT /*repeat*/, UINT /*flags*/) {}
  virtual void OnSetFocus(CWnd* /*old*/) {}
  virtual void OnKillFocus(CWnd* /*next*/) {}
  virtual void OnSysCommand(UINT /*id*/, LPARAM /*lParam*/);
  // Called after the last message of the window; windows that own themselves delete here.
  virtual void PostNcDestroy() {}

 private:
  friend struct WindowDestruction;
  bool m_receiver = false;  // true when this object created the window and receives its messages
};

// Free functions with the Win32 shapes.
LRESULT SendMessage(HWND h, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
bool PostMessage(HWND h, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
bool IsWindow(HWND h);
// One identifier per name for the life of the process (shared with clipboard formats' numbering rules).
UINT RegisterWindowMessage(const std::string& name);
DWORD GetWindowThreadProcessId(HWND h, DWORD* processId);

// A window owned by another process, as seen from this one (for example the
// owner of a clipboard written elsewhere). It receives no messages.
HWND CreateForeignWindow(DWORD processId);

// The message queue.
namespace MessageQueue {
// Dispatches queued messages in order until the queue is empty (messages posted
// while pumping are dispatched too). A message whose window died is dropped.
// Returns the number dispatched.
std::size_t Pump();
// Dispatches at most one message; false when the queue was empty.
bool PumpOne();
std::size_t Size();
// Removes the first queued message for h within [first, last] (0, 0 = any) into msg.
bool Peek(MSG* msg, HWND h, UINT first, UINT last, bool remove);
// Drops every queued message (used when a test or the program shuts down).
void Clear();
}  // namespace MessageQueue

// Keyboard input: PreTranslateMessage along the target and its ancestors, then
// the accelerator table of the nearest ancestor that has one (WM_COMMAND to it),
// then WM_KEYDOWN to the target. Modifier keys come from Keyboard state.
void DispatchKeyDown(HWND target, UINT virtualKey);

namespace Keyboard {
// Modifier state as seen by GetKeyState during the next key or drop.
void SetModifiers(bool shift, bool control, bool alt);
bool IsDown(UINT virtualKey);
}  // namespace Keyboard
short GetKeyState(UINT virtualKey);

// The pointer position in screen coordinates, as the last user action left it.
bool GetCursorPos(CPoint* p);
void SetCursorPos(CPoint p);

// The application's main window (owner of message boxes and the target of SHOW_CORVANEVIEW-style requests).
CWnd* AfxGetMainWnd();
void AfxSetMainWnd(CWnd* wnd);

// Observers of window creation and destruction (the desktop program makes its peers this way).
struct WindowObserver {
  virtual ~WindowObserver() = default;
  virtual void WindowCreated(CWnd& /*wnd*/) {}
  virtual void WindowDestroying(CWnd& /*wnd*/) {}
  virtual void WindowChanged(CWnd& /*wnd*/) {}  // visibility, text, geometry, style
};
void AddWindowObserver(WindowObserver* observer);
void RemoveWindowObserver(WindowObserver* observer);
// Tells observers that a window's look changed (controls call this after state changes).
void NotifyWindowChanged(CWnd& wnd);
