#include "platform/ToolTipCtrl.h"

#include "platform/Dialog.h"

namespace {

// The control behind a handle while it lives.
CDialogItem* ToolItem(HWND window) { return dynamic_cast<CDialogItem*>(CWnd::FromHandle(window)); }

}  // namespace

CToolTipCtrl::~CToolTipCtrl() { Show(false); }

bool CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  m_parent = parent;
  m_style = style;
  return parent != nullptr;
}

bool CToolTipCtrl::AddTool(CWnd* tool, const std::string& text) {
  if (!m_parent || !tool || !dynamic_cast<CDialogItem*>(tool)) return false;
  m_tools.push_back({tool->m_hWnd, text});
  if (m_active) Show(true);
  return true;
}

void CToolTipCtrl::SetDelayTime(DWORD which, int milliseconds) {
  if (which == TTDT_INITIAL) m_initialDelay = milliseconds;
}

void CToolTipCtrl::Activate(bool active) {
  m_active = active;
  Show(active);
}

void CToolTipCtrl::Show(bool show) {
  for (const Tool& tool : m_tools)
    if (CDialogItem* item = ToolItem(tool.window)) item->SetToolTipText(show ? tool.text : std::string());
}
