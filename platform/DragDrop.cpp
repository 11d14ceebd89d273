// The system's side of a drag: which drop target the pointer is over, what it
// is told (enter, over, leave, drop) and which effect the drag ends with.
#include "platform/Ole.h"
#include "platform/Window.h"

namespace {

constexpr DROPEFFECT kDeclined = static_cast<DROPEFFECT>(-1);
constexpr DROPEFFECT kEffectBits = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// The receiver of h while h is a live window registered as a drop target.
CWnd* LiveDropTarget(HWND h) {
  CWnd* wnd = CWnd::FromHandle(h);
  return wnd && wnd->IsDropTarget() ? wnd : nullptr;
}

}  // namespace

DragDropSession::DragDropSession(std::shared_ptr<const COleDataSource> data, DROPEFFECT allowed)
    : m_object(std::move(data)), m_allowed(allowed & kEffectBits) {}

DragDropSession::~DragDropSession() { Leave(); }

DROPEFFECT DragDropSession::Filter(DROPEFFECT offered) const {
  return (offered & m_allowed) | (offered & DROPEFFECT_SCROLL);
}

DROPEFFECT DragDropSession::MoveTo(HWND target, CPoint point, DWORD keyState) {
  if (target != m_target) {
    Leave();
    m_target = target;
  }
  m_point = point;
  m_keys = keyState;
  DROPEFFECT offered = DROPEFFECT_NONE;
  if (CWnd* wnd = LiveDropTarget(m_target)) {
    if (!m_entered) {
      m_entered = true;
      offered = wnd->OnDragEnter(&m_object, keyState, point);
    } else {
      offered = wnd->OnDragOver(&m_object, keyState, point);
    }
  } else {
    m_entered = false;  // gone or revoked: it hears nothing more
  }
  m_effect = Filter(offered);
  return m_effect;
}

DROPEFFECT DragDropSession::Drop() {
  CWnd* wnd = m_entered ? LiveDropTarget(m_target) : nullptr;
  if (!wnd) {
    Leave();
    return DROPEFFECT_NONE;
  }
  HWND target = m_target;
  DROPEFFECT effect = m_effect & ~DROPEFFECT_SCROLL;
  // The drop ends the target's part in the drag whatever it answers.
  m_entered = false;
  m_target = nullptr;
  m_effect = DROPEFFECT_NONE;

  if (m_keys & MK_RBUTTON) {
    DROPEFFECT chosen = wnd->OnDropEx(&m_object, effect, m_allowed, m_point);
    if (chosen != kDeclined) {
      m_effect = chosen & m_allowed;
      return m_effect;
    }
    wnd = LiveDropTarget(target);
    if (!wnd) return DROPEFFECT_NONE;
  }
  if (effect == DROPEFFECT_NONE) {
    wnd->OnDragLeave();
    return DROPEFFECT_NONE;
  }
  m_effect = wnd->OnDrop(&m_object, effect, m_point) ? effect : DROPEFFECT_NONE;
  return m_effect;
}

void DragDropSession::Cancel() { Leave(); }

void DragDropSession::Leave() {
  if (m_entered) {
    if (CWnd* wnd = LiveDropTarget(m_target)) wnd->OnDragLeave();
  }
  m_entered = false;
  m_target = nullptr;
  m_effect = DROPEFFECT_NONE;
}

// ---------------------------------------------------------------- COleDropTarget

bool COleDropTarget::Register(CWnd* window) {
  Revoke();
  if (!window || !IsWindow(window->m_hWnd)) return false;
  window->RegisterDropTarget(true);
  m_window = window->m_hWnd;
  return true;
}

void COleDropTarget::Revoke() {
  if (IsWindow(m_window)) {
    // Through the handle: the object that registered may not be the window's receiver.
    CWnd view;
    view.Attach(m_window);
    view.RegisterDropTarget(false);
    view.Detach();
  }
  m_window = nullptr;
}
