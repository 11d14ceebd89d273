// Notification codes shared by the common controls (tree and list). A control
// tells its parent about user actions with WM_NOTIFY: wParam is the control's
// id, lParam points at an NMHDR (or a larger structure that begins with one).
#pragma once

#include "platform/Window.h"

constexpr int NM_FIRST = 0;
constexpr int NM_OUTOFMEMORY = NM_FIRST - 1;
constexpr int NM_CLICK = NM_FIRST - 2;
constexpr int NM_DBLCLK = NM_FIRST - 3;
constexpr int NM_RETURN = NM_FIRST - 4;
constexpr int NM_RCLICK = NM_FIRST - 5;
constexpr int NM_RDBLCLK = NM_FIRST - 6;
constexpr int NM_SETFOCUS = NM_FIRST - 7;
constexpr int NM_KILLFOCUS = NM_FIRST - 8;
constexpr int NM_CUSTOMDRAW = NM_FIRST - 12;

// Fills the sender fields of header from control and sends WM_NOTIFY to the
// control's parent. Returns the parent's answer, 0 when there is no parent.
inline LRESULT SendNotifyToParent(CWnd& control, NMHDR& header) {
  header.hwndFrom = control.m_hWnd;
  header.idFrom = control.GetDlgCtrlID();
  CWnd* parent = control.GetParent();
  if (!parent) return 0;
  return parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}
