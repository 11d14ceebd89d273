#include "workbench/document/TopLevelWindows.h"

#include <algorithm>

#include "platform/Frame.h"

namespace {

class TopLevelWatcher : public WindowObserver {
 public:
  void WindowCreated(CWnd& wnd) override { m_windows.push_back(wnd.m_hWnd); }
  void WindowDestroying(CWnd& wnd) override { std::erase(m_windows, wnd.m_hWnd); }
  std::vector<HWND> Windows() {
    std::erase_if(m_windows, [](HWND h) { return !IsWindow(h); });
    return m_windows;
  }

 private:
  std::vector<HWND> m_windows;
};

TopLevelWatcher& Watcher() {
  static TopLevelWatcher* watcher = [] {
    auto* w = new TopLevelWatcher;  // lives as long as the process: windows may be made until the very end
    AddWindowObserver(w);
    return w;
  }();
  return *watcher;
}

void CollectFrames(CWnd& parent, std::vector<HWND>& out) {
  for (CWnd* child : parent.GetChildren()) {
    if (!child) continue;
    if (dynamic_cast<CFrameWnd*>(child)) out.push_back(child->m_hWnd);
    CollectFrames(*child, out);
  }
}

}  // namespace

void WatchTopLevelWindows() { Watcher(); }

std::vector<CWnd*> TopLevelWindows() {
  std::vector<CWnd*> out;
  if (CWnd* main = AfxGetMainWnd(); main && IsWindow(main->m_hWnd)) out.push_back(main);
  for (HWND h : Watcher().Windows()) {
    CWnd* wnd = CWnd::FromHandle(h);
    if (!wnd || wnd->GetParent() || std::find(out.begin(), out.end(), wnd) != out.end()) continue;
    out.push_back(wnd);
  }
  return out;
}

int BroadcastToWindows(UINT message, WPARAM wParam, LPARAM lParam) {
  // Handles first: a receiver may close windows, and a handle of a closed window is simply skipped.
  std::vector<HWND> targets;
  for (CWnd* top : TopLevelWindows()) {
    targets.push_back(top->m_hWnd);
    CollectFrames(*top, targets);
  }
  int sent = 0;
  for (HWND h : targets) {
    if (!IsWindow(h)) continue;
    ::SendMessage(h, message, wParam, lParam);
    ++sent;
  }
  return sent;
}
