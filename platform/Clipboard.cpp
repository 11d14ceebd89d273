// The clipboard: one set of contents with the window that owns it. Data put
// there by this process is owned by a hidden window of this process; data that
// came from another process is owned by a window standing for that process, so
// readers can tell (GetWindowThreadProcessId) whether addresses in it are theirs.
#include <algorithm>
#include <map>

#include "platform/Ole.h"
#include "platform/Services.h"
#include "platform/Window.h"

namespace {

// The hidden window that owns what this process puts on the clipboard.
class CClipboardOwnerWnd : public CWnd {};

struct ClipboardState {
  std::shared_ptr<const COleDataSource> contents;
  HWND owner = nullptr;
  std::vector<Clipboard::Observer*> observers;
  std::map<DWORD, HWND> foreignOwners;  // one stand-in window per other process
};

ClipboardState& State() {
  static ClipboardState state;
  return state;
}

HWND OwnWindow() {
  // Never deleted: it lives as long as the process and the window table.
  static CClipboardOwnerWnd* owner = new CClipboardOwnerWnd;
  if (!IsWindow(owner->m_hWnd)) owner->CreateEx(0, "ClipboardOwner", "", 0, CRect(), nullptr, 0);
  return owner->m_hWnd;
}

HWND WindowOfProcess(DWORD processId) {
  if (processId == GetCurrentProcessId()) return OwnWindow();
  HWND& window = State().foreignOwners[processId];
  if (!IsWindow(window)) window = CreateForeignWindow(processId);
  return window;
}

void NotifyObservers() {
  auto snapshot = State().observers;
  for (Clipboard::Observer* observer : snapshot) {
    const auto& live = State().observers;
    if (std::find(live.begin(), live.end(), observer) != live.end()) observer->ClipboardChanged();
  }
}

}  // namespace

namespace Clipboard {

HWND GetOwner() {
  HWND owner = State().owner;
  return IsWindow(owner) ? owner : nullptr;
}

std::shared_ptr<const COleDataSource> Contents() { return State().contents; }

bool IsFormatAvailable(CLIPFORMAT format) {
  const auto& contents = State().contents;
  return contents && contents->HasFormat(format);
}

void Empty() {
  State().contents.reset();
  State().owner = nullptr;
  NotifyObservers();
}

void SetFromProcess(std::shared_ptr<const COleDataSource> data, DWORD processId) {
  if (!data) return Empty();
  State().contents = std::move(data);
  State().owner = WindowOfProcess(processId);
  NotifyObservers();
}

void AddObserver(Observer* observer) {
  auto& observers = State().observers;
  if (observer && std::find(observers.begin(), observers.end(), observer) == observers.end()) {
    observers.push_back(observer);
  }
}

void RemoveObserver(Observer* observer) {
  auto& observers = State().observers;
  observers.erase(std::remove(observers.begin(), observers.end(), observer), observers.end());
}

}  // namespace Clipboard
