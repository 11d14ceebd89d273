#include "platform/LabelEditWnd.h"

CLabelEditWnd::CLabelEditWnd(CWnd& control, std::function<void(bool cancel)> onEnd)
    : m_control(control), m_onEnd(std::move(onEnd)) {}

bool CLabelEditWnd::Open(const std::string& text, const CRect& rect) {
  if (IsActive()) return false;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
  if (!CreateEx(0, "Edit", text, m_control.m_hWnd ? style : (style & ~WS_CHILD), rect, &m_control, 1)) return false;
  SetFocus();
  return true;
}

void CLabelEditWnd::Close() {
  if (!IsActive()) return;
  bool hadFocus = HasFocus();
  DestroyWindow();
  if (hadFocus && m_control.m_hWnd) m_control.SetFocus();
}

void CLabelEditWnd::SetText(const std::string& text) {
  if (IsActive()) SetWindowText(text);
}

void CLabelEditWnd::End(bool cancel) {
  if (IsActive() && m_onEnd) m_onEnd(cancel);
}

LRESULT CLabelEditWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) {
        End(false);
        return 0;
      }
      if (wParam == VK_ESCAPE) {
        End(true);
        return 0;
      }
      break;
    case WM_KILLFOCUS:
      End(false);
      return 0;
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
