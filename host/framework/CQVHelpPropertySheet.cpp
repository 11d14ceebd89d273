#include "host/framework/CQVHelpPropertySheet.h"

#include "host/framework/CRBaseApp.h"
#include "platform/Dialog.h"

CQVHelpPropertySheet::CQVHelpPropertySheet(const std::string& caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage) {}

CQVHelpPropertySheet::CQVHelpPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
    : CPropertySheet(captionId, parent, selectPage) {}

void CQVHelpPropertySheet::SetHelpTopic(UINT helpFileId, UINT topicId) {
  m_helpFileId = helpFileId;
  m_topicId = topicId;
}

bool CQVHelpPropertySheet::OnHelp() {
  CRBaseApp* app = CRBaseApp::GetApp();
  if (!app || m_topicId == 0) return false;
  app->ShowHelp(m_helpFileId, m_topicId);
  return true;
}

bool CQVHelpPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDHELP) {
    OnHelp();
    return true;
  }
  return CPropertySheet::OnCommand(wParam, lParam);
}
